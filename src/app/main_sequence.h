#pragma once

#include <functional>

namespace velmora {

class AddressOpener;
class Messages;
class Printing;
class SaveDialog;
class Sound;
struct ProgramOptions;
struct ScreenContext;

// What a run of the whole program under test changes: the seams that would wait for a person or
// reach outside the program (each one left null keeps the program's own), no pauses on the
// splash, and what to do once the home screen is shown (run once from the event loop, with the
// live screens; the program then goes on until it ends by its own exit path).
struct ProgramHook {
    Messages* messages = nullptr;
    Printing* printing = nullptr;
    SaveDialog* saveDialog = nullptr;
    AddressOpener* opener = nullptr;
    Sound* sound = nullptr;
    bool splashPauses = true;
    std::function<void(ScreenContext&)> atHome;
};

// The life of the program: the framework, the shared loading, the single-instance lock, the
// splash, the screens created in their fixed order with the stop checks, and the event loop.
// Returns the process's exit code.
int RunVelmora(int& argc, char** argv, const ProgramOptions& options, const ProgramHook& hook = {});

}  // namespace velmora
