#include "ui/shared/look.h"

#include <QFontMetrics>
#include <QLabel>

namespace velmora {

QFont ArialFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}

void ShrinkFontToFit(QLabel* label) {
    constexpr int kSmallest = 9;
    // A little room for the shadow and the frame of a shadowed label.
    const int room = label->width() - 4;
    QFont font = label->font();
    while (font.pixelSize() > kSmallest &&
           QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

}  // namespace velmora
