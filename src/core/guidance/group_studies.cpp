#include "core/guidance/group_studies.h"

#include <algorithm>

#include "core/university/degree_tables.h"
#include "core/vocational/vocational_tables.h"

namespace velmora {

GroupStudies StudiesOfGroup(const DegreeTables& degrees, const VocationalTables& vocational,
                            int group) {
    GroupStudies studies;
    if (group < 1) return studies;
    const int degreeCount = std::min(degrees.degreeCount(), DegreeTables::kDegrees);
    for (int d = 1; d <= degreeCount; ++d) {
        if (degrees.attribute(d, DegreeTables::kFirstItinerary) == group ||
            degrees.attribute(d, DegreeTables::kSecondItinerary) == group)
            studies.degrees.push_back(d);
    }
    const int titleCount = std::min(vocational.titlesGS.count, VocationalTables::kTitles);
    for (int t = 1; t <= titleCount; ++t) {
        for (const int itinerary : vocational.factsOfGS(t).itineraries)
            if (itinerary == group) studies.higherTitles.push_back(t);
    }
    return studies;
}

}  // namespace velmora
