#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;
class QRectF;

namespace velmora {

// TileImage: fills the image with the picture repeated from (0, 0), rightwards and downwards,
// the last column and row cut by the image's edge.
void TileImage(QImage& image, const QImage& picture);
void TileImage(QPainter& painter, const QRect& area, const QImage& picture);

// GradientFill: a vertical gradient, one horizontal line per pixel row of the rectangle, each
// row's colour computed by the core (rounding halves to even).
void GradientFill(QPainter& canvas, const QRect& rectangle, const QColor& first,
                  const QColor& second);

// A fat arrow filling `area`, pointing left or right, in maroon with a white outline: the
// arrows a student clicks to go on.
void PaintArrow(QPainter& painter, const QRectF& area, bool pointsLeft);

}  // namespace velmora
