#include "ui/university/grados_cells.h"

#include <QPainter>

#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"

namespace velmora {

void TreeNodes::paint(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const {
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, option.palette.base().color());
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    DegreesRowIcons().draw(*painter, QPoint(cell.left() + 1, cell.top() + (cell.height() - 16) / 2),
                           index.data(selected ? kSelectedImageRole : kImageRole).toInt());
    QColor colour = index.data(kColourRole).value<QColor>();
    if (!colour.isValid()) colour = ToQColor(PaletteColour::Navy);
    if (option.state.testFlag(QStyle::State_MouseOver)) colour = ToQColor(PaletteColour::HoverRed);
    const QRect text(cell.left() + 20, cell.top(), cell.width() - 20, cell.height());
    if (option.state.testFlag(QStyle::State_HasFocus) || selected) {
        const int width = option.fontMetrics.horizontalAdvance(index.data().toString()) + 4;
        painter->fillRect(QRect(text.left() - 2, cell.top(), width, cell.height()),
                          ToQColor(PaletteColour::Navy));
        colour = ToQColor(PaletteColour::White);
    }
    painter->setFont(option.font);
    painter->setPen(colour);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    painter->restore();
}

}  // namespace velmora
