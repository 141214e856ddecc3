#include "core/shared/shutdown.h"

#include "core/shared/cp1252.h"
#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/notice.h"

namespace velmora {
namespace {
constexpr int kExitQuestion = 49;
}

bool Shutdown::closeHome() {
    if (!enlace_.messages.askYesNo(QString(), cp1252::Decode(enlace_.texts[kExitQuestion])))
        return false;
    endProgram();
    return true;
}

bool Shutdown::closeSection() {
    if (!notice_.question(cp1252::Decode(enlace_.texts[kExitQuestion]))) return false;
    end_.showHome();
    endProgram();
    return true;
}

void Shutdown::endProgram() {
    RestoreDisplayMode(enlace_, display_);
    enlace_.stopFlag = true;
    end_.end();
}

}  // namespace velmora
