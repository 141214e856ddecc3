#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/shared/tables.h"

namespace velmora {

// A report as a screen composes it: entry 0 is the title, entries 1..count the lines, each a
// Windows-1252 text of at most 65 characters (a longer one keeps its first 65).
class ReportBuffer {
public:
    static constexpr int kLastEntry = 1500;
    static constexpr int kMaxLines = kLastEntry;
    static constexpr int kEntryCapacity = 65;

    const std::string& entry(int k) const { return entries_.entry(k); }
    const std::string& operator[](int k) const { return entries_.entry(k); }
    const std::string& title() const { return entries_.entry(0); }

    // Entries outside 0..1500 are ignored.
    void set(int k, std::string_view text);
    void setTitle(std::string_view text) { set(0, text); }

    // Empties entries first..1500.
    void EmptyFrom(int first);

private:
    LineTable entries_{kLastEntry + 1, kEntryCapacity};
};

// The numbers of the lines to print in bold, kept while a screen composes a report and emptied
// by the print that consumes them.
class BoldLines {
public:
    static constexpr int kCapacity = 200;

    // Adds a line number; false (and nothing added) when the list already holds 200.
    bool Add(int line);
    bool Contains(int line) const;
    void Clear() { lines_.clear(); }
    int count() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }

private:
    std::vector<int> lines_;
};

// A report as a screen composes it before it goes to the shared buffer: the title (entry 0) and
// the lines (entries 1, 2, ...), Windows-1252 bytes, with the numbers of the lines to print in
// bold.
struct ResultReport {
    std::string title;
    std::vector<std::string> lines;  // line k in entry k - 1
    std::vector<int> boldLines;

    void add(std::string line, bool bold = false);
    int count() const { return static_cast<int>(lines.size()); }
};

// The report buffer most screens share, and the program's one bold-line list.
struct ReportState {
    ReportBuffer buffer;
    BoldLines boldLines;
};

}  // namespace velmora
