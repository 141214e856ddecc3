#pragma once

#include <QStyledItemDelegate>
#include <functional>
#include <type_traits>
#include <vector>

#include "core/shared/screen_view.h"

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

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const PictureList& icons_;
    CellAt cellAt_;
    int rowHeight_;
};

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
