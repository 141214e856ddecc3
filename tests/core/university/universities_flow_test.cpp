#include <gtest/gtest.h>

#include "core/university/degrees_screen_fixture.h"

namespace velmora {
namespace {

using C = DegreesControl;
using testing::DegreesScreenFixture;

std::string Fit(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// Column x of the test grid is community x (1..19); y = 40 is inside the map.
constexpr int kY = 40;

class UniversitiesFlowTest : public ::testing::Test, public DegreesScreenFixture {
protected:
    DegreesScreen& openMap() {
        DegreesScreen& s = load();
        s.botinformacionClick();
        s.BotMenuUniClick();
        return s;
    }
    // From the menu to the degrees of the only place of community 13 (Complutense).
    DegreesScreen& openComplutense() {
        DegreesScreen& s = openMap();
        s.mapaMouseMove(13, kY);
        s.mapaClick();
        s.ListComunidadClick(0);
        return s;
    }
};

TEST_F(UniversitiesFlowTest, TheMapNamesTheCommunityUnderThePointer) {
    DegreesScreen& s = openMap();
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_TRUE(visible(C::BotRetroceder));
    EXPECT_FALSE(visible(C::PanelMenu));
    EXPECT_EQ(view().cursor[static_cast<size_t>(C::ListSel)], CursorKind::Hand);
    s.mapaMouseMove(13, kY);
    EXPECT_TRUE(visible(C::PanelMapa));
    EXPECT_EQ(view().mapPanelAt, QPoint(13, kY + 130));
    EXPECT_EQ(view().mapPanelText.toStdString(), "Comunidad 13");
    EXPECT_EQ(view().cursor[static_cast<size_t>(C::mapa)], CursorKind::Hand);
    s.mapaMouseMove(100, kY);  // the sea
    EXPECT_TRUE(view().mapPanelText.isEmpty());
    EXPECT_EQ(view().cursor[static_cast<size_t>(C::mapa)], CursorKind::Default);
    s.mapaMouseMove(13, kY);
    s.takeChanges();
    s.mapaMouseMove(0, kY);  // off the map: nothing at all
    s.mapaMouseMove(13, 197);
    EXPECT_FALSE(s.takeChanges().any());
    EXPECT_EQ(view().mapPanelText.toStdString(), "Comunidad 13");
    s.FormMouseMove();
    EXPECT_FALSE(visible(C::PanelMapa));
}

TEST_F(UniversitiesFlowTest, ACommunityListsItsPlacesAndAPlaceItsDegrees) {
    DegreesScreen& s = openMap();
    s.mapaMouseMove(13, kY);
    s.mapaClick();
    EXPECT_EQ(state().clickedCommunity, 13);
    EXPECT_FALSE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(C::PanelMapa));
    ASSERT_EQ(state().communityLines,
              std::vector<std::string>{Fit("Universidad Complutense de Madrid", 35)});
    EXPECT_EQ(state().placeOfRow, std::vector<int>{2});
    EXPECT_EQ(view().communityRows[0].icon, 5);

    s.ListComunidadClick(0);
    EXPECT_EQ(state().currentPlace, 2);
    EXPECT_EQ(view().titleBar.toStdString(), Fit("Universidad Complutense de Madrid", 35));
    // Biología under its own name here, Medicina under its specific title 2; then the double
    // degree of the place, whose tag was blank.
    EXPECT_EQ(cell(0, 0), "<" + Fit("Biología", 54));
    EXPECT_EQ(cell(0, 1), " 10,2");
    EXPECT_EQ(cell(1, 0), "<" + Fit("Medicina y Cirugía", 54));
    EXPECT_EQ(cell(4, 0), Fit("Derecho", 55));
    EXPECT_EQ(cell(4, 1), "  -  ");
    EXPECT_EQ(cell(5, 0), " + " + Fit("Biología", 52));
    EXPECT_EQ(state().gridDegree, (std::vector<int>{1, 3, 0, 0, 0, 0, 0}));
    for (C c : {C::GridNotas, C::BotIntUni, C::BotImprimir, C::ListComunidad})
        EXPECT_TRUE(visible(c)) << ControlName(c);
    EXPECT_FALSE(visible(C::ListSel));

    s.BotIntUniMouseUp();
    EXPECT_EQ(opener.opened, QStringList{QStringLiteral("http://www.ucm.es")});
}

TEST_F(UniversitiesFlowTest, ACommunityWithoutPlacesGivesOneRowThatLeadsNowhere) {
    DegreesScreen& s = openMap();
    s.mapaMouseMove(5, kY);
    s.mapaClick();
    EXPECT_EQ(state().communityLines, std::vector<std::string>{"texto 292"});
    EXPECT_TRUE(visible(C::ListComunidad));
    s.ListComunidadClick(0);
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_EQ(state().currentPlace, 0);
}

TEST_F(UniversitiesFlowTest, AClickOnTheSeaOrBeforeAnyMoveUsesTheLastRegion) {
    DegreesScreen& s = openMap();
    // No pointer move yet: the region under the cursor starts as community 1 (Granada).
    s.mapaClick();
    EXPECT_EQ(state().placeOfRow, std::vector<int>{1});
    s.BotRetrocederClick();
    s.mapaMouseMove(100, kY);
    s.mapaClick();
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(C::ListComunidad));
}

TEST_F(UniversitiesFlowTest, DoubleClicksOnRowsWithoutADegreeDoNothing) {
    DegreesScreen& s = openComplutense();
    s.takeChanges();
    for (int row : {2, 3, 4, 5, 6, 7, -1, 40}) s.GridNotasDblClick(row);
    EXPECT_FALSE(s.takeChanges().any());
    EXPECT_FALSE(state().pickedFlag);
    EXPECT_EQ(state().currentDegree, 0);
}

TEST_F(UniversitiesFlowTest, DoubleClickingADegreeOfAPlaceOpensItsWhereToStudy) {
    DegreesScreen& s = openComplutense();
    int calls = 0;
    s.setOnChange([&] { ++calls; });
    s.GridNotasDblClick(1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(state().pickedDegree, 3);
    EXPECT_TRUE(state().pickedFlag);
    EXPECT_TRUE(state().degreeListMode);
    EXPECT_EQ(state().currentDegree, 3);
    EXPECT_EQ(view().titleBar.toStdString(), "Medicina");
    EXPECT_TRUE(visible(C::PanelTree));
    EXPECT_TRUE(visible(C::Listramas));
    EXPECT_TRUE(visible(C::BotUni));
    EXPECT_FALSE(visible(C::ListComunidad));
    EXPECT_FALSE(visible(C::PanelMenu));
    EXPECT_EQ(state().gridCells.size(), 8u);
    EXPECT_EQ(state().communityFirstRow[19], 6);
    EXPECT_TRUE(starMap.view().visible);
    // The grid now shows where the degree is offered: a double click picks nothing more.
    s.GridNotasDblClick(3);
    EXPECT_EQ(state().pickedDegree, 3);
}

TEST_F(UniversitiesFlowTest, BackGoesOneLevelAtATime) {
    DegreesScreen& s = openComplutense();
    s.BotRetrocederClick();  // degrees of the place -> the map
    EXPECT_FALSE(visible(C::ListComunidad));
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_TRUE(visible(C::BotRetroceder));
    EXPECT_TRUE(state().degreeMode);
    EXPECT_FALSE(visible(C::PanelMenu));
    s.BotRetrocederClick();  // the map -> the menu
    EXPECT_TRUE(visible(C::PanelMenu));
    EXPECT_FALSE(state().degreeMode);
    for (C c : {C::PanelEstrellas, C::BotRetroceder, C::GridNotas, C::BotIntUni, C::BotImprimir,
                C::PanelSel, C::PanelSelTit, C::ListSel})
        EXPECT_FALSE(visible(c)) << ControlName(c);
    EXPECT_EQ(view().cursor[static_cast<size_t>(C::ListSel)], CursorKind::NotAllowed);
}

TEST_F(UniversitiesFlowTest, AnEmptyAddressOpensThePrefixAlone) {
    folder.data("lugar", {testing::PlaceLine(" 1", "Universidad de Granada", ""),
                          testing::PlaceLine("13", "Universidad Complutense de Madrid", "ucm.es"),
                          testing::PlaceLine("19", "UGR Campus de Melilla", "ugr.es")});
    DegreesScreen& s = openMap();
    s.mapaMouseMove(1, kY);
    s.mapaClick();
    s.ListComunidadClick(0);
    s.BotIntUniMouseUp();
    EXPECT_EQ(opener.opened, QStringList{QStringLiteral("http://www.")});
}

}  // namespace
}  // namespace velmora
