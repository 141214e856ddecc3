#pragma once

#include <QString>

namespace velmora {

// The settings in force: read once at start, saved by the configuration panel for the next start.
struct Settings {
    QString schoolName;     // surrounding blanks removed
    int languageCode = 0;   // 0..3, see kLanguages
    bool animation = false; // the animated scene as home screen
};

}  // namespace velmora
