#pragma once

#include <functional>

#include "core/shared/screen_view.h"

class QPixmap;

class QWidget;

namespace velmora {

// The panels' reveal and hide effects. A roll keeps the panel in its place and size while a
// growing (or shrinking) band from its top edge shows it; a radial one shows it through a
// circle growing from (or shrinking to) its centre.
class RollTransition {
  public:
    // How long a transition takes when its caller names no time; 0 makes every transition
    // immediate, whatever its caller asks (tests).
    static void SetDuration(int milliseconds);
    static int Duration();

    // Shows the widget, unrolling it downwards.
    static void Open(QWidget* widget);
    // Rolls the widget up and hides it; `done` runs once it is hidden.
    static void Close(QWidget* widget, std::function<void()> done = {});

    enum class Shape { Roll, Radial };
    // The same with a shape and a time of their own.
    static void Open(QWidget* widget, Shape shape, int milliseconds);
    static void Close(QWidget* widget, Shape shape, int milliseconds,
                      std::function<void()> done = {});

    // A panel whose contents were just replaced: a picture of what it showed before (`leaving`,
    // taken before the new contents were set; null when it was hidden) goes away with the
    // effect, then the panel comes back with its new contents, as long as `stillWanted` says so
    // when that moment comes.
    static void Refill(QWidget* panel, const QPixmap& leaving, Shape shape, int milliseconds,
                       std::function<bool()> stillWanted);
};

// Plays a screen model's panel effect on `panel`, taking `milliseconds` in all (nothing when
// transitions are off); a panel that rolls shut is hidden at the end.
void PlayPanelEffect(QWidget* panel, PanelEffectKind kind, int milliseconds);

}  // namespace velmora
