#pragma once

#include <cstddef>
#include <vector>

namespace velmora {

// A sprite of the scene: an image (by its index among the scene's images) at a place in the
// world, with its top left corner at (x, y), drawn in the order of z.
struct Sprite {
    int image = -1;
    double x = 0;
    double y = 0;
    int z = 0;
    bool visible = true;
    bool tiled = false;  // repeated over the whole world from (x, y)
    // A looping animation over the image's frames: the frame is animPos, which grows by
    // animSpeed for every unit of move count.
    double animPos = 0;
    double animSpeed = 0;
    int animCount = 1;

    int frame() const { return static_cast<int>(animPos); }
    void animate(int moveCount);
};

// The scene's sprites and their drawing order. A sprite keeps its handle for as long as it
// lives. Among sprites of equal z the one placed (or given its z) last is drawn first, under
// the others: the figure, given a new z, goes under the walls and doors of that z.
class SpriteList {
  public:
    int add(const Sprite& sprite);
    Sprite& operator[](int handle) { return sprites_[static_cast<std::size_t>(handle)]; }
    const Sprite& operator[](int handle) const { return sprites_[static_cast<std::size_t>(handle)]; }
    void setZ(int handle, int z);
    // Marks a sprite dead; it leaves the list at the next removeDead().
    void kill(int handle);
    void removeDead();
    bool alive(int handle) const;

    // Handles in drawing order.
    const std::vector<int>& drawOrder() const { return order_; }

  private:
    void insert(int handle);

    std::vector<Sprite> sprites_;
    std::vector<bool> alive_;
    std::vector<bool> dying_;
    std::vector<int> free_;
    std::vector<int> order_;
};

}  // namespace velmora
