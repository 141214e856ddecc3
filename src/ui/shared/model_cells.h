#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "core/shared/screen_view.h"

namespace velmora {

class PictureList;

// Draws the rows of a screen's lists and grids as its model describes them: the cell's fill, its
// icon of the control's picture list, its text at its place, colour and weight. The cell of
// (row, column) is asked of `cellAt`; a row the model does not know is drawn as a plain empty
// cell.
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

}  // namespace velmora
