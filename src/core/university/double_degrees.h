#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/shared/rich_text.h"

namespace velmora {

struct DegreeTables;
class InterfaceTexts;

// A line of a built text with its heading mark.
struct HeadedLine {
    std::string text;
    bool heading = false;

    friend bool operator==(const HeadedLine&, const HeadedLine&) = default;
};

// The menu's list of every degree that takes part in some double degree: per branch 1..5 a
// heading "- " + the branch name, then those degrees of the branch in degree order by their
// stored names. `rowDegree` holds each row's degree, 0 for the headings.
struct DoublesMenu {
    std::vector<std::string> rows;
    std::vector<int> rowDegree;
};
DoublesMenu BuildDoublesMenu(const DegreeTables& tables, const InterfaceTexts& texts);

// The double degrees of `degree` university by university: for each group that has some, an
// empty line and the group's name as a heading, then one line per side of an entry naming the
// degree: "<degree>. + <other degree> ><tag>".
std::vector<HeadedLine> DoublesByUniversity(const DegreeTables& tables, int degree);

// Those lines as listSel2 shows them: headings in red, the double degrees as navy bullets.
RichText DoublesByUniversityText(const std::vector<HeadedLine>& lines);

// Community c (1..19) is marked when a group of code c holds an entry naming `degree`.
std::array<bool, 20> DoublesCommunities(const DegreeTables& tables, int degree);

// The lines of the double degrees of `degree` in the groups of code `community` (every group
// when 0): "- " + the group's name the first time, then "+ " + the other degree's name in 45
// characters + the tag, for each side of an entry that names the degree.
std::vector<std::string> DoublesOfDegree(const DegreeTables& tables, int degree, int community);

// GridNotas rows of the double degrees of `degree` in `community` (0: all of them, with the
// message of text 393 when there are none).
std::vector<std::array<std::string, 2>> DoublesGrid(const DegreeTables& tables,
                                                    const InterfaceTexts& texts, int degree,
                                                    int community);

}  // namespace velmora
