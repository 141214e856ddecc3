#include "core/shared/setup_guard.h"

#include "core/shared/data_error.h"
#include "core/shared/messages.h"

namespace velmora {

bool RunSetUp(Messages& messages, const std::function<void()>& setUp) {
    try {
        setUp();
        return true;
    } catch (const DataError& error) {
        messages.reportError(error.report());
        return false;
    }
}

}  // namespace velmora
