#pragma once

class QWidget;

namespace velmora {

struct SectionTarget;

// Sets on a section's screen what the main menu's targets table says, before it is shown. The
// controls are found by their names; a handler to run first must be a slot (or invokable) of
// the screen, and a screen told that the menu opened it has the slot openedFromMenu().
void PrepareSection(QWidget* screen, const SectionTarget& target, bool intermediateFirstOpening);

}  // namespace velmora
