#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace velmora {

// The program's own options, looked at before any window system is touched:
//   --check-data DIR    checks a data folder and ends (exit code 0 when clean)
//   --school "NAME"     stores the school's name in the settings and ends
//   --fill-screen       every screen scaled to fill the display for this run (the setting
//                       fill_screen does it for every run)
//   --window            the plain 1024 x 768 window for this run, whatever the setting says
//   --measure-startup   for benchmarks: no waits on the splash, no message boxes (messages go to
//                       standard error and questions are answered no), and the program ends as
//                       soon as the home screen is shown
// Anything else is a parameter of the command line ("A", "S", "N", then the language).
struct ProgramOptions {
    std::optional<QString> checkData;
    std::optional<QString> school;
    bool measureStartup = false;
    std::optional<bool> fillScreen;  // set by --fill-screen or --window
    QString error;  // an option without its value
};

// `arguments` without the program's name.
ProgramOptions ReadProgramOptions(const QStringList& arguments);

}  // namespace velmora
