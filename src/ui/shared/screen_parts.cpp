#include "ui/shared/screen_parts.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "core/shared/display_mode.h"
#include "ui/shared/drawing.h"
#include "ui/shared/look.h"
#include "ui/shared/qt_display.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {

void Paint(QWidget* widget, PaletteColour background, PaletteColour text) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, ToQColor(background));
    colours.setColor(QPalette::Base, ToQColor(background));
    colours.setColor(QPalette::WindowText, ToQColor(text));
    colours.setColor(QPalette::Text, ToQColor(text));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    Paint(panel, PaletteColour::PaleBlue, PaletteColour::Navy);
    return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(ArialFont(10));
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(colours);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(ArialFont(10));
    return label;
}

QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(ArialFont(10));
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Paint(list, PaletteColour::LightPeach);
    return list;
}

QTableWidget* MakeGrid(QWidget* parent, const char* name, QRect geometry, int first, int second,
                       int rowHeight) {
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(geometry);
    grid->setFont(ArialFont(10));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setColumnWidth(0, first);
    grid->setColumnWidth(1, second);
    grid->setMouseTracking(true);
    Paint(grid, PaletteColour::LightPeach);
    return grid;
}

ShadowLabel* MakeHeading(QWidget* parent, const char* name, QRect geometry, int points,
                         Qt::Alignment alignment) {
    auto* label = new ShadowLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(ArialFont(points, true));
    label->setColours(PaletteColour::Navy, PaletteColour::White);
    label->setAlignment(alignment);
    return label;
}

ShadowLabel* MakeSchoolLabel(QWidget* parent) {
    return MakeHeading(parent, "labelCentro", QRect(24, 716, 976, 30), 15, Qt::AlignCenter);
}

void PaintTiles(QPainter& painter, const QRect& area, const SharedPictures& pictures,
                const char* slot) {
    const QPixmap& tile = pictures.pixmap(slot);
    if (tile.isNull())
        painter.fillRect(area, Qt::black);
    else
        painter.drawTiledPixmap(area, tile);
}

void PaintSectionFrame(QPainter& painter, const SharedPictures& pictures) {
    const QRect window(0, 0, kScreenMode.width, kScreenMode.height);
    const QPixmap& floor = pictures.pixmap("suelo");
    const QPixmap& left = pictures.pixmap("TilIzq");
    const QPixmap& right = pictures.pixmap("TilDer");
    const QPixmap& top = pictures.pixmap("marcoar");
    if (floor.isNull())
        painter.fillRect(window, ToQColor(PaletteColour::LightPeach));
    else
        painter.drawTiledPixmap(window, floor);
    if (!left.isNull())
        painter.drawTiledPixmap(QRect(0, top.height(), left.width(), window.height()), left);
    if (!right.isNull())
        painter.drawTiledPixmap(
            QRect(window.width() - right.width(), top.height(), right.width(), window.height()),
            right);
    if (!top.isNull()) painter.drawTiledPixmap(QRect(0, 0, window.width(), top.height()), top);
}

TiledPicture::TiledPicture(const SharedPictures& pictures, const char* slot, QWidget* parent)
    : QWidget(parent), pictures_(pictures), slot_(slot) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintTiles(p, rect(), pictures_, slot_);
}

void SetCaption(QWidget* control, const QString& text) {
    if (auto* button = qobject_cast<QPushButton*>(control)) button->setText(text);
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
}

void FillRows(QWidget* widget, int rows, const std::function<QString(int, int)>& text) {
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->clear();
        for (int r = 0; r < rows; ++r) list->addItem(text(r, 0));
        return;
    }
    if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
        grid->clearContents();
        grid->setRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                grid->setItem(r, c, new QTableWidgetItem(text(r, c)));
    }
}

void ScrollToTop(QAbstractItemView* view, int row, bool clearSelection) {
    if (!view) return;
    if (clearSelection) {
        view->clearSelection();
        view->setCurrentIndex(QModelIndex());
    }
    // Rows just set are laid out first, so that the scroll bar's range includes them.
    view->doItemsLayout();
    // The lists and grids scroll by whole rows: the scroll bar's value is the top row.
    view->verticalScrollBar()->setValue(std::max(row, 0));
}

Qt::CursorShape ShapeOf(CursorKind kind) {
    switch (kind) {
        case CursorKind::Default:
            return Qt::ArrowCursor;
        case CursorKind::Hand:
            return Qt::PointingHandCursor;
        case CursorKind::NotAllowed:
        case CursorKind::NoDrop:
            return Qt::ForbiddenCursor;
    }
    return Qt::ArrowCursor;
}

QString NameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QToolButton* ArrowButton(const QString& name, const QRect& rect, bool pointsLeft, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    const QSize size = rect.size() - QSize(12, 10);
    QPixmap arrow(size);
    arrow.fill(Qt::transparent);
    {
        QPainter p(&arrow);
        PaintArrow(p, QRectF(QPointF(0, 0), QSizeF(size)), pointsLeft);
    }
    button->setIcon(QIcon(arrow));
    button->setIconSize(size);
    return button;
}

}  // namespace velmora
