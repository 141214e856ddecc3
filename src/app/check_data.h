#pragma once

#include <QString>

namespace velmora {

// `velmora --check-data DIR`: checks a data folder and prints every fault, one per line.
// Returns the process exit code: 0 for a clean folder, 1 otherwise.
int RunDataCheck(const QString& dataFolder);

}  // namespace velmora
