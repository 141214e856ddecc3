#include "core/university/degrees_screen.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/university/degrees_screen_fixture.h"

namespace velmora {
namespace {

using C = DegreesControl;
using testing::DegreesScreenFixture;

// A shown text back as the bytes of the data files.
std::string Bytes(const QString& text) { return cp1252::Encode(text); }

std::string Fit(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

class DegreesScreenTest : public ::testing::Test, public DegreesScreenFixture {
protected:
    // The tree as "parent:text:degree" lines, texts without trailing blanks.
    std::vector<std::string> tree() const {
        std::vector<std::string> out;
        for (const TreeNode& node : view().tree)
            out.push_back(std::to_string(node.parent) + ":" + Bytes(node.text.trimmed()) +
                          ":" + std::to_string(node.degree));
        return out;
    }
};

TEST_F(DegreesScreenTest, CaptionsComeFromTheTextSlots) {
    load();
    ASSERT_TRUE(created);
    auto caption = [&](C c) { return view().caption[static_cast<size_t>(c)].toStdString(); };
    EXPECT_EQ(view().windowTitle.toStdString(), "texto 338  IES Miralbueno ");
    EXPECT_EQ(caption(C::labelCentro), "IES Miralbueno - 2020/21");
    EXPECT_EQ(caption(C::botinfo2), "texto 111  texto 178");
    EXPECT_EQ(caption(C::botinfo3), "texto 346  texto 347");
    EXPECT_EQ(caption(C::LabelMaster), "texto 535 ?");
    EXPECT_EQ(caption(C::BotDoblesCar), "texto 242");
    EXPECT_EQ(caption(C::LabelBusTit), "texto 569 ...");
    EXPECT_EQ(view().hint[static_cast<size_t>(C::ListSel)].toStdString(), "Clic~Clic - texto 173");
    EXPECT_EQ(view().hint[static_cast<size_t>(C::BotIntUni)].toStdString(), "texto 174");
    EXPECT_EQ(view().comboText.toStdString(), "texto 373");
    EXPECT_EQ(view().comboItems[2].toStdString(), "texto 377");
    // From this screen's set-up on, a hint bubble stays 5 seconds.
    EXPECT_EQ(enlace.hintPause.shownFor(), DegreesScreen::kHintPauseMs);
    EXPECT_EQ(DegreesScreen::kHintPauseMs, 5000);
    EXPECT_EQ(ControlNamed("ButEstadisticas"), C::ButEstadisticas);
    EXPECT_EQ(ControlName(C::LabelMaster2), "LabelMaster2");
}

TEST_F(DegreesScreenTest, PointingAtTheMenuOpensOneSubmenuAtATime) {
    DegreesScreen& s = load();
    s.botinformacionClick();
    s.MenuMouseMove(C::BotMenuInfo);
    EXPECT_TRUE(visible(C::PanelMenu2));
    s.MenuMouseMove(C::BotMenuArtes);
    EXPECT_TRUE(visible(C::PanelMenu4));
    EXPECT_FALSE(visible(C::PanelMenu2));
    s.MenuMouseMove(C::PanelMenu2);
    EXPECT_TRUE(visible(C::PanelMenu2));
    EXPECT_FALSE(visible(C::PanelMenu4));
    s.MenuMouseMove(C::BotMenuUni);
    EXPECT_FALSE(visible(C::PanelMenu2));
    EXPECT_FALSE(visible(C::PanelMenu4));
}

TEST_F(DegreesScreenTest, BackFromTheMenuFollowsTheGlobalMarks) {
    DegreesScreen& s = load();
    s.botinformacionClick();
    EXPECT_EQ(s.BotMenuRetroClick(), DegreesScreen::Leave::MainMenu);
    EXPECT_FALSE(visible(C::PanelMenu));
    enlace.animationEnabled = true;
    EXPECT_EQ(s.BotMenuRetroClick(), DegreesScreen::Leave::Scene);
    enlace.assistantMode = true;
    EXPECT_EQ(s.BotMenuRetroClick(), DegreesScreen::Leave::Assistant);
}

TEST_F(DegreesScreenTest, TheBranchListHasSixRowsWithTheirIcons) {
    DegreesScreen& s = load();
    s.botinformacionClick();
    s.BotMenuGradosClick();
    ASSERT_EQ(view().branchRows.size(), 6u);
    const int icons[6] = {0, 5, 1, 4, 2, 3};
    for (size_t r = 0; r < 6; ++r) EXPECT_EQ(view().branchRows[r].icon, icons[r]);
    EXPECT_EQ(view().branchRows[4].text.toStdString(), "texto 519");
    EXPECT_EQ(view().branchRows[5].text.toStdString(), "texto 523");
    EXPECT_TRUE(view().detailLowered);
    EXPECT_TRUE(state().branchListShown && state().degreeMode && state().degreeListMode);
    EXPECT_FALSE(visible(C::PanelMenu));
    EXPECT_TRUE(visible(C::Listramas));
}

TEST_F(DegreesScreenTest, AllDegreesAreListedUnderTheirGroupsLeavingOutDegreesWithoutOne) {
    DegreesScreen& s = load();
    s.BotMenuGradosClick();
    s.ListramasClick(5);
    // Medicina has no group.
    EXPECT_EQ(state().rowDegree, (std::vector<int>{0, 1, 0, 2}));
    EXPECT_EQ(state().headerRow, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(state().workLines[0], "Ciencias de la Vida");
    EXPECT_EQ(state().workLines[1], Fit("Biología", 60));
    EXPECT_EQ(state().workMarks, (std::vector<std::string>{"", "+", "", ""}));
    EXPECT_EQ(view().degreeRows[0][0].kind, RowKind::Heading);
    EXPECT_EQ(view().degreeRows[1][0].icon, 3);
    EXPECT_TRUE(visible(C::listgrados));
    EXPECT_FALSE(visible(C::Listramas));
    EXPECT_FALSE(state().branchListShown);
    EXPECT_EQ(s.takeChanges().focus, C::listgrados);
}

TEST_F(DegreesScreenTest, AGroupWithoutDegreesOfTheBranchHasNoHeading) {
    DegreesScreen& s = load();
    s.BotMenuGradosClick();
    s.ListramasClick(2);  // branch 3: only Derecho, of the second group
    EXPECT_EQ(state().rowDegree, (std::vector<int>{0, 2}));
    EXPECT_EQ(state().workLines[0], "Derecho y Política");
    s.ListramasClick(0);  // branch 1 has no degree at all
    EXPECT_TRUE(state().rowDegree.empty());
    s.ListramasClick(1);  // branch 2 is a flat list
    EXPECT_EQ(state().rowDegree, std::vector<int>{1});
    EXPECT_EQ(state().headerRow, std::vector<bool>{false});
}

TEST_F(DegreesScreenTest, OnlyDegreesWithSpecificTitlesHaveAHint) {
    DegreesScreen& s = load();
    s.ListramasClick(5);
    s.takeChanges();
    s.listgradosMouseMove(1);
    EXPECT_EQ(Bytes(view().degreeHint), "    texto 538\n-Biología Sanitaria\n");
    EXPECT_TRUE(s.takeChanges().has(DegreesChanges::DegreeHint));
    s.listgradosMouseMove(1);  // the same row: the shown hint stays
    EXPECT_FALSE(s.takeChanges().has(DegreesChanges::DegreeHint));
    for (int row : {0, 3, -1, 9}) {
        s.listgradosMouseMove(1);
        s.listgradosMouseMove(row);
        EXPECT_TRUE(view().degreeHint.isEmpty()) << row;
    }
}

TEST_F(DegreesScreenTest, SelectingAHeadingEmptiesTheDetailArea) {
    DegreesScreen& s = load();
    s.ListramasClick(5);
    s.listgradosMouseUp(1);
    ASSERT_TRUE(starMap.view().visible);
    s.listgradosMouseUp(0);
    EXPECT_EQ(state().currentDegree, 0);
    EXPECT_EQ(view().titleBar.toStdString(), "texto 48");
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_TRUE(view().selRows.empty());
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_FALSE(starMap.view().timerRunning);
}

TEST_F(DegreesScreenTest, SelectingADegreeShowsWhereToStudyAndLightsItsCommunities) {
    DegreesScreen& s = load();
    s.ListramasClick(5);
    s.takeChanges();
    s.listgradosMouseUp(1);
    EXPECT_EQ(state().currentDegree, 1);
    EXPECT_EQ(Bytes(view().titleBar), "Biología");
    for (C c : {C::BotUni, C::BotReq, C::BotSal, C::BotDoblesCar, C::BotPonde, C::BotCorte,
                C::BotImprimirN, C::GridNotas})
        EXPECT_TRUE(visible(c)) << ControlName(c);
    ASSERT_EQ(state().gridCells.size(), 6u);
    EXPECT_EQ(view().gridRows[3][0].kind, RowKind::Icon);
    EXPECT_EQ(view().gridRows[3][0].text.toStdString(), Fit("Universidad de Granada", 35));
    EXPECT_EQ(view().gridRows[2][0].colour, ColourOf(PaletteColour::Maroon));
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(enlace.regionMaps.markerFlags[static_cast<size_t>(c)], c == 1 || c == 13) << c;
    EXPECT_TRUE(starMap.view().visible && starMap.view().timerRunning);
    EXPECT_TRUE(starMap.takeRedrawRequest());
    const DegreesChanges changes = s.takeChanges();
    EXPECT_EQ(changes.focus, C::GridNotas);
    EXPECT_EQ(changes.panelSelTransition, TransitionKind::Roll);
    ASSERT_EQ(changes.scrolls.size(), 1u);
    EXPECT_EQ(changes.scrolls[0].topRow, 0);
    EXPECT_TRUE(changes.scrolls[0].clearSelection);

    // Opened from the assistant, the grid does not take the focus.
    enlace.assistantMode = true;
    s.listgradosMouseUp(1);
    EXPECT_FALSE(s.takeChanges().focus.has_value());
}

TEST_F(DegreesScreenTest, TheListenerHearsOnceAfterANestedHandler) {
    DegreesScreen& s = load();
    int calls = 0;
    s.setOnChange([&] { ++calls; });
    s.ListramasClick(5);
    EXPECT_EQ(calls, 1);
    s.listgradosMouseUp(1);  // SelectDegree and BotUniClick inside
    EXPECT_EQ(calls, 2);
}

TEST_F(DegreesScreenTest, TheTreeByGroupsCollectsEachGroupAtItsFirstDegree) {
    folder.data("datgradosphp", {"2;1;1;0;0;0;0;0;3;12;1;3;0;0",
                                 "3;2;6;0;2;0;0;0;23;7;2;0;0;0",
                                 "5;1;3;0;1;0;0;0;21;13;50;0;0;0"});
    DegreesScreen& s = load();
    s.ComboAgruChange(1);
    EXPECT_EQ(tree(), (std::vector<std::string>{"-1:Ciencias de la Vida (2):0", "0:Biología:1",
                                                "0:Medicina:3", "-1:Derecho y Política (1):0",
                                                "3:Derecho:2"}));
    EXPECT_TRUE(visible(C::Tree));
    EXPECT_FALSE(visible(C::listgrados));
    EXPECT_EQ(view().tree[0].colour, ColourOf(PaletteColour::Blue));
    EXPECT_EQ(view().tree[0].image, 4);
    EXPECT_EQ(view().tree[1].colour, ColourOf(PaletteColour::Navy));
}

TEST_F(DegreesScreenTest, TheTreeByItinerarySendsItinerary12ToThe11th) {
    folder.data("datgradosphp", {"2;1;1;0;0;0;0;0;3;12;1;3;0;0",
                                 "3;2;6;1;2;0;0;0;23;7;2;0;0;0",
                                 "5;0;3;12;1;0;0;0;21;12;50;0;0;0"});
    DegreesScreen& s = load();
    s.ComboAgruChange(3);
    const std::vector<TreeNode>& nodes = view().tree;
    std::vector<int> tops;
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].parent < 0) tops.push_back(static_cast<int>(i));
    ASSERT_EQ(tops.size(), 11u);
    EXPECT_EQ(nodes[0].text.trimmed().toStdString(), "Ciencias");
    // Itinerary 1: the first pass (field 2) before the second (field 3).
    EXPECT_EQ(nodes[1].degree, 1);
    EXPECT_EQ(nodes[2].degree, 2);
    EXPECT_EQ(nodes.back().degree, 3);
    EXPECT_EQ(nodes.back().parent, tops[10]);
}

TEST_F(DegreesScreenTest, TheTreeByActivitySkipsActivities23And24) {
    std::vector<std::string> activities;
    for (int a = 1; a <= 25; ++a) activities.push_back("A" + Fit(std::to_string(a), 3) + " Act " + std::to_string(a));
    activities[0] = "A001 Sanidad";
    activities[1] = "A002 Derecho";
    folder.language("activida", activities);
    DegreesScreen& s = load();
    s.ComboAgruChange(2);
    std::vector<std::string> nodes = tree();
    ASSERT_EQ(nodes.size(), 23u + 2u);
    EXPECT_EQ(nodes[0], "-1:Sanidad:0");
    EXPECT_EQ(nodes[1], "0:Medicina:3");
    EXPECT_EQ(nodes[2], "-1:Derecho:0");
    EXPECT_EQ(nodes[3], "2:Derecho:2");
    EXPECT_EQ(nodes[24], "-1:Act 25:0");
    for (const std::string& node : nodes) EXPECT_EQ(node.find("Act 23"), std::string::npos);
}

TEST_F(DegreesScreenTest, TheAlphabeticalListSortsOnTenCharactersOutsideCastilian) {
    degreesAtOnePlace(4, {1});
    folder.language("carreran", {"Ingenieria Zeta", "\xC1rea", "Arte", "Ingenieria Alfa"});
    DegreesScreen& s = load();
    auto order = [&] {
        std::vector<int> out;
        for (const TreeNode& node : view().tree) out.push_back(node.degree);
        return out;
    };
    s.ComboAgruChange(4);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3, 4}));
    enlace.nonCastilian = true;
    s.ComboAgruChange(4);
    // Bytes compare unsigned, so the accented capital sorts last; names equal in their first
    // 10 characters keep their file order.
    EXPECT_EQ(order(), (std::vector<int>{3, 1, 4, 2}));
}

