#pragma once

#include <QPixmap>
#include <QRect>
#include <functional>
#include <string_view>

#include "core/shared/palette.h"
#include "core/shared/screen_view.h"

class QAbstractItemView;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QToolButton;
class QWidget;

namespace velmora {

class ShadowLabel;
class SharedPictures;

// The pieces the section screens are built of, each with its name (objectName), place, font and
// colours as every screen has them.

// Background and text colours of a control, filling its background.
void Paint(QWidget* widget, PaletteColour background, PaletteColour text = PaletteColour::Black);
// A raised panel in pale blue with navy text.
QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry);
// A button in Arial 10, black (its pointer comes from the screen's model).
QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry);
QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry);
// A list in Arial 10 on light peach, without a horizontal scroll bar.
QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry);
// A two-column grid without headers or lines, rows `rowHeight` high, one row selected at a time.
QTableWidget* MakeGrid(QWidget* parent, const char* name, QRect geometry, int first, int second,
                       int rowHeight);

// Fills a list (column 0 of each row) or a two-column grid with `rows` rows of
// `text(row, column)`.
void FillRows(QWidget* widget, int rows, const std::function<QString(int, int)>& text);

// Scrolls a list or grid so that `row` is its top row, clearing its selection when asked.
void ScrollToTop(QAbstractItemView* view, int row, bool clearSelection);

// `labelCentro`: the school's name and the year, shadowed, across the bottom of a section screen.
ShadowLabel* MakeSchoolLabel(QWidget* parent);

// The section screens' frame: the floor tiled over the whole window, the top strip and the two
// side strips over it.
QPixmap SectionFrame(const SharedPictures& pictures);

// A button showing the fat arrow of PaintArrow: the arrows that walk the steps of a diagram,
// greyed while they cannot go further.
QToolButton* ArrowButton(const QString& name, const QRect& rect, bool pointsLeft, QWidget* parent);

// The pointer of a kind.
Qt::CursorShape ShapeOf(CursorKind kind);
// A control's name as its objectName.
QString NameOf(std::string_view name);

}  // namespace velmora
