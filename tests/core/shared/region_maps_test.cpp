#include "core/shared/region_maps.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

// A region file whose every value is given by `value(record x, index k)`, both from 1.
template <typename F>
std::string RegionFile(F value) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(RegionMaps::kFileSize));
    for (int x = 1; x <= RegionMaps::kWidth; ++x) {
        for (int k = 1; k <= RegionMaps::kValuesPerRecord; ++k) {
            const auto v = static_cast<std::uint32_t>(value(x, k));
            for (int b = 0; b < 4; ++b) bytes += static_cast<char>((v >> (8 * b)) & 0xFF);
        }
    }
    return bytes;
}

// Communities value = y % 20 + x % 2, C = 100 + y % 50, M = 200 + y % 40: every cell tells
// where it came from.
std::int32_t Telling(int x, int k) {
    if (k <= 196) return k % 20 + x % 2;
    if (k <= 416) return 100 + (k - 196) % 50;
    return 200 + (k - 416) % 40;
}

class RegionMapsTest : public ::testing::Test {
  protected:
    bool load(const std::string& bytes) {
        return maps.LoadRegionGrids(folder.write(QStringLiteral("puntos3"), bytes), messages, stop);
    }
    TempFolder folder;
    RecordingMessages messages;
    bool stop = false;
    RegionMaps maps;
};

TEST_F(RegionMapsTest, EachRecordFillsOneColumnOfTheThreeGrids) {
    ASSERT_TRUE(load(RegionFile(Telling)));
    EXPECT_FALSE(stop);
    EXPECT_EQ(maps.RegionAt(RegionMap::Communities, 1, 1), 1 % 20 + 1);
    EXPECT_EQ(maps.RegionAt(RegionMap::Communities, 2, 19), 19);
    EXPECT_EQ(maps.RegionAt(RegionMap::Communities, 281, 196), 196 % 20 + 1);
    EXPECT_EQ(maps.RegionAt(RegionMap::C, 10, 1), 101);
    EXPECT_EQ(maps.RegionAt(RegionMap::C, 281, 220), 100 + 220 % 50);
    EXPECT_EQ(maps.RegionAt(RegionMap::M, 7, 1), 201);
    EXPECT_EQ(maps.RegionAt(RegionMap::M, 281, 220), 200 + 220 % 40);
}

TEST_F(RegionMapsTest, EveryMapAnswersOnlyWithinItsBounds) {
    ASSERT_TRUE(load(RegionFile(Telling)));
    for (RegionMap map : {RegionMap::Communities, RegionMap::C, RegionMap::M}) {
        EXPECT_FALSE(maps.RegionAt(map, 0, 50).has_value());
        EXPECT_FALSE(maps.RegionAt(map, 282, 50).has_value());
        EXPECT_FALSE(maps.RegionAt(map, 50, 0).has_value());
        EXPECT_FALSE(maps.RegionAt(map, 50, 221).has_value());
        EXPECT_TRUE(maps.RegionAt(map, 281, 196).has_value());
    }
    EXPECT_FALSE(maps.RegionAt(RegionMap::Communities, 281, 197).has_value());
    EXPECT_TRUE(maps.RegionAt(RegionMap::C, 281, 197).has_value());
    EXPECT_TRUE(maps.RegionAt(RegionMap::M, 281, 220).has_value());
}

TEST_F(RegionMapsTest, APointerMoveOutsideChangesNothingAndInsideNamesOnlyUsedRegions) {
    ASSERT_TRUE(load(RegionFile([](int, int k) { return k <= 196 ? (k == 5 ? 20 : 7) : 41; })));
    EXPECT_EQ(maps.regionUnderCursor, 1);  // a click before any move acts on community 1
    EXPECT_FALSE(maps.PointerMoved(RegionMap::Communities, 0, 50).has_value());
    EXPECT_FALSE(maps.PointerMoved(RegionMap::Communities, 282, 50).has_value());
    EXPECT_FALSE(maps.PointerMoved(RegionMap::Communities, 281, 197).has_value());
    EXPECT_EQ(maps.regionUnderCursor, 1);

    EXPECT_EQ(maps.PointerMoved(RegionMap::Communities, 100, 50), true);
    EXPECT_EQ(maps.regionUnderCursor, 7);
    // 20 is beyond the 19 communities: no region, though the cell is read.
    EXPECT_EQ(maps.PointerMoved(RegionMap::Communities, 100, 5), false);
    EXPECT_EQ(maps.regionUnderCursor, 20);
    EXPECT_EQ(maps.PointerMoved(RegionMap::C, 281, 197), true);   // 41 regions on C
    EXPECT_EQ(maps.PointerMoved(RegionMap::M, 281, 197), false);  // 28 on M
    EXPECT_EQ(maps.regionUnderCursor, 41);
}

