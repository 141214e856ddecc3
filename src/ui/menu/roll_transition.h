#pragma once

#include <functional>

class QWidget;

namespace velmora {

// The roll transition of the panels: the panel keeps its place and size while a growing (or
// shrinking) band from its top edge shows it.
class RollTransition {
public:
    // How long a roll takes; 0 makes every roll immediate (tests).
    static void SetDuration(int milliseconds);
    static int Duration();

    // Shows the widget, unrolling it downwards.
    static void Open(QWidget* widget);
    // Rolls the widget up and hides it; `done` runs once it is hidden.
    static void Close(QWidget* widget, std::function<void()> done = {});
};

}  // namespace velmora
