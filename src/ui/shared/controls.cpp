#include "ui/shared/controls.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "ui/shared/look.h"

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

}  // namespace velmora
