#include "core/shared/section_back.h"

#include "core/shared/enlace.h"

namespace velmora {

BackTo SectionBack(const Enlace& enlace) {
    if (enlace.assistantMode) return BackTo::Assistant;
    if (enlace.animationEnabled) return BackTo::Scene;
    return BackTo::MainMenu;
}

std::string_view ScreenOf(BackTo where) {
    switch (where) {
        case BackTo::Assistant:
            return "TForm5";
        case BackTo::Scene:
            return "Tform9";
        case BackTo::MainMenu:
            return "Tform0";
    }
    return "Tform0";
}

}  // namespace velmora
