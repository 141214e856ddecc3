// The basic screen on the level screens' model: its groups with the hover highlight and the way
// to the places, families and titles with the jobs preview, a title's texts, a community's
// centres (and the beep when there is none), the province of entry 35, its two reports and every
// way back.
#include "core/vocational/basic_screen.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/vocational/level_screen_fixture.h"

namespace velmora {
namespace {

using C = LevelControl;
using B = BasicControl;
using Leave = LevelScreen::Leave;
using testing::LevelScreenFixture;

constexpr int kAragon = 2;
constexpr int kAsturias = 3;
constexpr int kCatalonia = 9;
constexpr int kLaMancha = 7;           // no centre of the basic titles
constexpr int kWhereToStudyGroup = 3;  // "000000" in the fixture's basic groups

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::vector<std::string> TrimmedRight(std::vector<std::string> lines) {
    for (std::string& line : lines) line = std::string(TrimRight(line));
    return lines;
}

// The intermediate screen's folder with the explanation lines of the basic titles and the
// basic titles taught in Huesca, Jaca, Zaragoza, Oviedo and in the city of Barcelona and
// Terrassa (lu4 "A" and "5" lines).
class BasicScreenTest : public ::testing::Test, protected LevelScreenFixture {
  protected:
    BasicScreenTest() {
        folder.language("informa_l",
                        {" 8  Hay que cumplir:", " 8- Tener 15 anos",
                         " 9  Dura dos cursos:", " 9- Comunicacion y Sociedad",
                         "10  Con el titulo:", "10- Grado Medio", "13Titulo de Graduado en ESO"});
        folder.data("datlugbasphp", {"2;2;4", "0", "1;4", "1;2", "1;2",  // lu1
                                     "0", "0", "0", "0", "0", "0",       // lu2
                                     "0",                                // lu3
                                     "0", "1;2", "1;4", "0"});           // lu4
        enlace.LoadKeyedLines();
    }
    void SetUp() override {
        load();
        ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        basic = std::make_unique<BasicScreen>(enlace, printing, sound);
        basic->FormCreate();
        basic->FormActivate();
    }
    bool visible(C control) const { return basic->view().visible[static_cast<size_t>(control)]; }
    bool visible(B control) const { return basic->own().controls.isVisible(control); }
    QString caption(C control) const { return basic->view().caption[static_cast<size_t>(control)]; }
    std::vector<std::string> texts(const std::vector<Cell>& rows) const {
        std::vector<std::string> out;
        for (const Cell& cell : rows) out.push_back(cp1252::Encode(cell.text));
        return out;
    }
    std::vector<std::string> grid() const {
        std::vector<std::string> out;
        for (const ListingRow& row : basic->state().gridCells) out.push_back(row[0]);
        return out;
    }
    void clickCommunity(int community) {
        basic->mapaMouseMove(testing::RegionX(RegionMap::Communities, community), 50);
        basic->mapaClick();
    }
    // Group 1, family `family` (row), title `row`.
    void chooseTitle(int family, int row) {
        basic->ListSelFpMouseUp(0);
        basic->ListPreFamMouseDown(family);
        basic->ListTitFPMouseUp(row);
    }
    std::vector<std::string> printed() const { return TrimmedRight(printedLines()); }
    const std::string& lu(int list, int line) const {
        return enlace.vocational.centreLists[static_cast<size_t>(list - 1)][line];
    }

