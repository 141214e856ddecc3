#include "core/university/double_degrees.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/university/degrees_screen_fixture.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = DegreesControl;
using Row = std::array<std::string, 2>;
using Rows = std::vector<Row>;
using testing::DegreesScreenFixture;

// The folder's double degrees: Granada (community 1) pairs Biología (code 12) with Derecho
// (code 7) at 9,8; the Complutense (13) pairs Derecho with Biología without a tag; Melilla (19)
// has none. Medicina shares Biología's code, so "dobles" never names it.
class DoubleDegreesTest : public ::testing::Test, public DegreesScreenFixture {
  protected:
    // The rows of ListComunidad without their padding (degrees keep their stored names).
    std::vector<std::string> communityRows() const {
        std::vector<std::string> out;
        for (const std::string& row : state().communityLines) out.emplace_back(TrimRight(row));
        return out;
    }
    std::vector<std::pair<std::string, bool>> byUniversity() const {
        std::vector<std::pair<std::string, bool>> out;
        for (const HeadedLine& line : state().doublesLines)
            out.emplace_back(line.text, line.heading);
        return out;
    }
    int rowOf(int degree) const {
        const auto& rows = state().doublesRowDegree;
        return static_cast<int>(std::find(rows.begin(), rows.end(), degree) - rows.begin());
    }
};

TEST_F(DoubleDegreesTest, TheMenuListsEveryDegreeWithDoublesUnderItsBranch) {
    DegreesScreen& s = load();
    s.botinformacionClick();
    s.BotMenuDoblesClick();
    EXPECT_EQ(communityRows(),
              (std::vector<std::string>{"- texto 515", "- texto 516", "Biología", "- texto 517",
                                        "Derecho", "- texto 518", "- texto 519"}));
    EXPECT_EQ(state().doublesRowDegree, (std::vector<int>{0, 0, 1, 0, 2, 0, 0}));
    EXPECT_TRUE(state().doublesMode);
    EXPECT_TRUE(state().degreeListMode);
    EXPECT_FALSE(visible(C::PanelMenu));
    for (C c : {C::ListComunidad, C::PanelSelTit, C::PanelSel, C::BotRetroceder})
        EXPECT_TRUE(visible(c)) << ControlName(c);
    EXPECT_EQ(view().titleBar.toStdString(), "texto 242");
    ASSERT_EQ(view().communityRows.size(), 7u);
    EXPECT_EQ(view().communityRows[1].kind, RowKind::Heading);
    EXPECT_EQ(view().communityRows[2].icon, 3);
}

TEST_F(DoubleDegreesTest, ADegreeByUniversity) {
    DegreesScreen& s = load();
    s.BotMenuDoblesClick();
    s.takeChanges();
    s.ListComunidadClick(rowOf(1));
    using Line = std::pair<std::string, bool>;
    EXPECT_EQ(byUniversity(),
              (std::vector<Line>{{"", false},
                                 {"        Universidad de Granada", true},
                                 {"Biología. + Derecho > 9,8", false},
                                 {"", false},
                                 {"        Universidad Complutense de Madrid", true},
                                 {"Biología. + Derecho > -  ", false}}));
    EXPECT_TRUE(visible(C::listSel2));
    EXPECT_TRUE(visible(C::BotImprimir));
    EXPECT_FALSE(visible(C::ListSel));
    EXPECT_EQ(view().titleBar.toStdString(), "texto 242");
    EXPECT_EQ(s.takeChanges().panelSelTransition, TransitionKind::Roll);

    const RichText& text = view().listSel2;
    EXPECT_EQ(text.pointSize, 9);
    ASSERT_EQ(text.paragraphs.size(), 6u);
    EXPECT_FALSE(text.paragraphs[0].bullet);  // an empty line carries no bullet
    EXPECT_FALSE(text.paragraphs[1].bullet);
    EXPECT_EQ(text.paragraphs[1].runs[0].colour, ColourOf(PaletteColour::Red));
    EXPECT_TRUE(text.paragraphs[2].bullet);
    EXPECT_EQ(text.paragraphs[2].runs[0].colour, ColourOf(PaletteColour::Navy));

    // A heading stands for no degree.
    s.ListComunidadClick(0);
    EXPECT_EQ(byUniversity().size(), 6u);

    // Back to the menu.
    s.BotRetrocederClick();
    EXPECT_TRUE(visible(C::PanelMenu));
    EXPECT_FALSE(state().doublesMode);
    EXPECT_FALSE(visible(C::listSel2));
    EXPECT_FALSE(visible(C::ListComunidad));
}

