#pragma once

#include <QPixmap>
#include <QWidget>
#include <QRect>
#include <QString>
#include <array>
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

// Fills a list (column 0 of each row) or a grid (each of its columns) with `rows` rows of
// `text(row, column)`.
void FillRows(QWidget* widget, int rows, const std::function<QString(int, int)>& text);

// Scrolls a list or grid so that `row` is its top row, clearing its selection when asked.
void ScrollToTop(QAbstractItemView* view, int row, bool clearSelection);

// A heading of a screen: navy bold Arial at `points` with a white shadow.
ShadowLabel* MakeHeading(QWidget* parent, const char* name, QRect geometry, int points,
                         Qt::Alignment alignment);
// `labelCentro`: the school's name and the year, shadowed, across the bottom of a section screen.
ShadowLabel* MakeSchoolLabel(QWidget* parent);

// The backgrounds are painted tile by tile at each paint rather than kept as full-window pictures:
// a 1024 x 768 copy per screen costs 3 MB, and the screens are all created at start-up.

// Paints the shared picture `slot` repeated from the top left corner of `area`, black where there
// is no picture.
void PaintTiles(QPainter& painter, const QRect& area, const SharedPictures& pictures,
                const char* slot);
// The section screens' frame: the floor tiled over the whole window, the top strip and the two
// side strips over it.
void PaintSectionFrame(QPainter& painter, const SharedPictures& pictures);

// A picture control filled with a shared picture's tiles.
class TiledPicture final : public QWidget {
  public:
    TiledPicture(const SharedPictures& pictures, const char* slot, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const SharedPictures& pictures_;
    const char* slot_;
};

// A button showing the fat arrow of PaintArrow: the arrows that walk the steps of a diagram,
// greyed while they cannot go further.
QToolButton* ArrowButton(const QString& name, const QRect& rect, bool pointsLeft, QWidget* parent);

// The pointer of a kind.
Qt::CursorShape ShapeOf(CursorKind kind);

// The caption of a label or a button.
void SetCaption(QWidget* control, const QString& text);
// Shows on the controls what the model says of them: caption, hint, pointer, enabled and visible
// (null for a control the screen does not have). A control for which `ownText` answers true keeps
// its text, and one for which `ownVisibility` does keeps its visibility (an effect will decide
// it).
template <typename Control, int N>
void ApplyControls(const std::array<QWidget*, static_cast<size_t>(N)>& controls,
                   const ControlStates<Control, N>& states,
                   const std::function<bool(Control)>& ownText = {},
                   const std::function<bool(Control)>& ownVisibility = {}) {
    for (int i = 0; i < N; ++i) {
        const auto k = static_cast<size_t>(i);
        QWidget* w = controls[k];
        if (!w) continue;
        const auto which = static_cast<Control>(i);
        if (!ownText || !ownText(which)) SetCaption(w, states.caption[k]);
        w->setToolTip(states.hint[k]);
        w->setEnabled(states.enabled[k]);
        w->setCursor(ShapeOf(states.cursor[k]));
        if (!ownVisibility || !ownVisibility(which)) w->setVisible(states.visible[k]);
    }
}
// A control's name as its objectName.
QString NameOf(std::string_view name);

}  // namespace velmora
