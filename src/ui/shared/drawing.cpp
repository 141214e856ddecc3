#include "ui/shared/drawing.h"

#include <QPainter>
#include <QPainterPath>

#include "core/shared/drawing.h"
#include "ui/shared/look.h"

namespace velmora {

void TileImage(QPainter& painter, const QRect& area, const QImage& picture) {
    painter.save();
    painter.setClipRect(area);
    for (const QPoint& at : TileOrigins(area.size(), picture.size()))
        painter.drawImage(area.topLeft() + at, picture);
    painter.restore();
}

void TileImage(QImage& image, const QImage& picture) {
    QPainter painter(&image);
    TileImage(painter, image.rect(), picture);
}

void GradientFill(QPainter& canvas, const QRect& rectangle, const QColor& first,
                  const QColor& second) {
    const Rgb a{first.red(), first.green(), first.blue()};
    const Rgb b{second.red(), second.green(), second.blue()};
    const int height = rectangle.height();
    for (int row = 0; row < height; ++row) {
        const Rgb c = GradientColour(a, b, row, height);
        canvas.fillRect(QRect(rectangle.left(), rectangle.top() + row, rectangle.width(), 1),
                        QColor(c.red, c.green, c.blue));
    }
}

void PaintArrow(QPainter& painter, const QRectF& area, bool pointsLeft) {
    const QRectF a = area.adjusted(1, 1, -1, -1);
    const double w = a.width();
    const double h = a.height();
    // Drawn pointing right, then mirrored for the other way.
    QPainterPath arrow;
    arrow.moveTo(0, h * 0.3);
    arrow.lineTo(w * 0.55, h * 0.3);
    arrow.lineTo(w * 0.55, 0);
    arrow.lineTo(w, h / 2);
    arrow.lineTo(w * 0.55, h);
    arrow.lineTo(w * 0.55, h * 0.7);
    arrow.lineTo(0, h * 0.7);
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(a.topLeft());
    if (pointsLeft) {
        painter.translate(w, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(ToQColor(PaletteColour::White), 2));
    painter.setBrush(ToQColor(PaletteColour::Maroon));
    painter.drawPath(arrow);
    painter.restore();
}

}  // namespace velmora
