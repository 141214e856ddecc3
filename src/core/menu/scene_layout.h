#pragma once

#include <QPointF>
#include <span>
#include <string_view>

namespace velmora {

// The building as designed: every placement is a (row, column) pair of the design, whose world
// place is x = column x 2 / 3, y = row x 2 / 3.
QPointF WorldOf(int row, int column);

struct Placement {
    std::string_view image;
    int z;
    int row;
    int column;
};

// The walls and then the decorations, in the order they are created.
std::span<const Placement> SceneWalls();
std::span<const Placement> SceneDecorations();

// The doors: the three section doors, then the six study doors.
enum class SceneDoor { Q1, Q3, Q2, S1, S2, S3, S4, S5, S6 };
inline constexpr int kSceneDoorCount = 9;
struct DoorPlacement {
    SceneDoor door;
    bool study;  // S1..S6 ("puertab"); else a section door ("puertaB")
    int row;
    int column;
    int menuDoor;  // the main menu's door that opens the same section
};
std::span<const DoorPlacement> SceneDoors();

// The signs, in the order they are created, and what is written on them.
std::span<const Placement> SceneSigns();
struct SignCaption {
    int sign;    // index in SceneSigns()
    int text;    // interface text
    int joined;  // when not 0, text + " " + interface text `joined`
    int dx;      // offset from the text centred on the sign
    int dy;
    int size;  // font size before the font adjustment
};
std::span<const SignCaption> SignCaptions();

// The six torches, at world places.
std::span<const QPointF> TorchPlaces();

// The two caps the dark strip lies under: the section doors' wall, and the study doors' wall.
inline constexpr Placement kSectionWallCap{"paredUp", 4, -939, -868};
inline constexpr Placement kStudyWallCap{"paredUp", 4, -1462, 325};

}  // namespace velmora
