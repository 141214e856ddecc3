#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace velmora {

// The two optional parameters of the command line. Parameter 1: "A" shows "Programa Velmora
// actualizado", "S" turns the scene on for this run, "N" off. Parameter 2, looked at only when
// parameter 1 is there and not empty: "0".."3" chooses the language folder for this run, and
// any value sets the non-Castilian flag to (the value read as a whole number is 1 or more). The
// stored settings never change. Comparisons are exact and case-sensitive.
struct CommandLineEffect {
    bool showUpdated = false;
    std::optional<bool> animation;
    std::optional<int> languageFolder;
    std::optional<bool> nonCastilian;
};

CommandLineEffect ReadCommandLine(const QStringList& parameters);

// The program's parameters without its own options (those that start with "--", and the value
// that follows an option that takes one).
QStringList PositionalParameters(const QStringList& arguments);

}  // namespace velmora
