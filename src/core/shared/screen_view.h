#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/shared/palette.h"

namespace velmora {

// What the screen models publish for their widgets to draw: pointers, list rows and grid cells.
// The widgets draw them as they are and decide nothing about them.

enum class CursorKind { Default, Hand, NotAllowed, NoDrop };

// What a list row or grid cell is: the marks of the work lines ("-" heading, "<" icon row).
enum class RowKind { Plain, Heading, Icon };

// One list row or grid cell, ready to draw: fill the cell with `fill` (the control's background
// colour when empty), draw icon `icon` of the control's image list at (left + iconLeft, top)
// (+ iconTop) when icon >= 0, write `text` at (left + textLeft, top + textTop) in `colour`, bold when `bold`,
// on `textBackground` when set.
struct Cell {
    QString text;
    RowKind kind = RowKind::Plain;
    int icon = -1;
    int iconLeft = 2;
    int iconTop = 0;
    int textLeft = 0;
    int textTop = 0;
    Rgb colour = ColourOf(PaletteColour::Black);
    std::optional<Rgb> fill;
    std::optional<Rgb> textBackground;  // behind the text only
    bool bold = false;

    friend bool operator==(const Cell&, const Cell&) = default;
};

// A grid row: column 0 and column 1.
using GridRow = std::array<Cell, 2>;

// The effects a panel is hidden and shown again with when its contents are rebuilt: a roll from
// its top edge, or a circle from its centre.
enum class TransitionKind { Roll, Radial };

}  // namespace velmora
