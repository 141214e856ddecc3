#include "core/university/degree_tables.h"

namespace velmora {

const Place& DegreeTables::place(int p) const {
    static const Place kNone;
    if (p < 1 || p > placeCount()) return kNone;
    return places[static_cast<size_t>(p)];
}

int FindDegreeByCode(const DegreeTables& tables, int code) {
    for (int d = 1; d <= tables.degreeCount(); ++d) {
        if (tables.attribute(d, DegreeTables::kDegreeCode) == code) return d;
    }
    return 0;
}

int OfferedTitle(const DegreeTables& tables, int degree, int place) {
    const int n = tables.offeringCount(degree);
    for (int i = 1; i <= n; ++i) {
        if (tables.offerings.places.at(degree, i) != place) continue;
        const int title = tables.offerings.titles.at(degree, i);
        if (title != 0) return title;
    }
    return 0;
}

}  // namespace velmora
