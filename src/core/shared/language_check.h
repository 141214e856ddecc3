#pragma once

#include <vector>

#include "core/shared/data_check.h"

namespace velmora {

class DataPaths;

// Rules that hold between the four language folders and within the interface texts: the four
// "textos" have as many lines as each other and every distributed text fits its slot; the keyed
// files hold the same keys with as many lines per key in every language and no line is cut.
void CheckLanguageFiles(const DataPaths& paths, std::vector<DataProblem>& problems);

}  // namespace velmora
