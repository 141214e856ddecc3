#include "core/menu/scene_sprites.h"

#include <algorithm>
#include <cmath>

namespace velmora {

void Sprite::animate(int moveCount) {
    if (animCount <= 1 || animSpeed == 0) return;
    animPos = std::fmod(animPos + animSpeed * moveCount, static_cast<double>(animCount));
}

int SpriteList::add(const Sprite& sprite) {
    int handle;
    if (!free_.empty()) {
        handle = free_.back();
        free_.pop_back();
        sprites_[static_cast<size_t>(handle)] = sprite;
        alive_[static_cast<size_t>(handle)] = true;
        dying_[static_cast<size_t>(handle)] = false;
    } else {
        handle = static_cast<int>(sprites_.size());
        sprites_.push_back(sprite);
        alive_.push_back(true);
        dying_.push_back(false);
    }
    insert(handle);
    return handle;
}

void SpriteList::insert(int handle) {
    const int z = sprites_[static_cast<size_t>(handle)].z;
    const auto at = std::find_if(order_.begin(), order_.end(), [&](int other) {
        return sprites_[static_cast<size_t>(other)].z >= z;
    });
    order_.insert(at, handle);
}

void SpriteList::setZ(int handle, int z) {
    Sprite& sprite = (*this)[handle];
    if (sprite.z == z) return;
    order_.erase(std::find(order_.begin(), order_.end(), handle));
    sprite.z = z;
    insert(handle);
}

void SpriteList::kill(int handle) {
    if (alive(handle)) dying_[static_cast<size_t>(handle)] = true;
}

bool SpriteList::alive(int handle) const {
    return handle >= 0 && static_cast<size_t>(handle) < alive_.size() &&
           alive_[static_cast<size_t>(handle)];
}

void SpriteList::removeDead() {
    for (size_t h = 0; h < dying_.size(); ++h) {
        if (!dying_[h]) continue;
        dying_[h] = false;
        alive_[h] = false;
        const int handle = static_cast<int>(h);
        order_.erase(std::find(order_.begin(), order_.end(), handle));
        free_.push_back(handle);
    }
}

}  // namespace velmora
