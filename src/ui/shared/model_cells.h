#pragma once

#include <QRect>
#include <QStyledItemDelegate>
#include <functional>
#include <type_traits>
#include <vector>

#include "core/shared/screen_view.h"

class QListWidget;
class QTableWidget;

namespace velmora {

class PictureList;

// Draws the rows of a screen's lists and grids as its model describes them: the
// cell's fill, its icon of the control's picture list, its text at its place, colour and
// weight. The cell of (row, column) is asked of `cellAt`; a row the model does not know is drawn
// as a plain empty cell.
class ModelCells final : public QStyledItemDelegate {
  public:
    using CellAt = std::function<const Cell*(int row, int column)>;

    ModelCells(const PictureList& icons, CellAt cellAt, int rowHeight, QObject* parent);

    // Texts wider than their cell are drawn in a smaller font (down to 9 pixels) instead of cut:
    // for names the data may make longer than the layout's example.
    void setShrinkToFit(bool on) { shrinkToFit_ = on; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const PictureList& icons_;
    CellAt cellAt_;
    int rowHeight_;
    bool shrinkToFit_ = false;
};

// A list in Arial at `points` on light peach whose rows, `rowHeight` high, are drawn from the
// model's `rows` (which outlive the list) with the main menu's icons; a selectable one keeps one
// row selected.
QListWidget* MakeModelList(QWidget* parent, const char* name, QRect geometry, int rowHeight,
                           const std::vector<Cell>& rows, int points, bool selectable);

// Fills a list with one item per row, or a grid with its rows of two cells; the items carry the
// cells' texts and the delegate draws them as the model describes.
void FillRows(QListWidget* list, const std::vector<Cell>& rows);
void FillRows(QTableWidget* grid, const std::vector<GridRow>& rows);

// The cell of a list's rows or a grid's rows (column 0 or 1); nullptr outside them.
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

}  // namespace velmora
