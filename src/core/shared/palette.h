#pragma once

namespace velmora {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The named colours every screen uses; models speak of colours by these names and the widgets
// turn them into Qt colours.
enum class PaletteColour {
    Navy,      // label text, title shadows
    HoverRed,  // a door label under the pointer
    Black,
    Maroon,
    SkyBlue,
    PaleBlue,     // splash, help panel, clicked door label, selection panels
    LightPeach,   // grid backgrounds
    LightYellow,  // door label backgrounds, notice dialog
    Coral,
    PaleYellow,
    White,  // label shadows
    Sage,
    Lime,
    Blue,
    Red,    // words and headings that call for attention in the rich-text boxes
    Green,  // headings of the rich-text boxes
};

constexpr Rgb ColourOf(PaletteColour colour) {
    switch (colour) {
        case PaletteColour::Navy:
            return {0, 0, 128};
        case PaletteColour::HoverRed:
            return {255, 0, 0};
        case PaletteColour::Black:
            return {0, 0, 0};
        case PaletteColour::Maroon:
            return {128, 0, 0};
        case PaletteColour::SkyBlue:
            return {0, 169, 251};
        case PaletteColour::PaleBlue:
            return {223, 236, 249};
        case PaletteColour::LightPeach:
            return {255, 239, 206};
        case PaletteColour::LightYellow:
            return {255, 255, 225};
        case PaletteColour::Coral:
            return {231, 90, 94};
        case PaletteColour::PaleYellow:
            return {255, 255, 204};
        case PaletteColour::White:
            return {255, 255, 255};
        case PaletteColour::Sage:
            return {192, 220, 206};
        case PaletteColour::Lime:
            return {216, 249, 153};
        case PaletteColour::Blue:
            return {0, 0, 255};
        case PaletteColour::Red:
            return {255, 0, 0};
        case PaletteColour::Green:
            return {0, 128, 0};
    }
    return {};
}

}  // namespace velmora
