#pragma once

#include <string>
#include <vector>

namespace velmora {

struct DegreeTables;

// The rows of the degree grid `listgrados` as they are built, before they are shown: column 0,
// column 1 (the mark "+" of a degree with specific titles), the degree of each row (0 for a
// heading) and which rows are headings.
struct DegreeList {
    std::vector<std::string> lines;
    std::vector<std::string> marks;
    std::vector<int> degrees;
    std::vector<bool> headers;

    size_t size() const { return lines.size(); }
    bool empty() const { return lines.empty(); }

    // A heading row with an empty mark.
    void addHeading(std::string text);
    // A degree row: its name as stored and its mark.
    void addDegree(const DegreeTables& tables, int degree);
    // Group g's heading (its trimmed name) followed by every degree of the group in degree
    // order, of branch `branch` only when it is 1..5; a group that gets no degree leaves no row.
    void addGroup(const DegreeTables& tables, int group, int branch);
};

}  // namespace velmora