    std::unique_ptr<BasicScreen> basic;
};

// --- Groups, families and titles -----------------------------------------------------------------

TEST_F(BasicScreenTest, TheGroupsFollowThePointerUntilOneIsClicked) {
    EXPECT_TRUE(visible(B::ListSelFp));
    EXPECT_TRUE(visible(B::PanelSelTit0));
    EXPECT_TRUE(visible(B::BotLug));
    EXPECT_TRUE(visible(C::BotRetrocederFP));
    EXPECT_TRUE(basic->state().byTitle);
    ASSERT_EQ(basic->own().groupRows.size(), 9u);
    EXPECT_EQ(basic->own().groupRows[0].text, QStringLiteral("Basica 1"));
    const std::vector<int> icons = {1, 2, 37, 33, 8, 19, 0, 42, 10};
    for (size_t g = 0; g < icons.size(); ++g) EXPECT_EQ(basic->own().groupRows[g].icon, icons[g]);

    basic->listSelFPMouseMove(4);
    EXPECT_EQ(basic->own().groupSelected, 4);
    basic->listSelFPMouseMove(-1);  // between rows: the last stays
    EXPECT_EQ(basic->own().groupSelected, 4);
    basic->ListSelFpMouseUp(1);
    basic->listSelFPMouseMove(6);
    EXPECT_EQ(basic->own().groupSelected, 1);
}

TEST_F(BasicScreenTest, AGroupListsItsFamiliesAndAGroupWithoutOneOpensThePlaces) {
    struct Case {
        const char* name;
        int group;
        std::vector<std::string> families;
        std::vector<int> icons;
        bool byPlace;
    };
    const std::vector<Case> cases = {
        {"two families", 1, {"Familia 01", "Familia 02"}, {31, 2}, false},
        {"one family", 2, {"Familia 03"}, {1}, false},
        {"where to study", kWhereToStudyGroup, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        basic->FormActivate();
        basic->ListSelFpMouseUp(c.group - 1);
        EXPECT_EQ(basic->state().byPlace, c.byPlace);
        if (c.byPlace) {
            EXPECT_TRUE(visible(C::PanelEstrellas));
            EXPECT_TRUE(visible(C::reja));
            EXPECT_FALSE(visible(B::ListSelFp));
            EXPECT_FALSE(visible(C::ListPreFam));
            EXPECT_EQ(caption(C::PanelSelTit), qtext(190));
            continue;
        }
        EXPECT_EQ(texts(basic->view().familyRows), c.families);
        for (size_t i = 0; i < c.icons.size(); ++i)
            EXPECT_EQ(basic->view().familyRows[i].icon, c.icons[i]);
        EXPECT_EQ(basic->view().familyListHeight, 135);
        EXPECT_TRUE(visible(C::ListPreFam));
        EXPECT_TRUE(visible(B::ListSelFp));
        EXPECT_EQ(caption(C::PanelSelTit), qtext(578));
    }
}

TEST_F(BasicScreenTest, AFamilyListsItsTitlesOrSaysItHasNone) {
    basic->ListSelFpMouseUp(0);
    basic->ListPreFamMouseDown(1);
    EXPECT_EQ(texts(basic->view().titleRows),
              (std::vector<std::string>{"Basico 02.1", "Basico 02.2"}));
    EXPECT_EQ(caption(C::Labeltitulo),
              QString(26, QLatin1Char(' ')) + qtext(307) + QStringLiteral("..."));
    basic->ListSelFpMouseUp(1);
    basic->ListPreFamMouseDown(0);  // Familia 03: its header is the file's last line
    EXPECT_TRUE(basic->view().titleRows.empty());
    EXPECT_EQ(caption(C::Labeltitulo), QStringLiteral("Familia 03 - ") + qtext(292));
}

TEST_F(BasicScreenTest, ThePointerOnATitlePreviewsItsJobsAndOnAHeaderNothing) {
    basic->ListSelFpMouseUp(0);
    basic->ListPreFamMouseDown(0);  // Familia 01: one title, line 2
    basic->ListTitFPMouseMove(0);
    EXPECT_TRUE(visible(B::ListFPExpli));
    EXPECT_EQ(basic->own().titleSelected, 0);
    const std::vector<std::string> preview = texts(basic->own().previewRows);
    ASSERT_EQ(preview.size(), 6u);
    EXPECT_EQ(preview[0], "    " + text(271));
    EXPECT_EQ(preview[1], "Puesto del titulo 2");
    // The row after the family's title would be the next family's header (line 3).
    basic->ListTitFPMouseMove(1);
    EXPECT_TRUE(basic->own().previewRows.empty());
}

TEST_F(BasicScreenTest, ATitleLightsItsCommunitiesAndShowsItsButtons) {
    chooseTitle(0, 0);
    EXPECT_EQ(basic->state().selectedTitle, 2);
    for (B hidden : {B::ListSelFp, B::PanelSelTit0, B::ListFPExpli, B::BotLug})
        EXPECT_FALSE(visible(hidden));
    EXPECT_FALSE(basic->help().visible());
    for (C shown : {C::PanelEstrellas, C::PanelSelec, C::listSelFP, C::BotRequisitos, C::BotPuesto,
                    C::botAsig, C::BotImprimir, C::BotRetrocederFP})
        EXPECT_TRUE(visible(shown));
    EXPECT_EQ(caption(C::PanelCarSel), QStringLiteral("Basico 01.1"));
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(basic->state().titleCommunities[static_cast<size_t>(c)],
                  c == kAragon || c == kAsturias || c == kCatalonia)
            << c;
}

TEST_F(BasicScreenTest, TheTextsOfATitleMarkTheirHeadingsAndItems) {
    chooseTitle(0, 0);
    struct Case {
        const char* name;
        void (BasicScreen::*handler)();
        int caption;
        std::vector<std::string> lines;
    };
    // Entries 7-25 of the fixture's blocks and 2-5 are blank.
    std::vector<std::string> subjects = {"  Dura dos cursos:", "- Comunicacion y Sociedad", "",
                                         "Modulo del titulo 2"};
    subjects.resize(subjects.size() + 19);
    const std::vector<Case> cases = {
        {"requirements",
         &BasicScreen::BotRequisitosClick,
         29,
         {"  Hay que cumplir:", "- Tener 15 anos"}},
        {"subjects", &BasicScreen::botAsigClick, 312, subjects},
        // The jobs' caption stands over them inside the list as well.
        {"jobs",
         &BasicScreen::BotTraClick,
         199,
         {"", "  " + text(199), "Puesto del titulo 2", "", "", "", "", "",
          "  Con el titulo:", "- Grado Medio"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (basic.get()->*c.handler)();
        EXPECT_EQ(caption(C::PanelSelTit), qtext(c.caption));
        EXPECT_EQ(TrimmedRight(basic->state().textLines), c.lines);
    }
    // A line starting with a blank is blue; one with "-" an item with its icon, without the dash.
    basic->BotRequisitosClick();
    const std::vector<Cell>& rows = basic->view().textRows;
    EXPECT_EQ(rows[0].colour, ColourOf(PaletteColour::Blue));
    EXPECT_EQ(rows[1].kind, RowKind::Icon);
    EXPECT_EQ(rows[1].icon, 3);
    EXPECT_EQ(rows[1].text, QStringLiteral("Tener 15 anos"));
    EXPECT_EQ(rows[1].textLeft, 18);
}

// --- Communities and places -------------------------------------------------------------------

TEST_F(BasicScreenTest, ACommunityListsItsCentresAndOneWithoutAnyBeeps) {
    chooseTitle(0, 0);
    clickCommunity(kAsturias);
    EXPECT_EQ(grid(), (std::vector<std::string>{lu(1, 5).substr(1, 44)}));
    EXPECT_EQ(sound.beeps, 0);
    EXPECT_EQ(caption(C::PanelSelTit), qtext(323));

    clickCommunity(kLaMancha);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(grid(), (std::vector<std::string>{text(292)}));
    EXPECT_EQ(basic->state().textLines, (std::vector<std::string>{text(292)}));
}

TEST_F(BasicScreenTest, TheCityOfBarcelonaIsListedUnderTheComarcasCode) {
    basic->BotLugClick();
    clickCommunity(kCatalonia);
    ASSERT_EQ(basic->view().placeRows.size(), 6u);  // no comarca map: the provinces
    basic->ListSelLugFPClick(1);                    // Barcelona (ciudad), entry 35
    EXPECT_EQ(basic->state().provinceCode, "45");
    EXPECT_TRUE(basic->state().wideLocality);
    // The city's line (an "A" line that the area codes turned into "5") and Terrassa's.
    EXPECT_EQ(texts(basic->view().placeRows),
              TrimmedRight({lu(4, 2).substr(1, 35), lu(4, 3).substr(1, 35)}));
    basic->ListSelLugFPClick(0);
    EXPECT_EQ(grid(), (std::vector<std::string>{
                          "-" + lu(4, 2).substr(1, 44), "Basico 01.1" + std::string(49, ' '),
                          std::string(60, ' '), "-" + lu(4, 3).substr(1, 44),
                          "Basico 02.1" + std::string(49, ' '), std::string(60, ' ')}));

    basic->BotRetrocederFPClick();  // back to the provinces
    basic->ListSelLugFPClick(2);    // Girona: entry 36 as it is
    EXPECT_EQ(basic->state().provinceCode, "46");
}

// --- Printing ---------------------------------------------------------------------------------

TEST_F(BasicScreenTest, ATitlePrintsTheOneCommunityLastClicked) {
    chooseTitle(0, 0);
    basic->BotImprimirClick();  // no community yet
    EXPECT_TRUE(printing.reports.empty());
    EXPECT_EQ(messages.shown.back(), qtext(585));

    clickCommunity(kAsturias);
    clickCommunity(kAragon);
    basic->BotImprimirClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    const std::string huesca = Padded("Huesca", 35);
    const std::string zaragoza = Padded("Zaragoza (capital)", 35);
    const std::vector<std::string> expected = {
        "Basico 01.1 (" + text(263) + ")",
        "** " + text(29) + " **",
        "  Hay que cumplir:",
        "- Tener 15 anos",
        "",
        "** " + text(312) + " **",
        "  Dura dos cursos:",
        "- Comunicacion y Sociedad",
        "",
        "Modulo del titulo 2",
        "",
        "** " + text(199) + " **",
        "Puesto del titulo 2",
        "",
        "  Con el titulo:",
        "- Grado Medio",
        "",
        text(323),
        "***  " + cp1252::Upper(Padded("Aragon", 30)) + "  ***",
        "- " + huesca + std::string(7, ' '),
        lu(1, 1).substr(1, 44) + "  " + lu(1, 1).substr(45, 9),
        "",
        "- " + zaragoza + std::string(7, ' '),
        lu(1, 4).substr(1, 44) + "  " + lu(1, 4).substr(45, 9),
        ""};
    EXPECT_EQ(printed(), TrimmedRight(expected));
    const Report& report = printing.reports.back();
    EXPECT_EQ(report.layout, ReportLayout::Text);
    EXPECT_TRUE(report.monospaced);
    EXPECT_EQ(report.fontSize, 10);
    std::vector<int> bold;
    for (size_t i = 0; i < report.lines.size(); ++i)
        if (report.lines[i].bold) bold.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(bold, (std::vector<int>{1, 5, 11, 17, 18}));
    // The preview shows the report's lines in the printer's font, the community's heading bold.
    EXPECT_TRUE(basic->view().textMonospaced);
    EXPECT_TRUE(basic->view().textRows[17].bold);
}

TEST_F(BasicScreenTest, APlacePrintsItsCentresAsText) {
    basic->BotLugClick();
    clickCommunity(kAsturias);  // one province: its localities at once
    basic->ListSelLugFPClick(0);
    basic->BotImprimirClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(printed(), TrimmedRight({text(289) + ": Asturias - " + text(263),
                                       "-" + lu(1, 5).substr(1, 43) + lu(1, 5).substr(45, 9),
                                       "Basico 01.1", ""}));
    EXPECT_EQ(printing.reports.back().layout, ReportLayout::Text);
}

// --- Going back and leaving -------------------------------------------------------------------

TEST_F(BasicScreenTest, EveryWayBackEndsLeavingTheScreen) {
    enum class From { Groups, Title, Localities };
    struct Case {
        const char* name;
        From from;
        int backs;  // clicks until the screen is left
        bool assistant;
    };
    const std::vector<Case> cases = {
        {"from the groups", From::Groups, 1, false},
        {"from a title, by the lists", From::Title, 2, false},
        {"from a place's localities, by the provinces and the map", From::Localities, 3, false},
        {"for the assistant", From::Title, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        enlace.assistantMode = c.assistant;
        basic->FormActivate();
        if (c.from == From::Title) chooseTitle(0, 0);
        if (c.from == From::Localities) {
            basic->BotLugClick();
            clickCommunity(kAragon);
            basic->ListSelLugFPClick(0);
        }
        for (int k = 1; k < c.backs; ++k) {
            basic->BotRetrocederFPClick();
            EXPECT_FALSE(basic->takeLeave()) << k;
        }
        basic->BotRetrocederFPClick();
        EXPECT_EQ(basic->takeLeave(), c.assistant ? Leave::Assistant : Leave::MainMenu);
        for (C control :
             {C::PanelEstrellas, C::ListPreFam, C::reja, C::PanelSelec, C::BotRetrocederFP})
            EXPECT_FALSE(visible(control));
        EXPECT_FALSE(visible(B::ListSelFp));
    }
}

TEST_F(BasicScreenTest, BackFromATitleShowsTheListsAsTheyWereLeft) {
    chooseTitle(1, 1);
    basic->BotRetrocederFPClick();
    for (B shown : {B::ListSelFp, B::PanelSelTit0, B::BotLug}) EXPECT_TRUE(visible(shown));
    for (C shown : {C::ListPreFam, C::ListTit, C::Labeltitulo}) EXPECT_TRUE(visible(shown));
    for (C hidden : {C::PanelEstrellas, C::BotRequisitos, C::BotImprimir, C::listSelFP})
        EXPECT_FALSE(visible(hidden));
    EXPECT_EQ(basic->view().familySelected, 1);
    EXPECT_FALSE(basic->view().timers[0]);
}

TEST_F(BasicScreenTest, ClosingTheWindowGoesBackOnceAndLeaves) {
    chooseTitle(0, 0);
    EXPECT_EQ(basic->FormClose(), Leave::MainMenu);
    EXPECT_FALSE(visible(B::ListSelFp));
    EXPECT_FALSE(visible(C::ListPreFam));
    EXPECT_FALSE(basic->takeLeave());
}

TEST_F(BasicScreenTest, TheGroupsCaptionBlinksThirteenTimesAndStaysShown) {
    EXPECT_TRUE(basic->own().blinking);
    for (int tick = 1; tick <= 12; ++tick) {
        basic->tickAyu();
        EXPECT_EQ(basic->own().controls.captionOf(B::PanelSelTit0).isEmpty(), tick % 2 == 0)
            << tick;
    }
    basic->tickAyu();
    EXPECT_EQ(basic->own().controls.captionOf(B::PanelSelTit0), qtext(577));
    EXPECT_FALSE(basic->own().blinking);
}

}  // namespace
}  // namespace velmora
