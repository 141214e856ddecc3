#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

#include "core/shared/palette.h"

namespace velmora {

// The speech-bubble hint window of the whole program: its size for a text, its shape (a rounded
// rectangle below a pointer at the top left), its two outlines and where its text goes. All in
// the window's own coordinates.
struct HintBubble {
    static constexpr int kMaxTextWidth = 300;
    static constexpr int kCornerSize = 30;  // width and height of the corners' ellipse
    static constexpr int kPointerHeight = 20;
    static constexpr Rgb kOuterOutline{96, 96, 96};     // 2 pixels
    static constexpr Rgb kInnerOutline{160, 160, 160};  // 1 pixel

    QSize window;                   // no border
    QRect body;                     // the rounded rectangle, (0, 20) to the bottom right
    std::array<QPoint, 3> pointer;  // the triangle (18, 20), (23, 0), (33, 20)
    QRect textArea;                 // filled with the hint colour; the text wraps inside it
};

// textSize: the text's size measured for a maximum width of kMaxTextWidth.
HintBubble BubbleFor(QSize textSize);

// The program's hint delay: screens set it when they are created; painting a bubble sets it to
// 400 ms, so once a first hint has been seen, hints come after 400 ms on every screen.
class HintPause {
  public:
    static constexpr int kAfterFirstBubble = 400;
    static constexpr int kShownForAtStart = 10000;

    int milliseconds() const { return ms_; }
    void set(int ms) { ms_ = ms < 0 ? 0 : ms; }
    void bubblePainted() { ms_ = kAfterFirstBubble; }

    // How long a bubble stays up while the pointer rests on its control. Like the delay it is
    // the program's, set by a screen's set-up and in force from then on.
    int shownFor() const { return shownFor_; }
    void setShownFor(int ms) { shownFor_ = ms < 0 ? 0 : ms; }

  private:
    int ms_ = 500;
    int shownFor_ = kShownForAtStart;
};

}  // namespace velmora
