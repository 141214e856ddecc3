#include <gtest/gtest.h>

#include "core/shared/data_check.h"
#include "core/shared/region_maps.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

void Put(std::string& grids, int x, int index, int value) {
    grids[static_cast<size_t>(4 * ((x - 1) * RegionMaps::kValuesPerRecord + index - 1))] =
        static_cast<char>(value);
}

bool Reports(const DataCheckResult& result, const QString& fileEnd, const QString& words) {
    for (const DataProblem& p : result.problems)
        if (p.file.endsWith(fileEnd) && p.reason.contains(words)) return true;
    return false;
}

TEST(MapCheckTest, MarkersOutsideTheirCommunityAndComarcasOrZonesMissingFromMapOrFileAreReported) {
    TempFolder folder;
    std::string grids(static_cast<size_t>(RegionMaps::kFileSize), '\0');
    RegionMaps maps;
    maps.SetMarkerPoints();
    for (int c = 1; c <= RegionMaps::kCommunities; ++c) {
        if (c == 4) continue;  // the Balearic marker lands on the sea
        const MarkerPoint p = maps.markerPoint(c);
        Put(grids, p.x, p.y, c);
        Put(grids, p.x + 1, p.y + 1, c);
    }
    for (int m = 1; m <= 40; ++m) Put(grids, m, 196 + 1, m);  // comarca 41 is not drawn
    for (int z = 1; z <= 28; ++z) Put(grids, z, 416 + 1, z);
    folder.write(QStringLiteral("puntos3"), grids);
    std::string comarcas;
    for (int m = 2; m <= 41; ++m)
        comarcas += "5A" + std::string(m < 10 ? "0" : "") + std::to_string(m) + "Nom\r\n";
    folder.write(QStringLiteral("comarcas"), comarcas + "5BDistricte\r\n");
    std::string zones;
    for (int z = 1; z <= 28; ++z)
        zones += "81" + std::string(z < 10 ? "0" : "") + std::to_string(z) + "Zona\r\n";
    folder.write(QStringLiteral("comarcasm"), zones);

    const DataCheckResult result = CheckDataFolder(folder.path());
    EXPECT_TRUE(Reports(result, QStringLiteral("/puntos3"), QStringLiteral("comunidad 4 ")));
    EXPECT_FALSE(Reports(result, QStringLiteral("/puntos3"), QStringLiteral("comunidad 5 ")));
    EXPECT_TRUE(Reports(result, QStringLiteral("/puntos3"), QStringLiteral("comarca 41 no")));
    EXPECT_FALSE(Reports(result, QStringLiteral("/puntos3"), QStringLiteral("comarca 40 no")));
    EXPECT_TRUE(Reports(result, QStringLiteral("/comarcas"), QStringLiteral("falta la comarca 1")));
    EXPECT_FALSE(
        Reports(result, QStringLiteral("/comarcas"), QStringLiteral("falta la comarca 41")));
    EXPECT_FALSE(Reports(result, QStringLiteral("/comarcasm"), QStringLiteral("zona")));
    EXPECT_FALSE(Reports(result, QStringLiteral("/puntos3"), QStringLiteral("zona")));
}

}  // namespace
}  // namespace velmora
