#include "core/shared/display_mode.h"

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"

namespace velmora {

bool DisplayModeQuestionNeeded(const DisplayMode& screen, bool strict) {
    if (strict) {
        return screen.width != kScreenMode.width || screen.height != kScreenMode.height ||
               screen.depth < kScreenMode.depth;
    }
    return screen.height < kScreenMode.height && screen.depth < kScreenMode.depth;
}

void CheckDisplayMode(bool strict, Enlace& enlace, Display& display) {
    const DisplayMode screen = display.current();
    if (!DisplayModeQuestionNeeded(screen, strict)) return;
    const QString question =
        cp1252::Decode(enlace.texts[253]) + QLatin1Char(' ') + cp1252::Decode(enlace.texts[254]);
    enlace.displayModeChanged = false;
    if (!enlace.messages.askYesNo(QString(), question)) return;
    for (int n = 0;; ++n) {
        const std::optional<DisplayMode> mode = display.mode(n);
        if (!mode) return;
        if (*mode == kScreenMode) {
            enlace.displayModeChanged = true;
            display.switchTo(*mode, screen.depth < kScreenMode.depth);
            return;
        }
    }
}

void RestoreDisplayMode(Enlace& enlace, Display& display) {
    if (!enlace.displayModeChanged) return;
    display.restore();
    enlace.displayModeChanged = false;
}

}  // namespace velmora