TEST_F(RegionMapsTest, AWrongFileIsRefusedLikeAMissingOne) {
    ASSERT_TRUE(load(RegionFile(Telling)));
    const auto keep = maps.RegionAt(RegionMap::C, 5, 5);
    std::string whole = RegionFile(Telling);
    std::string above = whole;
    above[(10 * RegionMaps::kValuesPerRecord + 300) * 4] = '\0';
    above[(10 * RegionMaps::kValuesPerRecord + 300) * 4 + 1] = '\x01';  // 256 in record 11
    std::string negative = whole;
    std::memset(negative.data() + (280 * RegionMaps::kValuesPerRecord + 635) * 4, 0xFF, 4);

    for (const std::string& bytes :
         {whole.substr(0, whole.size() - 4), whole + std::string(4, '\0'), std::string(), above,
          negative}) {
        stop = false;
        messages.shown.clear();
        EXPECT_FALSE(load(bytes));
        EXPECT_TRUE(stop);
        EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Faltan ficheros")});
        EXPECT_EQ(maps.RegionAt(RegionMap::C, 5, 5), keep);  // the grids stay as they were
    }
    stop = false;
    EXPECT_FALSE(maps.LoadRegionGrids(folder.file(QStringLiteral("none")), messages, stop));
    EXPECT_TRUE(stop);

    const RegionFileCheck check =
        RegionMaps::CheckRegionFile(folder.write(QStringLiteral("p"), above));
    EXPECT_EQ(check.fault, RegionFileCheck::Fault::ValueOutOfRange);
    EXPECT_EQ(check.record, 11);
    EXPECT_EQ(check.value, 301);
    EXPECT_EQ(check.found, 256);
    EXPECT_TRUE(RegionMaps::CheckRegionFile(folder.write(QStringLiteral("q"), negative))
                    .reason()
                    .contains(QStringLiteral("-1")));
    EXPECT_EQ(RegionMaps::CheckRegionFile(folder.write(QStringLiteral("r"), "abc")).size, 3);
}

TEST_F(RegionMapsTest, MarkersPulseThroughThreeSizesSharedByEveryScreen) {
    maps.SetMarkerPoints();
    EXPECT_EQ(maps.markerPoint(1).x, 102);
    EXPECT_EQ(maps.markerPoint(1).y, 141);
    EXPECT_EQ(maps.markerPoint(4).x, 221);
    EXPECT_EQ(maps.markerPoint(11).y, 49);
    EXPECT_EQ(maps.markerPoint(19).y, 174);

    maps.markerFlags[9] = true;
    maps.markerFlags[13] = true;
    const MarkerStep first = maps.NextMarkerStep();
    EXPECT_EQ(first.size, 1);
    ASSERT_EQ(first.ellipses.size(), 2u);
    EXPECT_EQ(first.ellipses[0].left, 187);  // Catalonia at (188, 64)
    EXPECT_EQ(first.ellipses[0].bottom, 65);
    EXPECT_EQ(first.nextBrush, (Rgb{255, 255, 0}));
    EXPECT_EQ(first.nextPen, (Rgb{255, 255, 255}));
    EXPECT_EQ(maps.NextMarkerStep().nextBrush, (Rgb{0, 0, 128}));
    const MarkerStep third = maps.NextMarkerStep();
    EXPECT_EQ(third.size, 3);
    EXPECT_EQ(third.ellipses[1].right, 114 + 3);
    EXPECT_EQ(third.nextBrush, (Rgb{128, 0, 0}));
    EXPECT_EQ(maps.markerStepCounter(), 0);
    EXPECT_EQ(maps.NextMarkerStep().size, 1);
    maps.markerFlags = {};
    EXPECT_TRUE(maps.NextMarkerStep().ellipses.empty());
}

}  // namespace
}  // namespace velmora
