#pragma once

#include <string_view>

#include "core/shared/screen_view.h"

namespace velmora {

class Enlace;

// Where a section screen's way back leads (`BackTarget` over the program's marks). While the
// assistant is in use (its mark in Enlace), every screen it opened returns to it; otherwise to the
// home screen: the scene when it serves as home, else the main menu. Every section screen's back
// path asks this, so that one rule decides for all of them.
LeaveTo SectionBack(const Enlace& enlace);

// The class name of the screen that stands for `where`: "TForm5", "Tform9" or "Tform0".
std::string_view ScreenOf(LeaveTo where);

}  // namespace velmora
