#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/university/degree_list.h"

namespace velmora {

struct DegreeTables;
class InterfaceTexts;

// The form in which the search compares texts: blanks trimmed at both ends, the vowels with an
// acute, grave, diaeresis or circumflex written without it, the letters A to Z in small letters.
// Every other byte stays as it is, so the n with tilde and its capital remain two letters, as do
// the c with cedilla and its capital.
std::string NormaliseForSearch(std::string_view text);

// True when the normalised query occurs in `text` compared in its normalised form. An empty
// query is found nowhere.
bool MatchesNormalised(std::string_view text, std::string_view normalisedQuery);

// The names the search compares, in their normalised forms: group g in groups[g - 1], degree d
// in degrees[d - 1], specific title t in titles[t - 1]; and the degrees offered under title t,
// in degree order, in titleDegrees[t - 1]. Made once and kept, since the tables do not change
// once they are loaded.
struct SearchTexts {
    std::vector<std::string> groups;
    std::vector<std::string> degrees;
    std::vector<std::string> titles;
    std::vector<std::vector<int>> titleDegrees;

    static SearchTexts Of(const DegreeTables& tables);
    // True when these were made of tables holding as many names as `tables`.
    bool madeOf(const DegreeTables& tables) const;
};

// The degree grid of a search for `query` (Windows-1252 bytes): the groups whose names hold it
// with all their degrees, then under the heading of interface text 571 the other degrees whose
// names hold it; when neither finds anything, under that heading the degrees offered under the
// specific titles that hold it, per title. A search that shows nothing gives the single heading
// of interface text 41.
DegreeList SearchTitles(const DegreeTables& tables, const InterfaceTexts& texts,
                        const SearchTexts& names, std::string_view query);

}  // namespace velmora
