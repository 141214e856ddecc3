#pragma once

#include <QString>

#include "core/shared/tables.h"

namespace velmora {

class Enlace;

// Reads every file of the degrees screen in its fixed order into enlace.degreeTables (the
// vocational files among them into enlace.vocational, through the vocational loaders): first the
// language files (and, when no file was missing, the interface texts that replace entry 0 of four
// tables), then, unless the stop flag is set by then, the data-folder files. A missing file of the
// message kind sets the stop flag, which the caller tests afterwards; a missing file of the
// unchecked kind and data beyond the tables' limits throw DataError, which abandons the rest of
// the load (run it through RunSetUp).
void LoadDegreeData(Enlace& enlace);

// The limits of a "datgradosphp" row that keep the screens inside their tables: branch 1..5,
// group 0..100, itineraries 0..12, professions 0..250, catalogue category 0..26, code 0..999,
// weighted subjects 0, 1..30 or 50. The first broken rule of row r, or an empty text.
QString BrokenAttributeRule(const IntGrid& rows, int row);

}  // namespace velmora
