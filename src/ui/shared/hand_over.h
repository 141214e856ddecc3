#pragma once

#include <functional>
#include <string_view>

class QWidget;

namespace velmora {

// The screens created so far, by class name; nothing for a class this build does not have.
using ScreenFinder = std::function<QWidget*(std::string_view)>;

// Shows a screen in front of the others, centred first when it was hidden.
void ShowInFront(QWidget* screen);

// A window that takes a screen's place while the screen hides (the cut-off window, the statistics
// screens): shown in front where the screen stands (centred when it has none) when `shown`,
// hidden otherwise unless it is closing (Qt hides it then); and when `showScreen`, the screen
// shown again where the window stood.
void FollowWindowState(QWidget* window, QWidget* screen, bool shown, bool closing, bool showScreen);

// Leaves `from` for the screen of class `to`: `from` is hidden and `to` shown in front. When this
// build has no such screen the main menu stands in for it, so that a way back never leaves the
// student without a screen.
void HandOver(QWidget* from, std::string_view to, const ScreenFinder& find);

}  // namespace velmora
