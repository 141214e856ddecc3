#pragma once

#include <QColor>
#include <QFont>

class QLabel;

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

// Keeps a label's text within the label's width: its font is made smaller, a pixel at a time,
// until the text fits (never below 9 pixels). For texts the school sets, such as its name, which
// may be three times longer than the layout's example.
void ShrinkFontToFit(QLabel* label);

}  // namespace velmora
