#pragma once

namespace velmora {

struct SectionTarget;

// What the main menu asks of the program when it hands over to another screen.
class MenuNavigation {
public:
    virtual ~MenuNavigation() = default;

    // Sets on the target's screen what the target says and shows it. False when this build has
    // no such screen yet: the menu then stays.
    virtual bool openSection(const SectionTarget& target) = 0;

    // Brings the scene to the front and restarts its drawing surface. False when there is no
    // scene to go back to.
    virtual bool returnToScene() = 0;
};

}  // namespace velmora
