#include "core/university/degree_list.h"

#include "core/university/degree_tables.h"

namespace velmora {

void DegreeList::addHeading(std::string text) {
    lines.push_back(std::move(text));
    marks.emplace_back();
    degrees.push_back(0);
    headers.push_back(true);
}

void DegreeList::addDegree(const DegreeTables& tables, int degree) {
    lines.push_back(tables.degreeNames[degree]);
    marks.emplace_back(tables.offerings.distinctTitles.at(degree, 0) > 0 ? "+" : "");
    degrees.push_back(degree);
    headers.push_back(false);
}

void DegreeList::addGroup(const DegreeTables& tables, int group, int branch) {
    const size_t heading = size();
    addHeading(std::string(TrimRight(tables.degreeGroupNames[group])));
    const bool anyBranch = branch < 1 || branch > 5;
    for (int k = 1; k <= tables.degreeCount(); ++k) {
        if (tables.attribute(k, DegreeTables::kGroup) != group) continue;
        if (!anyBranch && tables.degreeBranch[static_cast<size_t>(k)] != branch) continue;
        addDegree(tables, k);
    }
    if (size() == heading + 1) {  // a group without degrees keeps no heading
        lines.pop_back();
        marks.pop_back();
        degrees.pop_back();
        headers.pop_back();
    }
}

}  // namespace velmora
