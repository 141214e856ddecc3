#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "core/university/degrees_screen_view.h"

namespace velmora {

class PictureList;

// Draws the rows of the degrees screen's lists and grids as the model describes them: the
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

// Tree: the node's picture, then its text in the node's colour, in red under the pointer and in
// white on navy when it has the focus.
class TreeNodes final : public QStyledItemDelegate {
  public:
    // The roles the tree's items carry.
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kColourRole = Qt::UserRole + 2;
    static constexpr int kSelectedImageRole = Qt::UserRole + 4;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace velmora
