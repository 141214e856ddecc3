#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/rich_text.h"

namespace velmora {

class DataPaths;

// "grados.txt" holds the profile and career outputs of every degree, one section per degree
// code: a key line, a line that is not shown (usually the degree's name again), then the
// section's text up to the next line holding "<<".

// The key of a degree's section: "<<" and the code right-aligned in three characters
// ("<< 12", "<<  7", "<<123").
std::string ProfileKey(int code);

// The index of the first line holding the key of `code`, anywhere in the line.
std::optional<size_t> FindProfileKey(const std::vector<std::string_view>& lines, int code);

// The end of the section whose key is on line `keyLine`: the first line holding "<<" from three
// lines below the key on. Nothing when the section is not closed.
std::optional<size_t> FindProfileEnd(const std::vector<std::string_view>& lines, size_t keyLine);

// The lines shown for a degree: from two lines below its key up to the end of its section,
// leaving out lines that start with "<<". A code without a closed section gives
// kBlankProfileLines lines of two blanks.
inline constexpr int kBlankProfileLines = 101;
std::vector<std::string> ProfileLines(const std::vector<std::string_view>& lines, int code);

// True for a line that is one of the heading words once its blanks are trimmed, comparing the
// letters A to Z without regard to case.
bool IsProfileHeading(std::string_view line);

// The profile as RichSalidas shows it: the first line whole in maroon bold, then heading words
// in green bold, lines starting with "*" as bullets without their first two characters, the rest
// plain;
// the words of work in red wherever they stand as whole words.
RichText ProfileText(const std::vector<std::string>& lines);

// The text of each paragraph of a profile, as bytes: the lines that print.
std::vector<std::string> ProfilePrintLines(const std::vector<std::string>& lines);

// "grados.txt" of the language folder, or of the data folder when the language has none.
QString ProfilePath(const DataPaths& paths);

}  // namespace velmora
