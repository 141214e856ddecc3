#pragma once

#include <QPoint>
#include <QRect>

namespace velmora {

// Where the degrees screen's panels sit on its 1024 x 768 client area (below the 50-pixel top
// strip, between the 24-pixel side strips).
inline constexpr QRect kPanelMenu{362, 150, 300, 392};
inline constexpr int kInfoEntry = 3;  // BotMenuInfo opens PanelMenu2
inline constexpr int kArtsEntry = 4;  // BotMenuArtes opens PanelMenu4
inline constexpr QRect kPanelTree{36, 62, 440, 640};
inline constexpr QRect kBrowserList{10, 118, 420, 512};
// The map sits near the window's top left, so that its name panel, placed in the window at the
// pointer's map coordinates plus 130 pixels down, appears just below the pointer.
inline constexpr QRect kPanelEstrellas{28, 96, 297, 212};
inline constexpr QPoint kMapTopLeft{8, 8};
inline constexpr QRect kListComunidad{28, 96, 448, 560};
inline constexpr QRect kBotRetroceder{28, 58, 120, 32};
inline constexpr QRect kBotImprimir{158, 58, 120, 32};
// The detail area at its design places; the branch list moves it 60 pixels down. The caption
// and title bars end where the star map window begins (884), so that it hides no title.
inline constexpr QRect kPanelCarSel{492, 62, 388, 24};
inline constexpr QRect kPanelSelTit{492, 88, 388, 40};
inline constexpr QRect kPanelSel{492, 130, 496, 510};
inline constexpr int kDetailHeight = 364;
inline constexpr int kGridRowHeight = 18;
// The map's name panel is placed at the pointer plus this many pixels down, in the window.
inline constexpr int kMapPanelOffset = 130;

// Entry i of the menu, in the menu panel.
constexpr QRect MenuEntryRect(int i) {
    return {20, 20 + i * 52, kPanelMenu.width() - 40, 40};
}
// A submenu of `entries` buttons beside menu entry `opener`.
constexpr QRect SubmenuRect(int opener, int entries) {
    return {kPanelMenu.right() + 1, kPanelMenu.top() + MenuEntryRect(opener).top() - 30, 300,
            16 + entries * 44};
}
constexpr QRect SubmenuEntryRect(int i) {
    return {10, 8 + i * 44, 280, 38};
}
// The detail buttons below the grid, three to a row, wide enough for their longest caption.
constexpr QRect DetailButtonRect(int place) {
    return {10 + (place % 3) * 158, 10 + kDetailHeight + 8 + (place / 3) * 42, 150, 36};
}

}  // namespace velmora
