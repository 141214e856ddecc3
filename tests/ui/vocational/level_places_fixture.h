#pragma once

#include <QTableWidget>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/region_maps.h"
#include "core/shared/tables.h"
#include "core/vocational/level_listings.h"
#include "core/vocational/vocational_queries.h"
#include "ui/university/degrees_fixture.h"

namespace velmora::testing {

// The places of the bundled data a level screen's walk goes to, found in its tables: each has
// centres teaching a title of the level, and the maps' places a pixel to click.
class LevelPlaces {
  public:
    static constexpr int kBarcelones = 37;
    static constexpr int kCatalonia = 9;
    static constexpr int kMadrid = 13;

    LevelPlaces(const Enlace& enlace, Level level) : enlace_(enlace), level_(level) {}

    // A comarca (not the Barcelonès) on its map.
    int comarca() const {
        const ComarcaTable& t = tables().comarcas;
        for (int m = 1; m <= ComarcaTable::kComarcas; ++m)
            if (m != kBarcelones && teaches(4, t.entries[static_cast<size_t>(m)].code) &&
                PixelOf(maps(), RegionMap::C, m).x() >= 0)
                return m;
        return 0;
    }
    // A row of the districts of Barcelona.
    int district() const {
        const ComarcaTable& t = tables().comarcas;
        for (int e = ComarcaTable::kComarcas + 1; e <= t.count; ++e)
            if (teaches(4, t.entries[static_cast<size_t>(e)].code))
                return e - ComarcaTable::kComarcas - 1;
        return -1;
    }
    // A zone of Madrid on its map.
    int zone() const {
        const MadridZoneTable& z = tables().madridZones;
        for (int zone = 1; zone <= MadridZoneTable::kZones; ++zone) {
            const auto& lines = z.zoneLines[static_cast<size_t>(zone)];
            if (!lines.empty() && teaches(2, z.entries[static_cast<size_t>(lines.front())].code) &&
                PixelOf(maps(), RegionMap::M, zone).x() >= 0)
                return zone;
        }
        return 0;
    }

    // The province with the most localities, outside Catalonia and Madrid, in a community of at
    // least `provinces` provinces: the community and the province's position in its list.
    struct Province {
        int community = 0;
        int position = -1;
    };
    Province provinceWithMostLocalities(int provinces = 2) const {
        Province best;
        size_t most = 0;
        for (int c = 1; c <= 19; ++c) {
            if (c == kCatalonia || c == kMadrid) continue;
            const CommunityProvinces p = ProvincesOfCommunity(enlace_.degreeTables.communities, c);
            if (p.count() < provinces) continue;
            for (int k = 0; k < p.count(); ++k) {
                const std::string_view code = ProvinceCode(tables(), p.firstCode + k);
                const int list = ListOfCode(code);
                if (list == 0) continue;
                const std::vector<int> centres =
                    CentresOfProvince(tables(), level_, list, code[1], false);
                const size_t count = LocalitiesOf(tables().centreList(level_, list), centres,
                                                  IsWideProvince(level_, code))
                                         .names.size();
                if (count > most) {
                    most = count;
                    best = {c, k};
                }
            }
        }
        return best;
    }

  private:
    const VocationalTables& tables() const { return enlace_.vocational; }
    const RegionMaps& maps() const { return enlace_.regionMaps; }
    // Whether a centre of list `list` (2 or 4) with this area code teaches a title of the level.
    bool teaches(int list, const std::string& code) const {
        const auto index = static_cast<size_t>(list - 1);
        const std::vector<std::string>& codes =
            list == 4 ? tables().areaCodesCat : tables().areaCodesMadrid;
        for (int c : CentresOfArea(codes, tables().centreLists[index].count, code))
            if (tables().offers(level_)[index].at(c, 0) > 0) return true;
        return false;
    }

    const Enlace& enlace_;
    Level level_;
};

// Double-clicks the first grid row that holds a title of the level (its entry in `gridTitles`
// above 0), scrolled into view first; the title, or 0 when the grid holds none.
inline int DoubleClickFirstTitleRow(QTableWidget* grid, const std::vector<int>& gridTitles) {
    const auto title =
        std::find_if(gridTitles.begin(), gridTitles.end(), [](int t) { return t > 0; });
    if (title == gridTitles.end()) return 0;
    const int picked = *title;
    const int row = static_cast<int>(title - gridTitles.begin());
    grid->scrollToItem(grid->item(row, 0));
    DoubleClickAt(grid->viewport(), RowCentre(grid, row));
    return picked;
}

}  // namespace velmora::testing
