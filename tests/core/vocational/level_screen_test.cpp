// The level screens' shared model on the intermediate screen: family groups and families, the
// title with its communities, listing A by community, listing B by province, comarca, district
// and zone, the grid's double click and every way back.
#include "core/vocational/level_screen.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/shared/shutdown.h"
#include "core/vocational/level_screen_fixture.h"

namespace velmora {
namespace {

using C = LevelControl;
using testing::LevelScreenFixture;

constexpr int kAragon = 2;
constexpr int kAsturias = 3;
constexpr int kCatalonia = 9;
constexpr int kMadrid = 13;
constexpr int kGuadalajaraless = 7;  // Castilla-La Mancha: no centre of the fixture's titles

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// A centre's row: "-" + columns 2-45 of its line.
std::string CentreRow(const std::string& line) {
    return "-" + line.substr(1, 44);
}

class LevelScreenTest : public ::testing::Test, protected LevelScreenFixture {
  protected:
    void SetUp() override {
        load();
        ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        create();
    }
    bool visible(C control) const { return screen->view().visible[static_cast<size_t>(control)]; }
    QString caption(C control) const {
        return screen->view().caption[static_cast<size_t>(control)];
    }
    std::vector<std::string> familyTexts() const {
        std::vector<std::string> out;
        for (const Cell& cell : screen->view().familyRows) out.push_back(cp1252::Encode(cell.text));
        return out;
    }
    // By title, down to title `position` of the family at `family` of group `group`.
    void chooseTitle(int group, int family, int position) {
        screen->botTit2Click();
        screen->ListPreFamMouseDown(group - 1);
        screen->ListPreFamMouseDown(family);
        screen->ListTitClick(position);
    }
    const std::string& fp2(int title) const { return enlace.vocational.titlesGM[title]; }
    const std::string& lu(int list, int line) const {
        return enlace.vocational.centreLists[static_cast<size_t>(list - 1)][line];
    }
};

// --- Family groups and families ----------------------------------------------------------------

TEST_F(LevelScreenTest, TheGroupsListTheirFamiliesWithTheLaterGenerationsInGroupsOneAndSix) {
    struct Case {
        const char* name;
        int group;
        std::vector<std::string> families;  // after the back item
        std::vector<int> icons;             // of the family rows
        int height;
    };
    const std::vector<Case> cases = {
        // "010200": the last header (the "!" generation) joins, from its second character.
        {"group 1", 1, {"Familia 01", "Familia 02", "Ensenanzas deportivas"}, {31, 2, 2}, 301},
        {"group 2", 2, {"Familia 03", "Familia 04", "Familia 05"}, {1, 32, 9}, 169},
        // "0600 7": the empty slot moves Familia 07 up instead of losing it.
        {"an empty slot", 3, {"Familia 06", "Familia 07"}, {3, 28}, 169},
        // "141516" and the "|" header, which shows the first family's icon.
        {"group 6",
         6,
         {"Familia 14", "Familia 15", "Familia 16", "Artes plasticas y diseno"},
         {19, 7, 12, 19},
         301},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        screen->botTit2Click();
        screen->ListPreFamMouseDown(c.group - 1);
        std::vector<std::string> expected = {text(82)};
        expected.insert(expected.end(), c.families.begin(), c.families.end());
        EXPECT_EQ(familyTexts(), expected);
        EXPECT_EQ(screen->view().familyRows[0].icon, 43);
        for (size_t i = 0; i < c.icons.size(); ++i)
            EXPECT_EQ(screen->view().familyRows[i + 1].icon, c.icons[i]) << i;
        EXPECT_EQ(screen->view().familyListHeight, c.height);
        EXPECT_EQ(caption(C::PanelSelTit), qtext(578));
    }
}

TEST_F(LevelScreenTest, AFamilyListsItsTitlesAndTheBackItemReturnsToTheGroups) {
    screen->botTit2Click();
    screen->ListPreFamMouseDown(0);
    screen->ListPreFamMouseDown(3);  // the "!" family, moved up to the third row
    ASSERT_EQ(screen->view().titleRows.size(), 1u);
    EXPECT_EQ(screen->view().titleRows[0].text, QStringLiteral("Futbol"));
    EXPECT_EQ(caption(C::Labeltitulo),
              QStringLiteral("Ensenanzas deportivas - ") + qtext(307) + QStringLiteral("..."));
    EXPECT_EQ(screen->view().familySelected, 3);

    screen->ListPreFamMouseDown(0);  // back to the groups, choosing nothing
    EXPECT_TRUE(screen->state().groupsShown);
    EXPECT_EQ(screen->view().familyRows.size(), 9u);
    EXPECT_FALSE(visible(C::ListTit));
    EXPECT_FALSE(visible(C::Labeltitulo));
    EXPECT_EQ(screen->state().selectedTitle, 0);

    screen->ListPreFamMouseDown(1);
    screen->ListPreFamMouseDown(1);  // Familia 03 has no title
    EXPECT_TRUE(screen->view().titleRows.empty());
    EXPECT_EQ(caption(C::Labeltitulo), QStringLiteral("Familia 03 - ") + qtext(292));
}

// --- A title and its communities ---------------------------------------------------------------

TEST_F(LevelScreenTest, ATitleLightsTheCommunitiesThatTeachItAndBlinks) {
    chooseTitle(1, 1, 0);
    const LevelState& s = screen->state();
    ASSERT_EQ(s.selectedTitle, 2);
    std::vector<int> lit;
    for (int c = 1; c <= 19; ++c)
        if (s.titleCommunities[static_cast<size_t>(c)]) lit.push_back(c);
    EXPECT_EQ(lit, (std::vector<int>{kAragon, kAsturias, kCatalonia, kMadrid}));
    for (C c : {C::BotPuesto, C::BotRequisitos, C::botAsig, C::BotImprimir, C::BotRetrocederFP,
                C::PanelEstrellas})
        EXPECT_TRUE(visible(c)) << IntermediateName(c);
    EXPECT_FALSE(visible(C::ListPreFam));
    EXPECT_TRUE(screen->view().timers[0] && screen->view().timers[1]);

    // The title bar blinks nine times and stays on the title.
    const QString title = QStringLiteral("Ciclo medio 01.1");
    std::vector<bool> shown;
    for (int i = 0; i < 9; ++i) {
        screen->tick(LevelTimer::Parpadeo);
        shown.push_back(caption(C::PanelCarSel) == title);
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, true, false, true, false, true}));
    EXPECT_FALSE(screen->view().timers[static_cast<size_t>(LevelTimer::Parpadeo)]);

