// The maps, region grids and comarca and zone files of the bundled data folder agree with one
// another and with the marker points.
#include <gtest/gtest.h>

#include <QFile>
#include <QSize>
#include <map>
#include <set>

#include "core/shared/region_maps.h"
#include "support/recording_messages.h"

namespace velmora {
namespace {

const QString kData = QStringLiteral(VELMORA_BUNDLED_DATA);

QByteArray Bytes(const QString& name) {
    QFile file(kData + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Width and height from a PNG's header.
QSize PngSize(const QByteArray& png) {
    if (png.size() < 24 || !png.startsWith("\x89PNG")) return {};
    auto be = [&](int at) {
        return (static_cast<unsigned char>(png[at]) << 24) |
               (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    return QSize(be(16), be(20));
}

QList<QByteArray> Lines(const QString& name) {
    QByteArray bytes = Bytes(name);
    EXPECT_FALSE(bytes.contains("\n") && !bytes.contains("\r\n")) << name.toStdString();
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines) line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

class BundledMapsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        maps.SetMarkerPoints();
        ASSERT_TRUE(maps.LoadRegionGrids(kData + QStringLiteral("puntos3"), messages, stop));
    }
    std::map<int, int> census(RegionMap map) const {
        std::map<int, int> count;
        for (int x = 1; x <= RegionMaps::kWidth; ++x)
            for (int y = 1; y <= RegionMaps::Height(map); ++y) ++count[*maps.RegionAt(map, x, y)];
        return count;
    }
    testing::RecordingMessages messages;
    bool stop = false;
    RegionMaps maps;
};

TEST_F(BundledMapsTest, ThePicturesHaveTheSizesOfTheirGrids) {
    EXPECT_EQ(PngSize(Bytes(QStringLiteral("mapa"))), QSize(281, 196));
    EXPECT_EQ(PngSize(Bytes(QStringLiteral("mapac"))), QSize(281, 220));
    EXPECT_EQ(PngSize(Bytes(QStringLiteral("mapam"))), QSize(281, 220));
}

TEST_F(BundledMapsTest, EveryMarkerPointLiesInItsOwnCommunity) {
    for (int c = 1; c <= RegionMaps::kCommunities; ++c) {
        const MarkerPoint p = maps.markerPoint(c);
        EXPECT_EQ(maps.RegionAt(RegionMap::Communities, p.x, p.y), c) << "community " << c;
        // The marker is drawn round the pixel (x, y), which is cell (x + 1, y + 1).
        EXPECT_EQ(maps.RegionAt(RegionMap::Communities, p.x + 1, p.y + 1), c) << "community " << c;
    }
}

TEST_F(BundledMapsTest, EachGridHoldsEveryRegionOfItsMapAndNothingElse) {
    const struct {
        RegionMap map;
        int last;
        int smallest;  // pixels: small enough to see, large enough to point at
    } expected[] = {
        {RegionMap::Communities, 19, 9}, {RegionMap::C, 41, 60}, {RegionMap::M, 28, 25}};
    for (const auto& e : expected) {
        const std::map<int, int> count = census(e.map);
        for (int r = 1; r <= e.last; ++r) {
            ASSERT_TRUE(count.count(r)) << "region " << r << " missing";
            EXPECT_GE(count.at(r), e.smallest) << "region " << r;
        }
        for (const auto& [region, pixels] : count)
            EXPECT_TRUE(region == 0 || region <= e.last) << "stray region " << region;
    }
}

TEST_F(BundledMapsTest, TheComarcaFileNamesEveryComarcaOnceWithTheBarcelonesAsThirtySeven) {
    const QList<QByteArray> lines = Lines(QStringLiteral("comarcas"));
    ASSERT_GE(lines.size(), 42);
    ASSERT_LE(lines.size(), 41 + 19);
    std::set<int> numbers;
    std::set<QByteArray> codes;
    for (int k = 0; k < 41; ++k) {
        const QByteArray& line = lines[k];
        bool ok = false;
        const int m = line.mid(2, 2).toInt(&ok);
        ASSERT_TRUE(ok) << "line " << k + 1;
        EXPECT_TRUE(numbers.insert(m).second) << "comarca " << m << " twice";
        EXPECT_TRUE(codes.insert(line.left(2)).second)
            << "code " << line.left(2).constData() << " twice";
        EXPECT_LE(line.size(), 24);
        if (m == 37) {
            EXPECT_EQ(line.mid(4).trimmed(), QByteArray("Barcelon\xe8s"));
        }
    }
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 41);
    // The Barcelonès list: the fifth item is a heading the screens ignore; the rest list centres.
    for (int k = 41; k < lines.size(); ++k) {
        EXPECT_LE(lines[k].size(), 32);
        if (k == 41 + 4) continue;
        EXPECT_TRUE(codes.insert(lines[k].left(2)).second) << "line " << k + 1;
        EXPECT_EQ(lines[k].at(0), '5') << "a Barcelona code: line " << k + 1;
    }
}

TEST_F(BundledMapsTest, TheZoneFileGivesEveryZoneOneToThreeLinesWithOneCode) {
    const QList<QByteArray> lines = Lines(QStringLiteral("comarcasm"));
    std::map<int, std::vector<QByteArray>> codes;
    for (const QByteArray& line : lines) {
        bool ok = false;
        const int z = line.mid(2, 2).toInt(&ok);
        ASSERT_TRUE(ok) << line.constData();
        EXPECT_LE(line.size(), 29);
        codes[z].push_back(line.left(2));
    }
    ASSERT_EQ(codes.size(), 28u);
    std::set<size_t> sizes;
    std::set<QByteArray> firstCodes;
    for (const auto& [zone, list] : codes) {
        EXPECT_GE(zone, 1);
        EXPECT_LE(zone, 28);
        EXPECT_LE(list.size(), 3u);
        sizes.insert(list.size());
        for (const QByteArray& c : list) EXPECT_EQ(c, list.front()) << "zone " << zone;
        EXPECT_TRUE(firstCodes.insert(list.front()).second) << "zone " << zone;
    }
    // Zones of one, two and three lines all exist, as the screens show them differently.
    EXPECT_EQ(sizes, (std::set<size_t>{1, 2, 3}));
}

}  // namespace
}  // namespace velmora
