#include "ui/shared/model_cells.h"

#include <QPainter>

#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"

namespace velmora {

ModelCells::ModelCells(const PictureList& icons, CellAt cellAt, int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent),
      icons_(icons),
      cellAt_(std::move(cellAt)),
      rowHeight_(rowHeight) {}

void ModelCells::paint(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    const QRect cell = option.rect;
    const Cell* c = cellAt_ ? cellAt_(index.row(), index.column()) : nullptr;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setClipRect(cell);
    QColor fill = option.palette.base().color();
    if (c && c->fill) fill = ToQColor(*c->fill);
    // The selected row keeps a highlight, unless the model paints the cell itself.
    if (selected && !(c && c->fill)) fill = option.palette.highlight().color();
    painter->fillRect(cell, fill);
    if (c) {
        if (c->icon >= 0)
            icons_.draw(*painter, QPoint(cell.left() + c->iconLeft, cell.top() + c->iconTop),
                        c->icon);
        QFont font = option.font;
        font.setBold(c->bold);
        painter->setFont(font);
        QColor colour = ToQColor(c->colour);
        if (selected && !c->fill) colour = option.palette.highlightedText().color();
        painter->setPen(colour);
        const QRect text(cell.left() + c->textLeft, cell.top() + c->textTop,
                         cell.width() - c->textLeft, cell.height() - c->textTop);
        if (c->textBackground) {
            const QRect behind =
                painter->fontMetrics().boundingRect(text, Qt::AlignLeft | Qt::AlignTop, c->text);
            painter->fillRect(behind.intersected(cell), ToQColor(*c->textBackground));
        }
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, c->text);
    }
    painter->restore();
}

QSize ModelCells::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

}  // namespace velmora
