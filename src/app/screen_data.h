#pragma once

#include <functional>
#include <map>
#include <string_view>

namespace velmora {

class Enlace;

// What a screen's set-up reads into the shared tables for the screens after it, by class name.
// The start-up runs a screen's load at its place in the creation order, before the screen's
// factory and whether or not this build has the screen's widget yet, so the tables exist when
// the later screens need them; a widget whose load is listed here never loads again.
using ScreenDataLoad = std::function<void(Enlace&)>;
const std::map<std::string_view, ScreenDataLoad>& ScreenDataLoads();

// Runs the load of `screen`, when it has one, through RunSetUp: a DataError goes to the general
// error report and the rest of that load is skipped; a missing file sets the stop flag, which the
// start-up tests at its next check. False when the load was abandoned.
bool RunScreenDataLoad(std::string_view screen, Enlace& enlace);

}  // namespace velmora