    // The stars pulse through three sizes round the lit communities.
    screen->takeChanges();
    for (int i = 0; i < 4; ++i) screen->tick(LevelTimer::Estrellas);
    const LevelChanges changes = screen->takeChanges();
    ASSERT_EQ(changes.markerSteps.size(), 4u);
    EXPECT_EQ(changes.markerSteps[2].size, 3);
    EXPECT_EQ(changes.markerSteps[3].size, 1);
    EXPECT_EQ(changes.markerSteps[0].ellipses.size(), 4u);
}

TEST_F(LevelScreenTest, ACommunityListsItsCentresByProvince) {
    chooseTitle(1, 1, 0);  // GM title 2
    struct Case {
        const char* name;
        int community;
        std::vector<std::string> rows;
    };
    const std::string huesca = Padded("- " + Padded("Huesca", 35), 44);
    const std::vector<Case> cases = {
        // Four provinces: Huesca alone has centres; its heading and closing row stay.
        {"Aragon",
         kAragon,
         {huesca, CentreRow(lu(1, 1)).substr(1), CentreRow(lu(1, 3)).substr(1),
          std::string(60, ' ')}},
        // One province: no heading.
        {"Asturias", kAsturias, {CentreRow(lu(1, 5)).substr(1)}},
        {"no centre", kGuadalajaraless, {text(292)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clickCommunity(c.community);
        EXPECT_EQ(gridColumn(), c.rows);
        EXPECT_TRUE(visible(C::reja));
        EXPECT_FALSE(visible(C::listSelFP));
        EXPECT_EQ(caption(C::PanelSelTit), qtext(323));
    }
    clickCommunity(kAragon);
    EXPECT_EQ(gridColumn(1), (std::vector<std::string>{"", "974000001", "974000003", ""}));
    EXPECT_EQ(screen->view().gridRows[0][0].kind, RowKind::Heading);
    EXPECT_EQ(screen->view().gridRows[1][0].icon, 3);
    EXPECT_EQ(screen->view().gridRows[3][0].icon, -1);
}

TEST_F(LevelScreenTest, ListingAReadsTheLevelsOwnOffersAndClosesProvincesAsTheLevelDoes) {
    const CommunityProvinces aragon =
        ProvincesOfCommunity(enlace.degreeTables.communities, kAragon);
    ASSERT_EQ(aragon.count(), 4);
    std::vector<std::string> codes;
    for (int k = 0; k < aragon.count(); ++k)
        codes.emplace_back(ProvinceCode(enlace.vocational, aragon.firstCode + k));
    EXPECT_EQ(codes, (std::vector<std::string>{"16", "1I", "1J", "1K"}));
    struct Case {
        const char* name;
        Level level;
        int title;
        std::string closing;
        size_t rows;
    };
    for (const Case& c :
         std::vector<Case>{{"GM title 2", Level::Intermediate, 2, "", 4},
                           {"GM title 4", Level::Intermediate, 4, "", 6},
                           {"GS title 2", Level::Higher, 2, std::string(60, ' '), 3}}) {
        SCOPED_TRACE(c.name);
        const std::vector<ListingRow> rows =
            CentresTeaching(enlace.vocational, c.level, codes, aragon.names, c.title, c.closing);
        ASSERT_EQ(rows.size(), c.rows);
        EXPECT_EQ(rows.back()[0], std::string(60, ' '));
        EXPECT_EQ(rows.back()[1], c.closing);
    }
}

TEST_F(LevelScreenTest, ATitleNumberOrProvinceCodeThatPointsNowhereShowsNothing) {
    // Terrassa lists GM title 300, which fp2 does not have: by place it shows title 2 only.
    screen->botLug2Click();
    clickCommunity(kCatalonia);
    clickComarca(41);
    EXPECT_EQ(gridColumn(), (std::vector<std::string>{CentreRow(lu(4, 3)), fp2(2), ""}));

    // A community whose first code entry lies beyond the 64 codes has no centre.
    std::vector<std::string> communities = {"01Andalucia", "99Aragon"};
    for (int c = 3; c <= 19; ++c) communities.push_back("64Otra");
    folder.data("comunida", communities);
    enlace.readers.ReadPaddedTable(folder.file(QStringLiteral("comunida")),
                                   enlace.degreeTables.communities, 55);
    chooseTitle(1, 1, 0);
    clickCommunity(kAragon);
    EXPECT_EQ(gridColumn(), std::vector<std::string>{text(292)});
}

// --- By place ------------------------------------------------------------------------------------

TEST_F(LevelScreenTest, AProvinceShowsItsLocalitiesFirstThenTheGridScrolledToTheLocality) {
    screen->botLug2Click();
    clickCommunity(kAragon);
    EXPECT_TRUE(visible(C::ListSelLugFP));
    EXPECT_EQ(screen->view().placeRows.size(), 4u);

    screen->ListSelLugFPClick(0);  // Huesca: only the localities
    EXPECT_TRUE(screen->state().localityMode);
    EXPECT_EQ(placeTexts(), (std::vector<std::string>{"Huesca", "Jaca"}));
    EXPECT_TRUE(screen->state().gridCells.empty());
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Huesca"));

    screen->takeChanges();
    screen->ListSelLugFPClick(1);  // Jaca: every GM centre of the province, Jaca's on top
    const std::vector<std::string> rows = {CentreRow(lu(1, 1)), fp2(2), fp2(4), "",
                                           CentreRow(lu(1, 3)), fp2(2), ""};
    EXPECT_EQ(gridColumn(), rows);
    EXPECT_EQ(screen->state().gridTitles, (std::vector<int>{0, 2, 4, 0, 0, 2, 0}));
    const LevelChanges changes = screen->takeChanges();
    ASSERT_EQ(changes.scrolls.size(), 1u);
    EXPECT_EQ(changes.scrolls[0].topRow, 4);
    EXPECT_EQ(caption(C::PanelSelTit), qtext(190) + QStringLiteral(" - ") + qtext(390));
    EXPECT_EQ(screen->view().gridRows[0][0].fill, ColourOf(PaletteColour::Maroon));
}

TEST_F(LevelScreenTest, AllTitlesListsEveryLevelWithSeparatorsAndEmptiesTheGridUntilALocality) {
    screen->botLug2Click();
    clickCommunity(kAragon);
    screen->ListSelLugFPClick(0);
    screen->ListSelLugFPClick(0);
    ASSERT_FALSE(screen->state().gridCells.empty());

    screen->BotTodoFPClick();
    EXPECT_TRUE(screen->state().gridCells.empty());
    EXPECT_EQ(caption(C::PanelSelTit), qtext(391));
    EXPECT_EQ(caption(C::BotTodoFP), qtext(390));
    // IES Pirineos, which teaches no GM title, now counts: Huesca still starts both.
    EXPECT_EQ(placeTexts(), (std::vector<std::string>{"Huesca", "Jaca"}));

    screen->ListSelLugFPClick(0);
    const VocationalTables& t = enlace.vocational;
    const std::vector<std::string> rows = {
        CentreRow(lu(1, 1)), "GS " + t.titlesGS[2], " -----", "GM " + fp2(2), "GM " + fp2(4),
        " -----", text(263) + " " + t.titlesBasic[2], "",
        // GS titles only: two separators all the same.
        CentreRow(lu(1, 2)), "GS " + t.titlesGS[5], " -----", " -----", "", CentreRow(lu(1, 3)),
        "GM " + fp2(2), " -----", ""};
    EXPECT_EQ(gridColumn(), rows);
    // Only the GM rows open a title.
    EXPECT_EQ(screen->state().gridTitles,
              (std::vector<int>{0, 0, 0, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0}));
    EXPECT_EQ(screen->view().gridRows[2][0].icon, -1);  // a separator keeps the default drawing
}

TEST_F(LevelScreenTest, CataloniaAndMadridAreChosenOnTheirOwnMaps) {
    screen->botLug2Click();
    clickCommunity(kCatalonia);
    EXPECT_TRUE(visible(C::mapac));
    EXPECT_FALSE(visible(C::ListSelLugFP));
    EXPECT_FALSE(visible(C::PanelEstrellas));

    clickComarca(37);  // the Barcelones opens its districts instead
    EXPECT_TRUE(visible(C::listBarcelona));
    EXPECT_TRUE(screen->state().gridCells.empty());
    screen->listBarcelonaClick(4);  // the heading among the districts does nothing
    EXPECT_TRUE(screen->state().gridCells.empty());
    screen->listBarcelonaClick(5);
    EXPECT_EQ(gridColumn(), (std::vector<std::string>{CentreRow(lu(4, 2)), fp2(2), ""}));
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Ciutat Vella"));
    screen->BotCerrarClick();
    EXPECT_FALSE(visible(C::listBarcelona));

    screen->BotRetrocederFPClick();  // back to the map
    clickCommunity(kMadrid);
    EXPECT_TRUE(visible(C::mapam));
    // A zone of one line shows its name and the joining dash.
    screen->mapamMouseMove(testing::RegionX(RegionMap::M, 2), 10);
    EXPECT_EQ(screen->view().mapPanelText, QStringLiteral("Madrid: Latina - "));
    EXPECT_EQ(screen->view().mapPanelWidth, 250);
    screen->mapamMouseMove(testing::RegionX(RegionMap::M, 1), 10);
    EXPECT_EQ(screen->view().mapPanelText, QStringLiteral("Madrid: Centro - Arganzuela"));
    clickZone(1);
    EXPECT_EQ(gridColumn(), (std::vector<std::string>{CentreRow(lu(2, 2)), fp2(4), ""}));
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Madrid"));
    clickZone(3);  // Alcobendas teaches no GM title
    EXPECT_TRUE(screen->state().gridCells.empty());
}

TEST_F(LevelScreenTest, TheMapNamesTheRegionUnderThePointerAndNothingOffIt) {
    screen->botLug2Click();
    screen->mapaMouseMove(testing::RegionX(RegionMap::Communities, kAragon), 40);
    EXPECT_TRUE(visible(C::PanelMapa));
    EXPECT_EQ(screen->view().mapPanelText, QStringLiteral("Aragon"));
    EXPECT_EQ(screen->view().mapPanelAt, QPoint(testing::RegionX(RegionMap::Communities, 2), 260));
    EXPECT_EQ(screen->view().cursor[static_cast<size_t>(C::mapa)], CursorKind::Hand);
    screen->mapaMouseMove(280, 40);  // no region there
    EXPECT_EQ(screen->view().mapPanelText, QString());
    EXPECT_EQ(screen->view().cursor[static_cast<size_t>(C::mapa)], CursorKind::Default);
    screen->mapaMouseMove(282, 40);  // off the map: nothing changes
    EXPECT_EQ(screen->view().mapPanelAt.x(), 280);
    screen->FormMouseMove();
    EXPECT_FALSE(visible(C::PanelMapa));
}

TEST_F(LevelScreenTest, ADoubleClickOnATitleRowOpensThatTitle) {
    screen->botLug2Click();
    clickCommunity(kAsturias);  // one province: opened at once
    EXPECT_EQ(placeTexts(), std::vector<std::string>{"Oviedo"});
    screen->ListSelLugFPClick(0);
    screen->rejaDblClick(0);  // the centre's row: nothing
    EXPECT_TRUE(screen->state().byPlace);
    screen->rejaDblClick(1);
    EXPECT_TRUE(screen->state().byTitle);
    EXPECT_FALSE(screen->state().byPlace);
    EXPECT_EQ(screen->state().selectedTitle, 2);
    EXPECT_TRUE(screen->state().gridCells.empty());
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(C::ListSelLugFP));
    EXPECT_FALSE(screen->state().gridClickable);
    // Back from that title: the groups, since no family was ever chosen.
    screen->BotRetrocederFPClick();
    EXPECT_TRUE(visible(C::ListPreFam));
    EXPECT_EQ(screen->view().familyRows.size(), 9u);
}

// --- Going back
// ------------------------------------------------------------------------------------

TEST_F(LevelScreenTest, EveryStepGoesBackOneStep) {
    struct Step {
        const char* name;
        std::function<void()> back;
        std::vector<C> shown;
        std::vector<C> hidden;
    };
    auto back = [&] { screen->BotRetrocederFPClick(); };
    screen->botLug2Click();
    clickCommunity(kAragon);
    screen->ListSelLugFPClick(0);
    screen->ListSelLugFPClick(0);
    const std::vector<Step> steps = {
        {"localities to provinces", back, {C::ListSelLugFP}, {}},
        {"provinces to the map",
         back,
         {C::PanelEstrellas},
         {C::ListSelLugFP, C::reja, C::BotTodoFP}},
        {"map to the start",
         back,
         {C::botTit2, C::botLug2, C::botSalir},
         {C::PanelEstrellas, C::BotRetrocederFP, C::PanelSelec}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.back();
        for (C c : step.shown) EXPECT_TRUE(visible(c)) << IntermediateName(c);
        for (C c : step.hidden) EXPECT_FALSE(visible(c)) << IntermediateName(c);
    }
    EXPECT_EQ(placeTexts(), (std::vector<std::string>{"Huesca", "Teruel", "Zaragoza (capital)",
                                                      "Zaragoza (provincia)"}));

    // By title: a community's centres, then the title choice, then the start.
    chooseTitle(1, 1, 0);
    clickCommunity(kAragon);
    back();
    EXPECT_TRUE(visible(C::ListPreFam));
    EXPECT_TRUE(visible(C::ListTit));
    EXPECT_FALSE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(C::BotPuesto));
    EXPECT_TRUE(visible(C::BotRetrocederFP));
    EXPECT_FALSE(screen->view().timers[static_cast<size_t>(LevelTimer::Estrellas)]);
    back();
    for (C c : {C::ListPreFam, C::ListTit, C::BotRetrocederFP, C::PanelSelTit})
        EXPECT_FALSE(visible(c)) << IntermediateName(c);
    EXPECT_TRUE(visible(C::botTit2));
}

TEST_F(LevelScreenTest, ACommunityOfOneProvinceOpensItAtOnceAndGoesBackToTheMap) {
    screen->botLug2Click();
    clickCommunity(kAsturias);
    EXPECT_TRUE(screen->state().localityMode);
    screen->BotRetrocederFPClick();
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(C::ListSelLugFP));
    EXPECT_FALSE(screen->state().localityMode);
}

