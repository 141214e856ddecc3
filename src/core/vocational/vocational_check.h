#pragma once

#include <vector>

#include "core/shared/data_check.h"

namespace velmora {

class DataPaths;

// The rules that tie the vocational files together, over the files that are present: one
// subject block and one facts row per line of a title file, one offer line per centre line, title
// numbers that name titles of their level, the same families in the same order in "fp", "fp2"
// and "familias", family groups that name existing headers, province characters that belong to
// their centre list, Catalan and Madrid centres in their ranges with area codes that
// "comarcas" and "comarcasm" list, the limits of the basic headers and the certificate families,
// the same lines in every language, and something in the catalogue of titles for every family.
// Each problem names its file and line.
void CheckVocationalData(const DataPaths& paths, std::vector<DataProblem>& problems);

}  // namespace velmora
