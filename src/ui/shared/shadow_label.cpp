#include "ui/shared/shadow_label.h"

#include <QPainter>

#include "ui/shared/look.h"

namespace velmora {

ShadowLabel::ShadowLabel(QWidget* parent) : QLabel(parent) {}

void ShadowLabel::setColours(PaletteColour text, PaletteColour shadow) {
    text_ = text;
    shadow_ = shadow;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = contentsRect().adjusted(0, 0, -offset_, -offset_);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setPen(ToQColor(shadow_));
    painter.drawText(area.translated(offset_, offset_), flags, text());
    painter.setPen(ToQColor(text_));
    painter.drawText(area, flags, text());
}

}  // namespace velmora
