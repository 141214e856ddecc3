#include "core/guidance/star_map.h"

#include <gtest/gtest.h>

#include "core/university/degrees_screen_fixture.h"

namespace velmora {
namespace {

using testing::DegreesScreenFixture;

// A host that records what the star map asks of it.
class FakeHost final : public StarMapHost {
public:
    bool starMapDoublesMode() const override { return doubles; }
    int starMapFirstRow(int community) const override { return firstRow[static_cast<size_t>(community)]; }
    void starMapScrollTo(int row) override { scrolls.push_back(row); }
    void starMapDoublesCommunity(int community) override { doublesClicks.push_back(community); }

    bool doubles = false;
    std::array<int, 20> firstRow{};
    std::vector<int> scrolls;
    std::vector<int> doublesClicks;
};

class StarMapTest : public ::testing::Test, public DegreesScreenFixture {
protected:
    StarMapTest() {
        load();
        map.attach(&host);
    }
    StarMap map{enlace};
    FakeHost host;
};

TEST_F(StarMapTest, ThePointerNamesTheCommunityAndTheSeaEmptiesThePanel) {
    map.MapaEstrellasMouseMove(13, 50);
    EXPECT_TRUE(map.view().panelVisible);
    EXPECT_EQ(map.view().panelAt, QPoint(13, 50));
    EXPECT_EQ(map.view().panelText.toStdString(), "Comunidad 13");
    map.MapaEstrellasMouseMove(200, 60);
    EXPECT_TRUE(map.view().panelVisible);
    EXPECT_TRUE(map.view().panelText.isEmpty());
    EXPECT_EQ(map.view().panelAt, QPoint(200, 60));
    // Off the map nothing changes.
    map.MapaEstrellasMouseMove(0, 60);
    map.MapaEstrellasMouseMove(282, 60);
    map.MapaEstrellasMouseMove(5, 197);
    EXPECT_EQ(map.view().panelAt, QPoint(200, 60));
    EXPECT_EQ(enlace.regionMaps.regionUnderCursor, 0);
}

TEST_F(StarMapTest, AClickScrollsToTheCommunityUnlessItHasNoRow) {
    host.firstRow[13] = 4;
    map.MapaEstrellasMouseMove(13, 50);
    map.MapaEstrellasClick();
    EXPECT_EQ(host.scrolls, std::vector<int>{4});
    EXPECT_EQ(map.view().clickedCommunity, 13);
    map.MapaEstrellasMouseMove(7, 50);
    map.MapaEstrellasClick();
    EXPECT_EQ(host.scrolls, std::vector<int>{4});  // first row 0: nothing
    EXPECT_EQ(map.view().clickedCommunity, 7);
    map.MapaEstrellasMouseMove(150, 50);
    map.MapaEstrellasClick();  // the sea
    EXPECT_EQ(map.view().clickedCommunity, 7);
}

TEST_F(StarMapTest, AClickBeforeAnyMoveActsOnTheRegionLeftByTheLastMap) {
    host.firstRow[1] = 2;
    host.firstRow[9] = 30;
    map.MapaEstrellasClick();  // start value: community 1
    EXPECT_EQ(host.scrolls, std::vector<int>{2});
    enlace.regionMaps.PointerMoved(RegionMap::Communities, 9, 10);  // another map's move
    map.MapaEstrellasClick();
    EXPECT_EQ(host.scrolls, (std::vector<int>{2, 30}));
}

TEST_F(StarMapTest, InTheDoubleDegreesViewAClickOnlyHandsOverTheCommunity) {
    host.doubles = true;
    host.firstRow[13] = 4;
    map.MapaEstrellasMouseMove(13, 50);
    map.MapaEstrellasClick();
    EXPECT_TRUE(host.scrolls.empty());
    EXPECT_EQ(host.doublesClicks, std::vector<int>{13});
}

TEST_F(StarMapTest, TheDegreesScreenLightsTheMarkersAndScrollsItsGrid) {
    starMap.takeRedrawRequest();
    screen->ListramasClick(4);  // branch 5: Medicina, offered in 1, 13 and 19
    screen->listgradosMouseUp(0);
    EXPECT_TRUE(starMap.view().timerRunning);
    EXPECT_TRUE(starMap.takeRedrawRequest());
    EXPECT_FALSE(starMap.takeRedrawRequest());
    const MarkerStep step = starMap.tick();
    ASSERT_EQ(step.ellipses.size(), 3u);
    const MarkerPoint madrid = enlace.regionMaps.markerPoint(13);
    EXPECT_EQ(step.ellipses[1].left, madrid.x - step.size);
    EXPECT_EQ(step.ellipses[1].bottom, madrid.y + step.size);

    screen->takeChanges();
    starMap.MapaEstrellasMouseMove(19, 50);
    starMap.MapaEstrellasClick();
    const DegreesChanges changes = screen->takeChanges();
    ASSERT_EQ(changes.scrolls.size(), 1u);
    EXPECT_EQ(changes.scrolls[0].control, DegreesControl::GridNotas);
    EXPECT_EQ(changes.scrolls[0].topRow, 6);

    screen->ButtonRetroNClick();  // back to the branches
    EXPECT_TRUE(starMap.view().visible);
    screen->ButtonRetroNClick();  // and to the menu
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_FALSE(starMap.view().timerRunning);
}

}  // namespace
}  // namespace velmora
