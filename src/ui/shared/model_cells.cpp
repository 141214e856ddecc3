#include "ui/shared/model_cells.h"

#include <QListWidget>
#include <QPainter>
#include <QTableWidget>

#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/screen_parts.h"

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
        const QPoint iconAt(cell.left() + c->iconLeft, cell.top() + c->iconTop);
        if (c->icon >= 0 && c->iconWidth > 0 && c->iconHeight > 0) {
            icons_.drawStretched(*painter, QRect(iconAt, QSize(c->iconWidth, c->iconHeight)),
                                 c->icon);
        } else if (c->icon >= 0) {
            icons_.draw(*painter, iconAt, c->icon);
        }
        QFont font = option.font;
        font.setBold(c->bold);
        if (shrinkToFit_) {
            const int room = cell.width() - c->textLeft - 2;
            while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(c->text) > room)
                font.setPixelSize(font.pixelSize() - 1);
        }
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

QListWidget* MakeModelList(QWidget* parent, const char* name, QRect geometry, int rowHeight,
                           const std::vector<Cell>& rows, int points, bool selectable) {
    QListWidget* list = MakeList(parent, name, geometry);
    list->setFont(ArialFont(points));
    list->setSelectionMode(selectable ? QAbstractItemView::SingleSelection
                                      : QAbstractItemView::NoSelection);
    list->setItemDelegate(new ModelCells(
        ImageListIconos(), [&rows](int row, int) { return CellOf(rows, row); }, rowHeight, list));
    return list;
}

void FillRows(QListWidget* list, const std::vector<Cell>& rows) {
    list->clear();
    for (const Cell& cell : rows) list->addItem(cell.text);
}

void FillRows(QTableWidget* grid, const std::vector<GridRow>& rows) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            grid->setItem(
                r, c,
                new QTableWidgetItem(rows[static_cast<size_t>(r)][static_cast<size_t>(c)].text));
}

}  // namespace velmora
