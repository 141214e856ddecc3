#pragma once

#include <functional>

namespace velmora {

class Messages;

// Runs a screen's set-up. A DataError it raises (an unchecked reader's missing file, a bad
// number, a broken rule) goes to the general error report and the rest of that set-up is
// skipped; the program goes on. Returns false when the set-up was abandoned.
bool RunSetUp(Messages& messages, const std::function<void()>& setUp);

}  // namespace velmora