TEST_F(DegreesScreenTest, ClickingTreeNodesSetsTheirSelectedImagesAndSelects) {
    DegreesScreen& s = load();
    s.ComboAgruChange(1);  // groups: G1, Biología, G2, Derecho, Medicina
    s.TreeClick(1);
    EXPECT_EQ(view().tree[1].selectedImage, 2);
    EXPECT_EQ(state().currentDegree, 1);
    EXPECT_TRUE(s.takeChanges().repaintTree);
    s.TreeClick(4);  // a top-level degree of the grouped tree
    EXPECT_EQ(view().tree[4].selectedImage, 2);
    EXPECT_EQ(state().currentDegree, 3);
    s.TreeClick(0);  // a group: nothing selected, the detail area emptied
    EXPECT_EQ(view().tree[0].selectedImage, 4);
    EXPECT_TRUE(view().titleBar.isEmpty());
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_TRUE(s.takeChanges().has(DegreesChanges::RichSalidasText));
    EXPECT_TRUE(view().richSalidas.paragraphs.empty());
    s.ComboAgruChange(4);
    s.TreeClick(0);
    EXPECT_EQ(view().tree[0].selectedImage, 0);
}

TEST_F(DegreesScreenTest, ButtonRetroNGoesBackToTheBranchesThenToTheMenu) {
    DegreesScreen& s = load();
    s.botinformacionClick();
    s.BotMenuGradosClick();
    s.ListramasClick(5);
    s.listgradosMouseUp(1);
    s.ButtonRetroNClick();
    EXPECT_TRUE(visible(C::Listramas));
    EXPECT_TRUE(state().branchListShown);
    s.ComboAgruChange(1);
    s.ButtonRetroNClick();  // the tree is showing: back to the branches
    EXPECT_TRUE(visible(C::Listramas));
    EXPECT_FALSE(visible(C::Tree));
    s.ButtonRetroNClick();
    EXPECT_FALSE(visible(C::PanelTree));
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_TRUE(visible(C::PanelMenu));
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_FALSE(state().degreeMode);
}

}  // namespace
}  // namespace velmora
