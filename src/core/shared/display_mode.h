#pragma once

#include <optional>

namespace velmora {

class Enlace;

// A display mode: size in pixels and colour depth (colour planes x bits per pixel).
struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// The display as the program sees it. The Qt side offers one mode, 1024 x 768 at 16 bits, that
// presents every screen full screen, scaled to fill the display and letter-boxed; switching to
// it never touches the user's own display settings.
class Display {
  public:
    virtual ~Display() = default;
    virtual DisplayMode current() const = 0;
    // Mode number n of the enumeration, from 0 upwards; nothing once it ends.
    virtual std::optional<DisplayMode> mode(int number) const = 0;
    // Switches for as long as the program runs, never as the user's default: the size always,
    // the depth only when `setDepth`.
    virtual void switchTo(const DisplayMode& mode, bool setDepth) = 0;
    // Back to the user's own mode.
    virtual void restore() = 0;
};

inline constexpr DisplayMode kScreenMode{1024, 768, 16};

// Whether the better-mode question is asked. The main menu asks it (not strict) only when the
// display is both shorter than 768 and shallower than 16 bits; the scene (strict) whenever the
// display is not exactly 1024 x 768 or is shallower than 16 bits.
bool DisplayModeQuestionNeeded(const DisplayMode& screen, bool strict);

// CheckDisplayMode: asks interface texts 253 + " " + 254 in a yes/no box with an empty title
// when needed; on yes switches to the first 1024 x 768 x 16 mode the display offers and marks
// the display mode changed. On no, or with no such mode, nothing changes.
void CheckDisplayMode(bool strict, Enlace& enlace, Display& display);

// At exit: puts the display back when the program changed it.
void RestoreDisplayMode(Enlace& enlace, Display& display);

}  // namespace velmora
