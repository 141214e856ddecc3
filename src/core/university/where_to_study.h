#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

struct DegreeTables;
class InterfaceTexts;

// A cut-off mark in tenths as the lists show it: right-aligned in three characters with a
// decimal comma before the last digit (65 -> " 6,5", 123 -> "12,3"); 10, an offering without a
// mark, becomes "  - ". Always 4 characters.
std::string FormatCutOff(int tenths);

// Community c's name: its "comunida" line from column 3, right blanks removed.
std::string CommunityName(const DegreeTables& tables, int community);

// The where-to-study grid of a degree: offerings grouped by community.
struct WhereToStudy {
    std::vector<std::array<std::string, 2>> rows;  // GridNotas, column 0 and 1
    std::array<bool, 20> markers{};                // community 1..19 offers the degree
    std::array<int, 20> firstRow{};                // the grid row of the community's heading
};
WhereToStudy BuildWhereToStudy(const DegreeTables& tables, const InterfaceTexts& texts,
                               int degree);

// The places whose community is c, in place order.
std::vector<int> PlacesOfCommunity(const DegreeTables& tables, int community);

// The degrees offered at a place, as GridNotas rows, with the degree of each row (0 for branch
// headings, the double-degree section and blank rows).
struct PlaceDegrees {
    std::vector<std::array<std::string, 2>> rows;
    std::vector<int> gridDegree;
};
PlaceDegrees BuildDegreesOfPlace(const DegreeTables& tables, const InterfaceTexts& texts,
                                 int place);

}  // namespace velmora
