#include "core/shared/section_back.h"

#include "core/shared/enlace.h"

namespace velmora {

LeaveTo SectionBack(const Enlace& enlace) {
    return BackTarget(enlace.assistantMode, enlace.animationEnabled);
}

std::string_view ScreenOf(LeaveTo where) {
    switch (where) {
        case LeaveTo::Assistant:
            return "TForm5";
        case LeaveTo::Scene:
            return "Tform9";
        case LeaveTo::MainMenu:
            return "Tform0";
    }
    return "Tform0";
}

}  // namespace velmora
