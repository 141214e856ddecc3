#pragma once

#include <QStyledItemDelegate>

#include "core/university/degrees_screen_view.h"
#include "ui/shared/model_cells.h"

namespace velmora {

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
