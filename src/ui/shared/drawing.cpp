#include "ui/shared/drawing.h"

#include <QPainter>

#include "core/shared/drawing.h"

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

}  // namespace velmora
