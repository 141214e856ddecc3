#pragma once

#include <string>
#include <vector>

#include "core/shared/rich_text.h"
#include "core/university/double_degrees.h"

namespace velmora {

class BlockTable;

// The page of other study k (1..50): the content lines of block k of "asignaot", up to the
// first two blank lines in a row (a line is blank when its first 16 characters are). Trailing
// blanks are removed.
std::vector<std::string> OtherStudyPage(const BlockTable& blocks, int block);

// What a row of the list of other studies leads to.
enum class OtherStudyRow {
    Document,  // the third row: the document of the centres of sports studies
    Nothing,   // a group heading (three blanks)
    Portal1,   // "  1": higher courses on the studies portal
    Portal2,   // "  2": training courses
    Portal3,   // "  3": centres of studies outside the official system
    Page,      // the study's page
};
OtherStudyRow KindOfOtherStudyRow(int row, const std::string& text);

// "master.txt" as RichSalidas shows it, at size 9: a line starting with "*" a navy bullet
// without its first two characters, one starting with "-" whole in maroon bold, the others
// black.
RichText MastersText(const std::vector<std::string>& lines);

// The same text as it prints: paragraphs broken between words into lines that fit the report
// (65 characters), bullets marked with a bullet sign and their following lines indented,
// headings bold.
std::vector<HeadedLine> MastersPrintLines(const std::vector<std::string>& lines);

// `text` broken between words into lines of at most `width` characters; lines after the first
// start with `indent`. A word longer than a line is cut.
std::vector<std::string> WrapWords(std::string_view text, size_t width, std::string_view indent);

}  // namespace velmora