TEST_F(DoubleDegreesTest, BothSidesOfAnEntryAndOnlyTheSecondSide) {
    // Biología paired with itself; Derecho (code 7) only ever as the second degree; the first
    // 20 characters of a long name.
    folder.language("carreran", {"Ingeniería en Tecnologías Industriales", "Derecho", "Medicina"});
    folder.data("dobles", {" 1Universidad de Granada", "     12 12 8,0", "     12  7",
                           "13Universidad Complutense de Madrid", "19UGR Campus de Melilla"});
    DegreesScreen& s = load();
    s.BotMenuDoblesClick();
    ASSERT_LT(rowOf(2), static_cast<int>(state().doublesRowDegree.size()));
    s.ListComunidadClick(rowOf(1));
    const std::string shortName(Trim(std::string("Ingeniería en Tecnologías").substr(0, 20)));
    using Line = std::pair<std::string, bool>;
    EXPECT_EQ(
        byUniversity(),
        (std::vector<Line>{{"", false},
                           {"        Universidad de Granada", true},
                           {shortName + ". + Ingeniería en Tecnologías Industriales > 8,0", false},
                           {shortName + ". + Ingeniería en Tecnologías Industriales > 8,0", false},
                           {shortName + ". + Derecho > -  ", false}}));
    s.ListComunidadClick(rowOf(2));
    EXPECT_EQ(
        byUniversity(),
        (std::vector<Line>{{"", false},
                           {"        Universidad de Granada", true},
                           {"Derecho. + Ingeniería en Tecnologías Industriales > -  ", false}}));
}

TEST_F(DoubleDegreesTest, TheDetailButtonListsThemAndLightsTheirCommunities) {
    DegreesScreen& s = load();
    s.SelectDegree(1);
    starMap.hide();
    starMap.takeRedrawRequest();
    s.BotDoblesCarMouseUp();
    EXPECT_TRUE(state().doublesMode);
    EXPECT_EQ(view().titleBar.toStdString(), "texto 242");
    EXPECT_TRUE(visible(C::GridNotas));
    EXPECT_FALSE(visible(C::ListSel));
    EXPECT_FALSE(visible(C::RichSalidas));
    EXPECT_TRUE(starMap.view().visible);
    EXPECT_TRUE(starMap.takeRedrawRequest());
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(enlace.regionMaps.markerFlags[static_cast<size_t>(c)], c == 1 || c == 13) << c;
    EXPECT_EQ(state().gridCells, (Rows{{"- Biología", ""},
                                       {"     texto 593...", ""},
                                       {"", ""},
                                       {"- Universidad de Granada", " "},
                                       {"+ " + FitToWidth("Derecho", 45), "  9,8"},
                                       {"- Universidad Complutense de Madrid", " "},
                                       {"+ " + FitToWidth("Derecho", 45), "  -  "}}));

    // A click on a community of the star map keeps the double degrees offered there.
    starMap.MapaEstrellasMouseMove(13, 50);
    starMap.MapaEstrellasClick();
    EXPECT_EQ(state().doublesCommunity, 13);
    EXPECT_EQ(state().gridCells, (Rows{{"     texto 242 de...", ""},
                                       {"- Biología", ""},
                                       {"     texto 593...", ""},
                                       {"- Universidad Complutense de Madrid", " "},
                                       {"+ " + FitToWidth("Derecho", 45), "  -  "}}));
    starMap.MapaEstrellasMouseMove(5, 50);
    starMap.MapaEstrellasClick();
    EXPECT_EQ(state().gridCells.size(), 3u);

    // Where to study leaves the double-degrees view: the star map scrolls the grid again.
    s.BotUniClick();
    EXPECT_FALSE(state().doublesMode);
}

struct NoDoublesCase {
    const char* what;
    std::vector<std::string> dobles;
    int degree;
};

class NoDoublesTest : public ::testing::TestWithParam<NoDoublesCase>,
                      public DegreesScreenFixture {};

TEST_P(NoDoublesTest, FourRowsAndNoMarkedCommunity) {
    folder.data("dobles", GetParam().dobles);
    DegreesScreen& s = load();
    s.SelectDegree(GetParam().degree);
    s.BotDoblesCarMouseUp();
    const std::string name = std::string(Trim(enlace.degreeTables.degreeNames[GetParam().degree]));
    EXPECT_EQ(
        state().gridCells,
        (Rows{{"     texto 242 de...", ""}, {"- " + name, ""}, {"", ""}, {"     texto 393", ""}}));
    for (int c = 1; c <= 19; ++c)
        EXPECT_FALSE(enlace.regionMaps.markerFlags[static_cast<size_t>(c)]);
    EXPECT_TRUE(starMap.view().visible);
}

INSTANTIATE_TEST_SUITE_P(
    Degrees, NoDoublesTest,
    ::testing::Values(
        NoDoublesCase{"a degree that no entry names",
                      {" 1Universidad de Granada", "     12  7 9,8", "13Complutense", "19Melilla"},
                      3},
        NoDoublesCase{"only groups outside the communities",
                      {" 1Universidad de Granada", "25Universidad Extranjera", "      7 12"},
                      2}),
    testing::ByWhat());

TEST_F(DoubleDegreesTest, TheDetailButtonNeedsADegree) {
    DegreesScreen& s = load();
    s.BotDoblesCarMouseUp();
    EXPECT_FALSE(state().doublesMode);
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_FALSE(s.takeChanges().any());
}

}  // namespace
}  // namespace velmora
