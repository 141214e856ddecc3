#pragma once

#include <vector>

namespace velmora {

struct DegreeTables;
struct VocationalTables;

// The studies that belong to an itinerary group (a line of "itinerar"): the ESO, advice and
// professions screens list them under a ranked group.
struct GroupStudies {
    // Degrees whose first or second itinerary field names the group, in degree order.
    std::vector<int> degrees;
    // Higher vocational titles, in title order, once for each of their four itinerary columns
    // that names the group (a title tagged twice with the group is listed twice).
    std::vector<int> higherTitles;
};

// The studies of group g; nothing for a group number below 1.
GroupStudies StudiesOfGroup(const DegreeTables& degrees, const VocationalTables& vocational,
                            int group);

}  // namespace velmora
