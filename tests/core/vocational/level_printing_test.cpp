// The level screens' reports: a place's centres, a title with its centres in every community,
// and a title whose report would be too long, printed for the communities the student picks.
#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/vocational/level_screen.h"
#include "core/vocational/level_screen_fixture.h"

namespace velmora {
namespace {

using C = LevelControl;
using testing::CentreLine;
using testing::LevelScreenFixture;

constexpr int kAragon = 2;
constexpr int kAsturias = 3;
constexpr int kCatalonia = 9;
constexpr int kMadrid = 13;

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

class LevelPrintingTest : public ::testing::Test, protected LevelScreenFixture {
  protected:
    void start() {
        load();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        create();
    }
    const std::string& lu(int list, int line) const {
        return enlace.vocational.centreLists[static_cast<size_t>(list - 1)][line];
    }
    std::string gm(int title) const { return enlace.vocational.titlesGM[title]; }
    // A community's heading in a title's report.
    std::string communityHeading(const char* name) const {
        return "***  " + cp1252::Upper(Padded(name, 30)) + "  ***";
    }
    // The sections of a title before its centres, as the report has them.
    std::vector<std::string> titleSections(int title) const {
        const BlockTable& blocks = enlace.vocational.blocksGM;
        auto entry = [&](int e) { return blocks.field(title, e - 1); };
        std::vector<std::string> lines = {"** " + text(29) + " **"};
        for (const char* r : {"Titulo de Graduado en ESO", "o prueba de acceso"})
            lines.push_back(Padded(r, 58));
        lines.insert(lines.end(), {"", "** " + text(199) + " **"});
        for (int e = 1; e <= 5; ++e) lines.push_back(entry(e));
        lines.insert(lines.end(), {"", "** " + text(312) + " **"});
        // Entries 7-25 are blank; eleven of them are dropped at the end.
        for (int e = 6; e <= 25 - 11; ++e) lines.push_back(entry(e));
        lines.insert(lines.end(), {std::string(34, '_'), "", "-" + cp1252::Upper(text(317)), ""});
        return lines;
    }
};

TEST_F(LevelPrintingTest, APlacePrintsItsCentresAndTitlesInTwoColumnsWithoutBoldLines) {
    start();
    screen->botLug2Click();
    clickCommunity(kAragon);
    screen->BotImprimirClick();  // no province yet: nothing to print
    EXPECT_TRUE(printing.reports.empty());
    screen->ListSelLugFPClick(0);  // Huesca
    screen->ListSelLugFPClick(1);  // Jaca
    screen->BotImprimirClick();

    ASSERT_EQ(printing.reports.size(), 1u);
    const std::vector<std::string> expected = {text(289) + ": Huesca - " + text(113),
                                               "-" + lu(1, 1).substr(1, 43) + "974000001",
                                               gm(2).substr(0, 44),
                                               gm(4).substr(0, 44),
                                               "",
                                               "-" + lu(1, 3).substr(1, 43) + "974000003",
                                               gm(2).substr(0, 44),
                                               ""};
    EXPECT_EQ(printedLines(), expected);
    const Report& report = printing.reports.back();
    EXPECT_TRUE(report.monospaced);
    for (const ReportLine& line : report.lines) EXPECT_FALSE(line.bold);
    // The grid still shows the locality it showed.
    EXPECT_FALSE(screen->state().printCollect);
    EXPECT_EQ(screen->state().gridCells.size(), 7u);
}

TEST_F(LevelPrintingTest, ATitlePrintsItsTextsThenItsCentresInEveryCommunity) {
    start();
    screen->botTit2Click();
    screen->ListPreFamMouseDown(1);  // group 2
    screen->ListPreFamMouseDown(2);  // Familia 04
    screen->ListTitClick(0);         // GM title 8, taught in Girona only
    screen->BotImprimirClick();

    ASSERT_EQ(printing.reports.size(), 1u);
    std::vector<std::string> expected = {"Ciclo medio 04.1 (" + text(113) + ")"};
    const std::vector<std::string> sections = titleSections(8);
    expected.insert(expected.end(), sections.begin(), sections.end());
    const std::string girona = "- " + Padded("Girona", 35) + std::string(7, ' ');
    expected.insert(expected.end(),
                    {communityHeading("Cataluna"), "", girona,
                     lu(4, 4).substr(1, 44) + lu(4, 4).substr(45, 9), std::string(60, ' ')});
    EXPECT_EQ(printedLines(), expected);

    std::vector<int> bold;
    const Report& report = printing.reports.back();
    for (size_t i = 0; i < report.lines.size(); ++i)
        if (report.lines[i].bold) bold.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(bold, (std::vector<int>{1, 5, 12, 26}));
    // The preview shows the same lines in the printer's font, the community heading bold.
    EXPECT_TRUE(screen->view().textMonospaced);
    ASSERT_EQ(screen->view().textRows.size(), expected.size() - 1);
    EXPECT_TRUE(screen->view().textRows[25].bold);
    EXPECT_TRUE(screen->view().visible[static_cast<size_t>(C::listSelFP)]);
}

TEST_F(LevelPrintingTest, ATitleReportOverOneHundredAndFiftyLinesWaitsForPickedCommunities) {
    // 160 centres of Almeria teach GM title 2: Andalucia alone makes the report too long.
    std::vector<std::string> almeria;
    for (int k = 1; k <= 160; ++k)
        almeria.push_back(CentreLine('7', "Almeria          IES " + std::to_string(k)));
    folder.data("lu3", almeria);
    std::vector<std::string> gmOffers = folder.offersGMLines;
    std::vector<std::string> zeros(gmOffers.size() + 159, "0");
    gmOffers.erase(gmOffers.begin() + 11);
    gmOffers.insert(gmOffers.begin() + 11, almeria.size(), "1;2");
    folder.gmOffers(gmOffers);
    folder.data("datluggsphp", zeros);
    folder.data("datlugbasphp", zeros);
    start();

    screen->botTit2Click();
    screen->ListPreFamMouseDown(0);
    screen->ListPreFamMouseDown(1);
    screen->ListTitClick(0);  // GM title 2
    screen->BotImprimirClick();
    EXPECT_TRUE(printing.reports.empty());
    EXPECT_TRUE(screen->state().printPicking);
    EXPECT_TRUE(screen->view().visible[static_cast<size_t>(C::PanelImp)]);

    // Picked on the map: Aragon, Asturias (twice), then Aragon taken off and Madrid added.
    for (int c : {kAragon, kAsturias, kAsturias}) clickCommunity(c);
    ASSERT_EQ(screen->view().pickRows.size(), 2u);
    EXPECT_EQ(screen->view().pickRows[1], QStringLiteral("Asturias"));
    screen->ListImpClick(0);
    clickCommunity(kMadrid);
    clickCommunity(kAragon);  // taken off, it can be picked again
    EXPECT_EQ(screen->state().printCommunities, (std::vector<int>{kAsturias, kMadrid, kAragon}));
    screen->ListImpClick(2);
    EXPECT_TRUE(screen->state().gridCells.empty());  // picking lists no centres

    screen->BotAceptarClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_FALSE(screen->state().printPicking);
    EXPECT_FALSE(screen->view().visible[static_cast<size_t>(C::PanelImp)]);
    std::vector<std::string> expected = {"Ciclo medio 01.1 (" + text(113) + ")"};
    const std::vector<std::string> sections = titleSections(2);
    expected.insert(expected.end(), sections.begin(), sections.end());
    const std::string capital =
        "- " + Padded("Madrid-Capital (centro y norte)", 35) + std::string(7, ' ');
    expected.insert(
        expected.end(),
        {communityHeading("Asturias"), "", lu(1, 5).substr(1, 44) + "985000005",
         communityHeading("Madrid"), "", capital, lu(2, 3).substr(1, 53), std::string(60, ' ')});
    EXPECT_EQ(printedLines(), expected);
}

TEST_F(LevelPrintingTest, ACataloniaReportIsTitledWithItsComarca) {
    start();
    screen->botLug2Click();
    clickCommunity(kCatalonia);
    clickComarca(41);
    screen->BotImprimirClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(printedLines().front(), text(289) + ": Comarca 41 - " + text(113));
    EXPECT_EQ(printedLines().size(), 4u);
}

}  // namespace
}  // namespace velmora
