#pragma once

#include <QString>

namespace velmora {

// The settings in force: read once at start, saved by the configuration panel for the next start.
struct Settings {
    QString schoolName;     // surrounding blanks removed
    int languageCode = 0;   // 0..3, see kLanguages
    bool animation = false; // the animated scene as home screen
    // Every screen scaled to fill the display (the presentation), from the start; a school
    // sets it by hand in the settings file for large classroom displays.
    bool fillScreen = false;
};

}  // namespace velmora
