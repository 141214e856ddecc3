#pragma once

namespace velmora {

struct ProgramOptions;

// The life of the program: the framework, the shared loading, the single-instance lock, the
// splash, the screens created in their fixed order with the stop checks, and the event loop.
// Returns the process's exit code.
int RunVelmora(int& argc, char** argv, const ProgramOptions& options);

}  // namespace velmora
