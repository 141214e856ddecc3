// The higher-level screen's model: its start menu, the menu of a title with its texts and
// statistics, where a title is taught, the places with their single provinces, comarcas and
// zones, the community's web site, its reports and every way back.
#include "core/vocational/higher_screen.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/vocational/level_screen_fixture.h"
#include "support/recording_opener.h"

namespace velmora {
namespace {

using C = LevelControl;
using H = HigherControl;
using testing::LevelScreenFixture;

constexpr int kAragon = 2;
constexpr int kAsturias = 3;
constexpr int kCatalonia = 9;
constexpr int kMadrid = 13;
constexpr int kMurcia = 14;  // no centre teaches a title of the fixture there
constexpr int kTitleOfFamily1 = 2;
constexpr int kBarTitle = 54;  // the first title after the "|" header
constexpr int kGironaComarca = 40;

// A community's name as a report's heading has it: columns 3-32 of its line.
std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// Records what the screen asks of the statistics window.
class RecordingStatistics final : public StatisticsWindow {
  public:
    void labelEstad1Click(int title) override {
        calls.push_back("titles " + std::to_string(title));
    }
    void labelEstad3Click(int family) override {
        calls.push_back("jobs " + std::to_string(family));
    }
    void labelEstad4Click(int family) override {
        calls.push_back("compare " + std::to_string(family));
    }
    void show() override { calls.push_back("show"); }
    std::vector<std::string> calls;
};

class HigherScreenTest : public ::testing::Test, protected LevelScreenFixture {
  protected:
    void SetUp() override {
        folder.language("informa_l", {"13Titulo de Graduado en ESO", "18Bachiller o Tecnico",
                                      "18Prueba de acceso (19 anos)"});
        enlace.LoadKeyedLines();
        load();
        ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        higher = createLevel(std::make_unique<HigherScreen>(enlace, printing, opener));
        higher->attachStatistics(&statistics);
    }

    bool visible(C control) const { return higher->view().isVisible(control); }
    bool visible(H control) const { return higher->ownView().isVisible(control); }
    QString caption(C control) const { return higher->view().captionOf(control); }
    std::vector<std::string> textLines() const { return higher->state().textLines; }
    // By title, down to title `position` of the family at `family` of group `group`.
    void chooseTitle(int group, int family, int position) {
        higher->MenuFP1Click();
        higher->ListPreFamMouseDown(group - 1);
        higher->ListPreFamMouseDown(family);
        higher->ListTitFPClick(position);
    }
    void byPlaceTo(int community) {
        higher->MenuFP2Click();
        clickCommunity(community);
    }

