#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/shared/palette.h"

namespace velmora {

// What the screen models publish for their widgets to draw: pointers, list rows and grid cells.
// The widgets draw them as they are and decide nothing about them.

enum class CursorKind { Default, Hand, NotAllowed, NoDrop };

// What a list row or grid cell is: the marks of the work lines ("-" heading, "<" icon row).
enum class RowKind { Plain, Heading, Icon };

// One list row or grid cell, ready to draw: fill the cell with `fill` (the control's background
// colour when empty), draw icon `icon` of the control's image list at (left + iconLeft, top)
// (+ iconTop) when icon >= 0, write `text` at (left + textLeft, top + textTop) in `colour`, bold
// when `bold`, on `textBackground` when set.
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

// What a screen model decides of each of its N controls: shown or not, its caption, its hint and
// its pointer. The setters say whether anything changed, so that the model marks the part of its
// view the widget must show again.
template <typename Control, size_t N>
struct ControlStates {
    std::array<bool, N> visible{};
    std::array<QString, N> caption{};
    std::array<QString, N> hint{};
    std::array<CursorKind, N> cursor{};

    bool isVisible(Control control) const { return visible[static_cast<size_t>(control)]; }
    bool setVisible(Control control, bool on) {
        return Set(visible[static_cast<size_t>(control)], on);
    }
    bool setCaption(Control control, const QString& text) {
        return Set(caption[static_cast<size_t>(control)], text);
    }
    bool setCursor(Control control, CursorKind kind) {
        return Set(cursor[static_cast<size_t>(control)], kind);
    }

  private:
    template <typename T>
    static bool Set(T& value, const T& wanted) {
        if (value == wanted) return false;
        value = wanted;
        return true;
    }
};

// The one-shot requests a screen model makes of its widget besides what its view shows: scroll a
// list or grid to a top row, give a control the focus.
template <typename Control>
struct ScreenRequests {
    struct Scroll {
        Control control;
        int topRow;           // the row to bring to the top
        bool clearSelection;  // and no selected cell or row
    };
    std::vector<Scroll> scrolls;
    std::optional<Control> focus;
};

}  // namespace velmora
