#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/vocational/vocational_tables.h"

namespace velmora {

class InterfaceTexts;

// The centre listings the vocational level screens share. Rows are two columns of Windows-1252
// bytes (the centre or title text, and the centre's second field); a title number, centre list or
// province code that points nowhere gives no row, never a read out of bounds.
using ListingRow = std::array<std::string, 2>;

// The provinces of community c (1..19) as "comunida" names them: s_c in columns 1-2 of line c,
// then every line from 20 on whose columns 1-2 are c, in order, with its list text (columns 3-57)
// and its name (columns 3-37). A community without such lines has one province, its own name.
struct CommunityProvinces {
    int firstCode = 0;  // s_c, the entry of its first province code
    std::vector<std::string> items;
    std::vector<std::string> names;
    int count() const { return static_cast<int>(names.size()); }
};
CommunityProvinces ProvincesOfCommunity(const LineTable& communities, int community);

// Entry s of ProvinceCodes; empty outside 1..64.
std::string_view ProvinceCode(const VocationalTables& tables, int entry);

// The centre list (1..4) a province code names; 0 for a code that names none.
int ListOfCode(std::string_view code);

// Listing A: the centres of a community that teach `title` at the level. The centre list is the
// one the first province's code names; for each province its lines whose first character is the
// code's second, a row per title number of the centre's offers equal to `title` (columns 2-45,
// and 46-54 in the second column). With more than one province each province with centres gets a
// heading row ("- " + name + 7 blanks) and a closing row of 60 blanks, whose second column is
// `closingSecond`.
std::vector<ListingRow> CentresTeaching(const VocationalTables& tables, Level level,
                                        const std::vector<std::string>& codes,
                                        const std::vector<std::string>& provinceNames, int title,
                                        const std::string& closingSecond);

// Listing B, the candidates: the centres of list `list` (1..4) whose first character is
// `province`, keeping only those that teach a title of the level unless `allTitles`.
std::vector<int> CentresOfProvince(const VocationalTables& tables, Level level, int list,
                                   char province, bool allTitles);
// The centres of a centre list whose area code is `code` (the comarcas and districts in lu4, the
// Madrid zones in lu2); none for an empty code.
std::vector<int> CentresOfArea(const std::vector<std::string>& areaCodes, int lineCount,
                               std::string_view code);

// The localities of a province's centres: columns 2-18 of each line (2-36 when `wide`), equal
// neighbours counted once, with the centre that starts each.
struct Localities {
    std::vector<std::string> names;
    std::vector<int> starts;
};
Localities LocalitiesOf(const LineTable& centres, const std::vector<int>& lines, bool wide);

// How a level writes the rows of listing B.
struct PlaceRowStyle {
    bool allTitles = false;     // every level's titles with their prefixes, not only the level's
    std::string closingRow;     // the row that closes a centre
    int basicPrefixText = 263;  // the interface text before a basic title
};

// Listing B, the rows: for each centre "-" + columns 2-45 (and 46-54), then its titles, then the
// closing row; a centre without a title row is left out. `titles` holds the title number of each
// row that shows a title of the level (0 for the others), and `topRow` the row of `topCentre`.
struct PlaceRows {
    std::vector<ListingRow> rows;
    std::vector<int> titles;
    int topRow = 0;
};
PlaceRows CentresWithTitles(const VocationalTables& tables, const InterfaceTexts& texts,
                            Level level, int list, const std::vector<int>& centres, int topCentre,
                            const PlaceRowStyle& style);

}  // namespace velmora