    testing::RecordingOpener opener;
    RecordingStatistics statistics;
    std::unique_ptr<HigherScreen> higher;
};

// --- The start menu and the title choice -------------------------------------------------------

TEST_F(HigherScreenTest, TheStartMenuLeadsToTheGroupsAndTheFamilyListsBackItemBringsItBack) {
    EXPECT_TRUE(visible(H::PanelFP));
    higher->MenuFP1Click();
    EXPECT_FALSE(visible(H::PanelFP));
    EXPECT_TRUE(visible(C::ListPreFam));
    EXPECT_EQ(caption(C::PanelSelTit), qtext(595));
    EXPECT_EQ(higher->view().familyRows.size(), 9u);
    EXPECT_EQ(higher->view().familyRows[0].text, QStringLiteral("Deporte y gestion"));

    higher->ListPreFamMouseDown(1);  // "Grupo 2": three families, the shorter list
    EXPECT_EQ(higher->view().familyListHeight, 202);
    higher->ListPreFamMouseDown(0);  // its back item
    EXPECT_TRUE(higher->state().groupsShown);
    EXPECT_EQ(higher->view().familyListHeight, 301);
    EXPECT_TRUE(visible(H::PanelFP));
    EXPECT_TRUE(visible(C::ListPreFam));
}

TEST_F(HigherScreenTest, ATitleOpensItsMenuWithoutTheMapAndBlinks) {
    chooseTitle(1, 1, 0);
    EXPECT_EQ(higher->state().selectedTitle, kTitleOfFamily1);
    EXPECT_TRUE(visible(H::PanelFpTit));
    EXPECT_FALSE(visible(C::PanelEstrellas));
    EXPECT_FALSE(higher->view().timers[static_cast<size_t>(LevelTimer::Estrellas)]);
    EXPECT_TRUE(higher->view().timers[static_cast<size_t>(LevelTimer::Parpadeo)]);
    for (C hidden : {C::ListPreFam, C::ListTit, C::Labeltitulo}) EXPECT_FALSE(visible(hidden));
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Ciclo superior 01.1"));
    for (int c = 1; c <= 19; ++c)
        EXPECT_FALSE(higher->state().titleCommunities[static_cast<size_t>(c)]);
}

TEST_F(HigherScreenTest, GroupOneAlsoListsTheLastHeaderOfFp) {
    higher->MenuFP1Click();
    higher->ListPreFamMouseDown(0);
    ASSERT_EQ(higher->view().familyRows.size(), 4u);
    EXPECT_EQ(higher->view().familyRows[3].text, QStringLiteral("Ensenanzas deportivas"));
    higher->ListPreFamMouseDown(3);
    higher->ListTitFPClick(0);
    EXPECT_EQ(higher->state().selectedTitle, 56);  // the last line of fp
}

// --- The texts of a title ------------------------------------------------------------------------

TEST_F(HigherScreenTest, TheRequirementsAddTheLomceAccessOnlyBeforeTheFirstBarHeader) {
    const std::string lomce = "      **  " + text(438) + " LOMCE **";
    struct Case {
        const char* name;
        int title;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"a title of the first generation",
         kTitleOfFamily1,
         {"Bachillerato", "", lomce.substr(0, 60), " Bachiller o Tecnico",
          " Prueba de acceso (19 anos)"}},
        {"a title after the bar header", kBarTitle, {"Bachillerato"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        higher->ChooseTitle(c.title, LevelScreen::TitleSource::Grid);
        higher->MenuFpTit2Click();
        EXPECT_EQ(textLines(), c.lines);
        EXPECT_EQ(caption(C::PanelSelTit), qtext(277));
        EXPECT_TRUE(visible(C::listSelFP));
        EXPECT_FALSE(visible(C::reja));
    }
}

TEST_F(HigherScreenTest, TheAccessTextIsTheSameFiveLinesForEveryTitle) {
    std::vector<std::string> expected;
    for (int n = 711; n <= 715; ++n) expected.push_back(text(n));
    for (int title : {kTitleOfFamily1, 4, kBarTitle}) {
        higher->ChooseTitle(title, LevelScreen::TitleSource::Grid);
        higher->MenuFpTit4Click();
        EXPECT_EQ(textLines(), expected) << title;
        EXPECT_EQ(caption(C::PanelSelTit), qtext(717));
    }
}

TEST_F(HigherScreenTest, TheSubjectsShowJobsAndModulesUnderTheirHeadings) {
    // Block 4: five jobs, the modules' heading, two modules and a "?-" item, blanks after.
    std::vector<std::string> blocks = testing::BlockLines(static_cast<int>(folder.fp.size()));
    const std::vector<std::string> entries = {"Puesto 1", "Puesto 2",   "Puesto 3",
                                              "Puesto 4", "Puesto 5",   "-Modulos del ciclo:",
                                              "Modulo A", " -Modulo B", "Modulo C"};
    for (size_t e = 0; e < entries.size(); ++e) blocks[3 * 26 + 1 + e] = entries[e];
    folder.language("asignafp", blocks);
    load();
    higher->ChooseTitle(4, LevelScreen::TitleSource::Grid);
    higher->MenuFpTit3Click();

    std::vector<std::string> expected = {"     " + text(271)};
    expected.insert(expected.end(), entries.begin(), entries.begin() + 5);
    expected.push_back("");
    expected.insert(expected.end(), entries.begin() + 5, entries.end());
    expected.resize(14);  // blank entries go while the list is longer than 14
    EXPECT_EQ(textLines(), expected);
    EXPECT_EQ(caption(C::PanelSelTit), qtext(312));

    const std::vector<Cell>& rows = higher->view().textRows;
    EXPECT_EQ(rows[0].kind, RowKind::Heading);
    EXPECT_EQ(rows[1].kind, RowKind::Plain);  // a job
    EXPECT_EQ(rows[7].kind, RowKind::Heading);
    EXPECT_EQ(rows[8].kind, RowKind::Icon);
    EXPECT_EQ(rows[9].kind, RowKind::Icon);
    EXPECT_EQ(rows[9].text, QStringLiteral("Modulo B"));
    EXPECT_EQ(rows[13].kind, RowKind::Plain);  // a blank entry
}

TEST_F(HigherScreenTest, PressedMenuEntriesStayMarkedAcrossTitlesAndHideTheStatistics) {
    chooseTitle(1, 1, 0);
    higher->MenuFPTitEstClick();
    EXPECT_TRUE(visible(H::PanelEstadistica));
    higher->MenuFpTit3Click();
    higher->MenuFpTit3Click();
    EXPECT_FALSE(visible(H::PanelEstadistica));
    higher->MenuFpTit6Click();  // another title
    EXPECT_TRUE(visible(C::ListTit));
    EXPECT_FALSE(visible(H::PanelFpTit));
    higher->ListTitFPClick(0);
    const std::array<bool, 7> expected = {false, false, true, false, false, true, true};
    EXPECT_EQ(higher->ownView().visited, expected);
}

// --- Statistics
// ------------------------------------------------------------------------------------

TEST_F(HigherScreenTest, TheStatisticsButtonsOpenTheirViewsOnTheTitleOrItsFamily) {
    struct Case {
        const char* name;
        int title;
        void (HigherScreen::*button)();
        std::string call;
    };
    const std::vector<Case> cases = {
        {"centres per title", 4, &HigherScreen::ButtonEstad1Click, "titles 4"},
        {"employment per family", 4, &HigherScreen::ButtonEstad2Click, "jobs 2"},
        {"comparison per family", 8, &HigherScreen::ButtonEstad3Click, "compare 4"},
        // A header line has no family: the statistics fall back on the fifth.
        {"a title without a family", 3, &HigherScreen::ButtonEstad2Click, "jobs 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        statistics.calls.clear();
        higher->ChooseTitle(c.title, LevelScreen::TitleSource::Grid);
        higher->MenuFPTitEstClick();
        (higher.get()->*c.button)();
        EXPECT_EQ(statistics.calls, (std::vector<std::string>{c.call, "show"}));
        EXPECT_TRUE(higher->takeHandOver());
        EXPECT_FALSE(higher->takeHandOver());
    }
}

// --- Where to study
// --------------------------------------------------------------------------------

TEST_F(HigherScreenTest, WhereToStudyLightsTheCommunitiesAndListsACommunitysCentres) {
    chooseTitle(1, 1, 0);
    higher->MenuFpTit1Click();
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(H::PanelFpTit));
    EXPECT_TRUE(higher->state().titleCommunities[kAragon]);
    EXPECT_FALSE(higher->state().titleCommunities[kAsturias]);

    clickCommunity(kAragon);
    EXPECT_EQ(caption(C::PanelSelTit), qtext(323));
    const std::vector<ListingRow>& rows = higher->state().gridCells;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "- Huesca" + std::string(29, ' ') + std::string(7, ' '));
    EXPECT_EQ(rows[1][0].substr(0, 36), "Huesca           IES Sierra de Guara");
    // The closing row of a province is blank in both columns.
    EXPECT_EQ(rows[2], (ListingRow{std::string(60, ' '), std::string(60, ' ')}));

    higher->ChooseTitle(kTitleOfFamily1, LevelScreen::TitleSource::Grid);
    higher->MenuFpTit1Click();
    higher->MenuFpTit3Click();  // the subjects in the text list
    const std::vector<std::string> subjects = textLines();
    clickCommunity(kMurcia);
    EXPECT_EQ(gridColumn(), std::vector<std::string>{text(292)});
    EXPECT_EQ(textLines(), subjects);  // "none" goes to the grid only
}

TEST_F(HigherScreenTest, BackFromTheMapLeadsToTheTitleMenuAndFromThereToTheStartMenu) {
    chooseTitle(1, 1, 0);
    higher->MenuFpTit1Click();
    clickCommunity(kAragon);
    higher->BotRetrocederFPClick();
    EXPECT_TRUE(visible(H::PanelFpTit));
    EXPECT_TRUE(visible(C::listSelFP));
    for (C hidden : {C::PanelEstrellas, C::reja, C::mapac, C::mapam})
        EXPECT_FALSE(visible(hidden)) << IntermediateName(hidden);
    EXPECT_TRUE(higher->state().gridCells.empty());
    EXPECT_FALSE(higher->view().timers[static_cast<size_t>(LevelTimer::Estrellas)]);

    higher->BotRetrocederFPClick();
    EXPECT_TRUE(visible(H::PanelFP));
    for (C hidden : {C::ListPreFam, C::ListTit, C::BotRetrocederFP, C::PanelSelec})
        EXPECT_FALSE(visible(hidden)) << IntermediateName(hidden);
    EXPECT_FALSE(visible(H::PanelFpTit));
}

// --- By place
// --------------------------------------------------------------------------------------

TEST_F(HigherScreenTest, ACommunityOfOneProvinceStillNeedsAClickOnIt) {
    enlace.degreeTables.communityPortals[kAsturias] = "www.educastur.es   ";
    byPlaceTo(kAsturias);
    EXPECT_EQ(placeTexts().size(), 1u);
    EXPECT_TRUE(visible(C::ListSelLugFP));
    EXPECT_TRUE(visible(H::BotInternetC));
    EXPECT_TRUE(visible(C::BotTodoFP));
    EXPECT_FALSE(higher->state().localityMode);  // nothing opened by itself
    EXPECT_TRUE(higher->state().gridCells.empty());

    higher->BotInternetCMouseUp();
    EXPECT_EQ(opener.opened, QStringList{QStringLiteral("http://www.educastur.es")});

    higher->ListSelLugFPClick(0);  // the province: its localities
    EXPECT_TRUE(higher->state().localityMode);
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Asturias"));
    EXPECT_EQ(caption(C::PanelSelTit), qtext(392));
    EXPECT_EQ(caption(C::BotTodoFP), qtext(391));
    higher->ListSelLugFPClick(0);  // Oviedo
    EXPECT_EQ(gridColumn()[1], enlace.vocational.titlesGS[kBarTitle]);
    EXPECT_EQ(caption(C::PanelSelTit), qtext(190) + QStringLiteral(" - ") + qtext(392));

    higher->BotRetrocederFPClick();  // back to the province, grid empty
    EXPECT_FALSE(higher->state().localityMode);
    EXPECT_TRUE(higher->state().gridCells.empty());
    EXPECT_EQ(placeTexts().size(), 1u);
    EXPECT_FALSE(visible(C::BotImprimir));
    higher->BotRetrocederFPClick();  // back to the map
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_FALSE(visible(H::BotInternetC));
    EXPECT_FALSE(visible(C::BotTodoFP));
}

TEST_F(HigherScreenTest, APlaceClickBeforeItsChoiceDoesNothing) {
    struct Case {
        const char* name;
        int community;
    };
    for (const Case& c :
         {Case{"Catalonia before a comarca", kCatalonia}, Case{"Madrid before a zone", kMadrid},
          Case{"Aragon before a province", kAragon}}) {
        SCOPED_TRACE(c.name);
        byPlaceTo(c.community);
        higher->takeChanges();
        higher->ListSelLugFPClick(c.community == kAragon ? -1 : 0);
        EXPECT_FALSE(higher->takeChanges().any());
        EXPECT_FALSE(visible(C::BotImprimir));
        higher->BotRetrocederFPClick();
        higher->BotRetrocederFPClick();
    }
    byPlaceTo(kCatalonia);
    clickComarca(kGironaComarca);
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Comarca 40"));
    EXPECT_EQ(gridColumn()[1], enlace.vocational.titlesGS[4]);
}

TEST_F(HigherScreenTest, AGridTitleOpensItsMenuByTitle) {
    byPlaceTo(kMadrid);
    clickZone(1);
    ASSERT_EQ(higher->state().gridTitles.size(), 3u);
    higher->rejaDblClick(1);
    EXPECT_TRUE(higher->state().byTitle);
    EXPECT_EQ(higher->state().selectedTitle, 8);
    EXPECT_TRUE(visible(H::PanelFpTit));
    for (C hidden : {C::ListSelLugFP, C::BotImprimir, C::BotTodoFP, C::mapam, C::PanelEstrellas})
        EXPECT_FALSE(visible(hidden)) << IntermediateName(hidden);
    EXPECT_FALSE(visible(H::BotInternetC));
    EXPECT_FALSE(visible(H::PanelFP));
}

// --- Reports
// ---------------------------------------------------------------------------------------

TEST_F(HigherScreenTest, ATitlesReportHasItsThreeSectionsThenTheCentresByCommunity) {
    chooseTitle(1, 1, 0);
    higher->MenuFpTit5Click();
    ASSERT_EQ(printing.reports.size(), 1u);
    const std::vector<std::string> lines = printedLines();
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "Ciclo superior 01.1 (" + text(47) + ")");
    EXPECT_EQ(lines[1], "- " + text(277));
    EXPECT_EQ(lines[2], "Bachillerato");
    const auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const auto subjects = at("- " + text(312));
    const auto access = at("- " + text(717));
    const auto rule = at(std::string(6, ' ') + std::string(24, '_'));
    const auto where = at("-" + cp1252::Upper(text(317)));
    const auto aragon = at("***  " + Padded("ARAGON", 30) + "***");
    EXPECT_LT(subjects, access);
    EXPECT_LT(access, rule);
    EXPECT_EQ(where, rule + 2);
    EXPECT_EQ(aragon, where + 2);
    const Report& report = printing.reports.back();
    for (auto bold : {1L, static_cast<long>(subjects), static_cast<long>(access),
                      static_cast<long>(where), static_cast<long>(aragon)})
        EXPECT_TRUE(report.lines[static_cast<size_t>(bold - 1)].bold) << lines[bold];
    EXPECT_FALSE(report.lines[1].bold);
}

TEST_F(HigherScreenTest, APlacesReportNamesThePlaceAndPrintsItsCentresInBold) {
    byPlaceTo(kAragon);
    higher->ListSelLugFPClick(0);  // Huesca: its localities
    higher->BotImprimirClick();    // no locality chosen yet: nothing
    EXPECT_TRUE(printing.reports.empty());
    higher->ListSelLugFPClick(0);
    higher->BotImprimirClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    const std::vector<std::string> lines = printedLines();
    EXPECT_EQ(lines[0], text(289) + ": Huesca");
    const Report& report = printing.reports.back();
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(report.lines[i - 1].bold, lines[i].starts_with('-')) << lines[i];
    EXPECT_EQ(lines[1].substr(0, 37), "-Huesca           IES Sierra de Guara");
}

TEST_F(HigherScreenTest, ALongReportWaitsForCommunitiesOnTheMapThenReturnsToTheTitleMenu) {
    // Title 2 taught by every centre of lu1 many times over: far beyond 150 lines.
    std::vector<std::string> offers = {"25;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2;2"};
    offers.resize(16, offers.front());
    folder.data("datluggsphp", offers);
    load();
    chooseTitle(1, 1, 0);
    higher->MenuFpTit5Click();
    EXPECT_TRUE(printing.reports.empty());
    EXPECT_TRUE(visible(C::PanelImp));
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_TRUE(higher->state().titleCommunities[kAragon]);
    EXPECT_FALSE(visible(H::PanelFpTit));

    clickCommunity(kAsturias);
    higher->BotAceptarClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_TRUE(visible(H::PanelFpTit));
    EXPECT_FALSE(visible(C::PanelEstrellas));
    const std::vector<std::string> lines = printedLines();
    auto has = [&](const char* community) {
        const std::string heading = "***  " + Padded(community, 30) + "***";
        return std::find(lines.begin(), lines.end(), heading) != lines.end();
    };
    EXPECT_TRUE(has("ASTURIAS"));
    EXPECT_FALSE(has("ARAGON"));
}

// --- Leaving and coming back
// -----------------------------------------------------------------------

TEST_F(HigherScreenTest, LeavingHidesTheStartMenuAndTheDoorShowsItAgain) {
    EXPECT_EQ(higher->menuFP3Click(), LevelScreen::Leave::MainMenu);
    EXPECT_FALSE(visible(H::PanelFP));
    EXPECT_FALSE(visible(C::LabelFP1));
    higher->SectionOpened(true, true);
    EXPECT_TRUE(visible(H::PanelFP));
    EXPECT_TRUE(visible(C::LabelFP1));
    enlace.assistantMode = true;
    EXPECT_EQ(higher->menuFP3Click(), LevelScreen::Leave::Assistant);
}

}  // namespace
}  // namespace velmora
