#pragma once

#include <vector>

#include "core/shared/data_check.h"

namespace velmora {

class DataPaths;

// The rules that tie the degree files together, over the files that are present: counts that
// must agree ("datcarnphp" sections and "carreran", "datgradosphp" rows, the names of the four
// languages, "asignaot" blocks and "otros", "dobles" groups and "lugar" places, "comunida" and
// the province codes), numbers that must resolve (places, groups, titles, subjects, degree codes,
// communities, the sections of "grados.txt") and the limits of the tables and of the screens
// that show them. Each problem names its file and line.
void CheckDegreeData(const DataPaths& paths, std::vector<DataProblem>& problems);

}  // namespace velmora
