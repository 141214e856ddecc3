#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <Qt>
#include <functional>
#include <type_traits>
#include <vector>

#include "core/shared/palette.h"
#include "core/shared/screen_view.h"

class QAbstractItemView;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

namespace velmora {

class SharedPictures;

// The section screens' controls as every screen makes them: the system's control name as the
// objectName, the design geometry, Arial and the palette colours.

// The widget's background and text in palette colours (and filled with the background).
void Paint(QWidget* widget, PaletteColour background, PaletteColour text = PaletteColour::Black);
// A raised pale blue panel.
QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry);
// A button in Arial 10, black (its pointing hand comes from the screen's model).
QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry);
QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry);
// A list in Arial 10 on light peach, rows of one height, no horizontal scroll bar.
QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry);
// A two-column grid of `rowHeight`-pixel rows without headers or lines, whole rows selected,
// scrolled a row at a time.
QTableWidget* MakeGrid(QWidget* parent, const char* name, QRect geometry, int first, int second,
                       int rowHeight);

// The cell a list (rows of Cell) or grid (rows of GridRow) draws at (row, column); nothing
// outside the rows.
template <typename Row>
const Cell* CellOf(const std::vector<Row>& rows, int row, int column = 0) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return nullptr;
    if constexpr (std::is_same_v<Row, Cell>) {
        return &rows[static_cast<size_t>(row)];
    } else {
        if (column < 0 || column > 1) return nullptr;
        return &rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
}

// Fills a list (column 0 of each row) or a two-column grid with `rows` rows of `text(row,
// column)`.
void FillRows(QWidget* widget, int rows, const std::function<QString(int, int)>& text);

// The pointer shape of a model's cursor kind.
Qt::CursorShape ShapeOf(CursorKind kind);

// Scrolls a list or grid so that `row` is its top row, clearing its selection when asked.
void ScrollToTop(QAbstractItemView* view, int row, bool clearSelection);

// The section screens' frame: the floor tiled over the whole window, the top strip and the two
// side strips over it.
QPixmap SectionFrame(const SharedPictures& pictures);

}  // namespace velmora
