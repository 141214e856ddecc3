#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// The labels of the main menu's facade, in the order the menu lays them out.
enum class MenuLabel {
    Carreras,
    Cat,
    FpS,
    Iti,
    FPM,
    FPip,
    CurEsp,
    Profe,
    CuesB,
    CuesE,
    Config,
    Asistente,
    Dejar,
};
inline constexpr int kMenuLabelCount = 13;

struct MenuLabelPlace {
    MenuLabel label;
    std::string_view name;  // the control's name
    QPoint topLeft;
    int door;  // 1..11 (there is no door 10); 0 for the labels that open no door
};

// Every label of the facade with its position and its door.
std::span<const MenuLabelPlace> MenuLabelPlaces();
const MenuLabelPlace& PlaceOf(MenuLabel label);
// The label of door d; nullptr for a number that is no door.
const MenuLabelPlace* DoorLabel(int door);

// Where the figure stands to climb to door d: 4 pixels right of the label's left edge, on the
// upper floor for doors 1-6 (y 170) and on the lower one for doors 7-11 (y 510).
QPoint ClimbStart(int door);
inline constexpr int kClimbRise = 10;  // pixels per climbing frame
inline constexpr int kClimbFrames = 5;

// The tile of the facade that holds door d: column c from 1 and the row's top.
struct DoorTile {
    int column;
    int top;
};
DoorTile TileOfDoor(int door);

// The rectangle "parte" is stretched into while door d grows by z pixels: from
// ((c - 1) W - z/2, top) to (c W + z/2, top + H + z), for a picture of W x H.
QRect ZoomRect(int door, int z, QSize parte);

// What a door opens, and what is set on that screen before it is shown.
struct TargetStep {
    enum class Kind {
        Show,                      // make the control visible
        Hide,                      // hide the control
        FillScreen,                // the control covers the whole 1024 x 768 screen
        RunHandler,                // run the screen's handler of that name first
        StartTimerOnFirstOpening,  // start the timer when the intermediate screen opens for the
                                   // first time, otherwise stop it
        OpenedFromMenu,            // tell the screen it was opened from the main menu
    };
    Kind kind;
    std::string_view control;
};

struct SectionTarget {
    int door;                 // 0 for the stop-studying sign
    std::string_view screen;  // class name
    std::vector<TargetStep> steps;
};

// The targets table; the stop-studying sign opens TCertifica at once.
const SectionTarget& TargetOfDoor(int door);
const SectionTarget& StopStudyingTarget();

}  // namespace velmora
