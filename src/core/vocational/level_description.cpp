#include "core/vocational/level_description.h"

namespace velmora {

const LevelDescription& IntermediateDescription() {
    static const LevelDescription description = [] {
        LevelDescription d;
        d.level = Level::Intermediate;
        for (int i = 0; i < kLevelControlCount; ++i)
            d.names[static_cast<size_t>(i)] = IntermediateName(static_cast<LevelControl>(i));
        return d;
    }();
    return description;
}

}  // namespace velmora
