#pragma once

#include <QRect>

#include "core/shared/palette.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

namespace velmora {

// The screens' controls as the layouts make them, each with its control name as objectName.

// Fills the widget's background and base with `background` and writes in `text`.
void Paint(QWidget* widget, PaletteColour background, PaletteColour text = PaletteColour::Black);

// A raised panel on pale blue with navy text.
QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry);

// A button: Arial 10 in black. Its pointer is the screen's to set (the degrees screen's come
// from its model).
QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry);

// A label in Arial 10.
QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry);

// A list box: Arial 10 on light peach, rows of one height, no horizontal scroll bar.
QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry);

// A grid of two columns `first` and `second` pixels wide, without headers or lines, rows
// `rowHeight` pixels high selected whole: Arial 10 on light peach.
QTableWidget* MakeGrid(QWidget* parent, const char* name, QRect geometry, int first, int second,
                       int rowHeight = 18);

}  // namespace velmora
