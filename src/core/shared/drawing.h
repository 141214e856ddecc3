#pragma once

#include <QPoint>
#include <QSize>
#include <vector>

#include "core/shared/palette.h"

namespace velmora {

// Where TileImage draws the picture: at (0, 0), then every picture width to the right until the
// image's width is covered, row after row every picture height until its height is covered. The
// last column and row may stick out of the image; the painter cuts them.
std::vector<QPoint> TileOrigins(QSize image, QSize picture);

// n / d rounded to the nearest whole number, halves to the even one (d > 0).
int RoundHalfEven(long long n, long long d);

// The colour of row `row` (from 0) of a vertical gradient `height` rows high: each of red,
// green and blue is first + round(row x (second - first) / height), halves to even.
Rgb GradientColour(Rgb first, Rgb second, int row, int height);

}  // namespace velmora
