#include "ui/shared/look.h"

namespace velmora {

QFont ArialFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}

}  // namespace velmora
