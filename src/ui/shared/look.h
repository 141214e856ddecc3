#pragma once

#include <QColor>
#include <QFont>

#include "core/shared/palette.h"

namespace velmora {

// The palette colour as a Qt colour.
inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}
inline QColor ToQColor(PaletteColour colour) {
    return ToQColor(ColourOf(colour));
}

// "Arial" at a size given in points, measured as on a 96-dpi screen (20 pixels for 15 points),
// so the fixed layouts keep their proportions whatever resolution the X server reports.
QFont ArialFont(int points, bool bold = false);

}  // namespace velmora