TEST_F(LevelScreenTest, TheWayOutDependsOnWhoOpenedTheScreen) {
    struct Case {
        const char* name;
        bool subScreen, assistant, scene;
        LevelScreen::Leave expected;
    };
    for (const Case& c :
         std::vector<Case>{{"sub-screen", true, true, true, LevelScreen::Leave::Nowhere},
                           {"assistant", false, true, true, LevelScreen::Leave::Assistant},
                           {"scene", false, false, true, LevelScreen::Leave::Scene},
                           {"main menu", false, false, false, LevelScreen::Leave::MainMenu}}) {
        SCOPED_TRACE(c.name);
        screen->setOpenedAsSubScreen(c.subScreen);
        enlace.assistantMode = c.assistant;
        enlace.animationEnabled = c.scene;
        EXPECT_EQ(screen->botSalirClick(), c.expected);
        EXPECT_FALSE(visible(C::botTit2));
        EXPECT_TRUE(visible(C::LabelFP1));
    }
}

// --- The questionnaire's hooks
// ---------------------------------------------------------------------

class OpenedView final : public IntermediateScreen::QuestionnaireView,
                         public LevelScreen::CentresListener {
  public:
    void open() override { ++opened; }
    void centresListed(const std::vector<ListingRow>& rows) override {
        listed.push_back(rows.size());
    }
    int opened = 0;
    std::vector<size_t> listed;
};

TEST_F(LevelScreenTest, TheQuestionnaireModeOpensItsViewWhoseTitlesGoToTheMap) {
    OpenedView view;
    screen->setQuestionnaireView(&view);
    screen->setCentresListener(&view);
    enlace.questionnaireMode = true;
    screen->FormActivate();
    EXPECT_EQ(view.opened, 1);
    EXPECT_FALSE(visible(C::botTit2));
    EXPECT_TRUE(enlace.intermediateFirstOpening);  // the intro waits for a plain opening

    screen->ChooseTitle(2, LevelScreen::TitleSource::Questionnaire);
    EXPECT_TRUE(visible(C::LabAyuGM));
    EXPECT_EQ(caption(C::LabAyuGM), QStringLiteral("Ciclo medio 01.1"));
    EXPECT_FALSE(visible(C::BotPuesto));
    EXPECT_TRUE(visible(C::PanelEstrellas));
    // Each community listed with centres adds to the questionnaire's report; one without does not.
    clickCommunity(kAragon);
    clickCommunity(kGuadalajaraless);
    clickCommunity(kAsturias);
    EXPECT_EQ(view.listed, (std::vector<size_t>{4, 1}));
}

}  // namespace
}  // namespace velmora
