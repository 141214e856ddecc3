// The degrees screen's requirements view and its hand-over to the cut-off window.
#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/university/degrees_screen_fixture.h"
#include "core/university/requirements.h"
#include "core/vocational/cutoff_window.h"

namespace velmora {
namespace {

using C = DegreesControl;

class RequirementsViewTest : public ::testing::Test, public testing::DegreesScreenFixture {
  protected:
    // The screen with its cut-off window, degree `degree` chosen (its places on show).
    DegreesScreen& chosen(int degree) {
        DegreesScreen& s = load();
        cutOff.FormCreate();
        s.attachCutOffWindow(&cutOff);
        s.BotMenuGradosClick();
        s.SelectDegree(degree);
        s.takeChanges();
        return s;
    }

    std::vector<std::string> shownLines() const {
        std::vector<std::string> out;
        for (const Cell& row : view().selRows) out.push_back(cp1252::Encode(row.text));
        return out;
    }

    CutOffWindow cutOff{enlace, opener};
};

TEST_F(RequirementsViewTest, BotReqShowsTheDegreesRequirementsInListSel) {
    DegreesScreen& s = chosen(1);
    ASSERT_TRUE(starMap.view().visible);
    ASSERT_TRUE(visible(C::GridNotas));
    s.BotReqClick();
    const DegreesChanges changes = s.takeChanges();

    const std::vector<std::string> shown = shownLines();
    EXPECT_EQ(shown,
              RequirementsText(enlace.degreeTables, enlace.texts, 1, RequirementsForm::Full));
    // Biología: marks 9,5 and 10,2; its own subjects Biología and Química, the second also
    // recommended for its branch.
    const std::vector<std::string> start = {"-     texto 277", "", "texto 674", "texto 721 9.9"};
    ASSERT_GE(shown.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 4), start);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "\x95  Química"), 1);

    EXPECT_TRUE(visible(C::ListSel));
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_FALSE(visible(C::RichSalidas));
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_FALSE(starMap.view().timerRunning);
    EXPECT_EQ(cp1252::Encode(view().titleBar), "Biología");
    EXPECT_EQ(changes.panelSelTransition, TransitionKind::Radial);
}

TEST_F(RequirementsViewTest, HeadingRowsAreMaroonAndTheRestBlack) {
    DegreesScreen& s = chosen(3);
    s.BotReqClick();
    ASSERT_FALSE(view().selRows.empty());
    for (const Cell& row : view().selRows) {
        const bool heading = row.text.startsWith(QLatin1Char('-'));
        EXPECT_EQ(row.kind, heading ? RowKind::Heading : RowKind::Plain) << row.text.toStdString();
        EXPECT_EQ(row.colour, ColourOf(heading ? PaletteColour::Maroon : PaletteColour::Black));
        EXPECT_EQ(row.textLeft, 0);
        EXPECT_EQ(row.icon, -1);
    }
}

TEST_F(RequirementsViewTest, APickedDegreeIsTheOneDescribed) {
    DegreesScreen& s = chosen(1);
    s.BotMenuUniClick();
    enlace.regionMaps.regionUnderCursor = 13;  // Madrid, where Complutense offers Medicina
    s.mapaClick();
    s.ListComunidadClick(0);
    const auto& rows = s.state().gridDegree;
    const auto medicine = std::find(rows.begin(), rows.end(), 3);
    ASSERT_NE(medicine, rows.end());
    s.GridNotasDblClick(static_cast<int>(medicine - rows.begin()));
    s.BotReqClick();
    EXPECT_EQ(s.state().currentDegree, 3);
    EXPECT_EQ(shownLines(),
              RequirementsText(enlace.degreeTables, enlace.texts, 3, RequirementsForm::Full));
}

TEST_F(RequirementsViewTest, WithoutADegreeNothingIsShown) {
    DegreesScreen& s = chosen(1);
    s.SelectDegree(0);  // a heading row: the detail area emptied
    s.BotReqClick();
    EXPECT_TRUE(view().selRows.empty());
    EXPECT_EQ(view().titleBar, QStringLiteral("texto 48"));
}

TEST_F(RequirementsViewTest, BotCorteHandsOverToTheCutOffPanel) {
    DegreesScreen& s = chosen(1);
    s.BotCorteMouseUp();
    const DegreesChanges changes = s.takeChanges();
    EXPECT_TRUE(changes.hideScreen);
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_FALSE(s.state().doublesMode);
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_TRUE(cutOff.view().visible);
    EXPECT_TRUE(cutOff.view().cutOffPanel);
    EXPECT_FALSE(cutOff.view().weightingsPanel);
}

TEST_F(RequirementsViewTest, BotPondeHandsOverToTheWeightingsPanel) {
    folder.write(QStringLiteral("pdf/Universidad de Granada.pdf"), "%PDF-1.4\n%%EOF\n");
    DegreesScreen& s = chosen(1);
    s.BotPondeMouseUp();
    EXPECT_TRUE(s.takeChanges().hideScreen);
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_TRUE(cutOff.view().visible);
    EXPECT_TRUE(cutOff.view().weightingsPanel);
    EXPECT_FALSE(cutOff.view().cutOffPanel);
    EXPECT_EQ(cutOff.view().documents, QStringList{QStringLiteral("Universidad de Granada.pdf")});
}

TEST_F(RequirementsViewTest, WithoutTheWindowTheScreenStays) {
    DegreesScreen& s = load();
    s.BotMenuGradosClick();
    s.SelectDegree(1);
    s.takeChanges();
    s.BotCorteMouseUp();
    s.BotPondeMouseUp();
    EXPECT_FALSE(s.takeChanges().hideScreen);
    EXPECT_TRUE(visible(C::GridNotas));
}

}  // namespace
}  // namespace velmora
