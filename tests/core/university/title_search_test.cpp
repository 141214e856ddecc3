#include "core/university/title_search.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/university/degrees_screen_fixture.h"

namespace velmora {
namespace {

using C = DegreesControl;
using testing::DegreesScreenFixture;

struct NormaliseCase {
    const char* text;
    const char* normalised;
};

TEST(NormaliseForSearchTest, TrimsDropsTheAccentsOfVowelsAndLowersAToZ) {
    const NormaliseCase cases[] = {
        {"  Ingenier\xED"
         "a  ",
         "ingenieria"},
        {"ENFERMER\xCD"
         "A",
         "enfermeria"},
        {"\xC1\xC9\xCD\xD3\xDA \xC0\xC8\xCC\xD2\xD9 \xC4\xCB\xCF\xD6\xDC \xC2\xCA\xCE\xD4\xDB",
         "aeiou aeiou aeiou aeiou"},
        {"\xE1\xE9\xED\xF3\xFA \xE0\xE8\xEC\xF2\xF9 \xE4\xEB\xEF\xF6\xFC \xE2\xEA\xEE\xF4\xFB",
         "aeiou aeiou aeiou aeiou"},
        // The n with tilde, the c with cedilla and y with acute keep what they are.
        {"ESPA\xD1"
         "A espa\xF1"
         "a \xC7\xE7 \xDD",
         "espa\xD1"
         "a espa\xF1"
         "a \xC7\xE7 \xDD"},
        {"   ", ""},
    };
    for (const NormaliseCase& c : cases)
        EXPECT_EQ(NormaliseForSearch(c.text), c.normalised) << c.text;
}

struct MatchCase {
    const char* text;
    const char* query;
    bool matches;
};

TEST(MatchesNormalisedTest, TheQueryAnywhereInTheNormalisedText) {
    const MatchCase cases[] = {
        {"Enfermer\xED"
         "a                    ",
         "enfermeria", true},
        {"Enfermer\xED"
         "a",
         "ENFERMER\xCD"
         "A",
         true},
        {"Grado en Enfermer\xED"
         "a",
         "en enf", true},
        {"Espa\xF1ol", "espa\xF1ol", true},
        {"ESPA\xD1OL", "espa\xF1ol", false},  // a small n with tilde is not its capital
        {"Espa\xF1ol", "ESPA\xD1OL", false},
        {"Medicina", "", false},  // an empty query finds nothing
        {"Med", "medicina", false},
        {"Medicina", "medicina ", true},  // the query's blanks are trimmed
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(MatchesNormalised(c.text, NormaliseForSearch(c.query)), c.matches)
            << c.text << " / " << c.query;
}

// The small degree folder rewritten in Windows-1252: groups 1 "Ciencias de la Vida" (Biología
// of branch 2, Derecho of branch 3), 2 "Cirugía Mayor" with no degree, 3 "Ciencias Jurídicas"
// with no degree; degree 3 "Ciencias de la Salud" without a group. Specific titles:
// 1 "Biología Sanitaria" (degrees 1 and 3), 2 "Medicina Sanitaria" (degree 3),
// 3 "ESPAÑOL" (degree 2), 4 "Cirugía General" (degree 3).
class TitleSearchTest : public ::testing::Test, public DegreesScreenFixture {
  protected:
    TitleSearchTest() {
        folder.language("carreran", {"Biolog\xED"
                                     "a",
                                     "Derecho", "Ciencias de la Salud"});
        folder.language("carreranb", {"Ciencias de la Vida",
                                      "Cirug\xED"
                                      "a Mayor",
                                      "Ciencias Jur\xED"
                                      "dicas"});
        folder.language("carrenue", {"Biolog\xED"
                                     "a Sanitaria",
                                     "Medicina Sanitaria", "ESPA\xD1OL",
                                     "Cirug\xED"
                                     "a General"});
        folder.data("datcarnphp", {"1;1", "1;2", "3;1;2;3",  // places
                                   "1;95", "1;60", "3;128;131;10", "1;1", "1;3", "3;2;1;4"});
        folder.data("datgradosphp", {"2;1;1;0;0;0;0;0;3;12;1;3;0;0", "3;1;6;0;2;0;0;0;23;7;2;0;0;0",
                                     "5;0;3;0;1;0;0;0;21;13;50;0;0;0"});
        load();
    }

    // The rows as "heading text" or "degree number".
    std::vector<std::string> search(const char* query) {
        screen->BitBusTitClick(cp1252::Decode(query));
        std::vector<std::string> rows;
        for (size_t i = 0; i < state().rowDegree.size(); ++i)
            rows.push_back(state().headerRow[i] ? "-" + std::string(TrimRight(state().workLines[i]))
                                                : std::to_string(state().rowDegree[i]));
        return rows;
    }
};

using Rows = std::vector<std::string>;

TEST_F(TitleSearchTest, GroupsThenDegreesThenSpecificTitles) {
    // A group lists every degree of it, whatever its branch, then the other degrees by name.
    EXPECT_EQ(search("ciencias"), (Rows{"-Ciencias de la Vida", "1", "2", "-texto 571", "3"}));
    // A degree that its group already lists is not listed twice.
    EXPECT_EQ(search("vida"), (Rows{"-Ciencias de la Vida", "1", "2"}));
    EXPECT_EQ(search("derecho"), (Rows{"-texto 571", "2"}));
    // Only when neither finds anything, the degrees offered under a matching title, per title:
    // a degree that carries two of them appears twice.
    EXPECT_EQ(search("sanitaria"), (Rows{"-texto 571", "1", "3", "3"}));
    EXPECT_EQ(search("MEDICINA"), (Rows{"-texto 571", "3"}));
}

TEST_F(TitleSearchTest, AccentsAndCaseOfTheQueryDoNotMatter) {
    const Rows expected{"-texto 571", "1"};
    EXPECT_EQ(search("biologia"), expected);
    EXPECT_EQ(search("BIOLOG\xCD"
                     "A"),
              expected);
    EXPECT_EQ(search("  Biolog\xED"
                     "a "),
              expected);
}

TEST_F(TitleSearchTest, SearchesThatFindNothingSayIt) {
    EXPECT_EQ(search(""), Rows{"-texto 41"});
    EXPECT_EQ(search("   "), Rows{"-texto 41"});
    EXPECT_EQ(search("qu\xEDmica"), Rows{"-texto 41"});
    EXPECT_EQ(search("espa\xF1ol"), Rows{"-texto 41"});  // only "ESPAÑOL" is there
    EXPECT_EQ(search("espa\xD1OL"), (Rows{"-texto 571", "2"}));
    // A character the data's code page cannot hold is in no name.
    screen->BitBusTitClick(QStringLiteral("Biolog\u0142a"));
    EXPECT_EQ(state().rowDegree, std::vector<int>{0});
}

TEST_F(TitleSearchTest, AGroupWithoutDegreesStopsTheSearchAmongTheTitles) {
    // "Cirugía Mayor" has no degree; the title "Cirugía General" is not searched once a group
    // matched, and the grid, left without rows, says that nothing was found.
    EXPECT_EQ(search("cirug\xED"
                     "a"),
              Rows{"-texto 41"});
    EXPECT_EQ(search("general"), (Rows{"-texto 571", "3"}));
    EXPECT_EQ(search("jur\xED"
                     "dicas"),
              Rows{"-texto 41"});
}

TEST_F(TitleSearchTest, RowsBehaveAsTheBranchListsRows) {
    screen->BotMenuGradosClick();
    screen->takeChanges();
    screen->EditBusTitKeyDown(Qt::Key_Tab, QStringLiteral("sanitaria"));
    EXPECT_FALSE(screen->takeChanges().any());
    screen->EditBusTitKeyDown(Qt::Key_Return, QStringLiteral("sanitaria"));
    EXPECT_TRUE(visible(C::listgrados));
    EXPECT_FALSE(visible(C::Listramas));
    EXPECT_FALSE(visible(C::Tree));
    EXPECT_FALSE(state().branchListShown);  // the browser's back button returns to the branches
    ASSERT_EQ(view().degreeRows.size(), 4u);
    EXPECT_EQ(view().degreeRows[0][0].kind, RowKind::Heading);
    EXPECT_EQ(view().degreeRows[0][0].fill, ColourOf(PaletteColour::Coral));
    EXPECT_EQ(view().degreeRows[1][0].kind, RowKind::Icon);
    EXPECT_EQ(view().degreeRows[1][1].text.toStdString(), "+");

    // The hint of other titles and the selection work on the found rows.
    screen->listgradosMouseMove(2);
    EXPECT_TRUE(view().degreeHint.contains(QStringLiteral("Medicina Sanitaria")));
    screen->listgradosMouseUp(2);
    EXPECT_EQ(state().currentDegree, 3);

    screen->EditBusTitKeyDown(Qt::Key_Enter, QStringLiteral("zzz"));
    ASSERT_EQ(view().degreeRows.size(), 1u);
    EXPECT_EQ(view().degreeRows[0][0].text.toStdString(), "texto 41");
    EXPECT_TRUE(view().degreeRows[0][1].text.isEmpty());
    screen->listgradosMouseUp(0);
    EXPECT_EQ(state().currentDegree, 0);

    screen->ButtonRetroNClick();
    EXPECT_TRUE(visible(C::Listramas));
}

}  // namespace
}  // namespace velmora
