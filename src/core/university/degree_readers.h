#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/university/degree_tables.h"

namespace velmora {

class Messages;

// The readers of the degree files that have a format of their own. All throw DataError (file,
// line, reason) for a missing file of the unchecked kind and for data beyond the tables' limits,
// and store nothing when they refuse a file.

// Columns first..last (from 1) of a line; what lies beyond the line's end is missing.
inline std::string_view Columns(std::string_view line, size_t first, size_t last) {
    if (first > line.size()) return {};
    return line.substr(first - 1, last - first + 1);
}

// Columns first..last (from 1) read as a number: blanks, then an optional sign and digits that
// reach the last column of the range. Empty, all-blank or anything after the digits (a trailing
// blank too) is no number. The part of the range beyond the line's end is empty.
std::optional<int> ColumnInteger(std::string_view line, int first, int last);

// The decimal digits after any leading blanks of `text`, up to the first other character; 0 when
// there is none (the community code of "lugar").
int LeadingNumber(std::string_view text);

// "materiasp": subject s is line s, cut to 70 characters; at most 100 lines.
void ReadSubjects(const QString& path, LineTable& subjects);

// "lugar": community code (columns 1-2), name (columns 3-37, 35 characters as stored), web
// address (columns 38-137, trailing blanks removed, kept to 60). Place p in entry p; at most 255.
std::vector<Place> ReadPlaces(const QString& path);

// "comuint": the address of community c is columns 15-114 of line c without trailing blanks; at
// most 20 lines.
std::array<std::string, DegreeTables::kPortals + 1> ReadCommunityPortals(const QString& path);

// "dobles", read after the degree attributes so that codes resolve with FindDegreeByCode. A
// missing file shows the missing-file message and sets the stop flag (false returned). A degree
// code that is not a number shows "ERROR en fichero de dobles" once per field and leaves that side
// 0; a code that names no degree, an entry before any group, more than 200 groups or more than 50
// entries in a group is refused.
bool ReadDoubleDegrees(const QString& path, const DegreeTables& tables, Messages& messages,
                       bool& stopFlag, std::vector<DoubleDegreeGroup>& groups);

inline constexpr const char* kDoublesErrorMessage = "ERROR en fichero de dobles";

}  // namespace velmora
