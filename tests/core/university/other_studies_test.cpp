// The other studies and their pages, the masters text and the information pages of the degrees
// screen.
#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/cp1252.h"
#include "core/shared/tables.h"
#include "core/university/degrees_screen_fixture.h"
#include "core/university/other_studies.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = DegreesControl;
using Lines = std::vector<std::string>;

// Block 1 of a table holding `lines` as its content lines 1.., the rest blank.
BlockTable Block(const Lines& lines) {
    BlockTable blocks = MakeBlocks51();
    for (int f = 0; f < 50; ++f)
        blocks.set(
            1, f,
            PadToWidth(f < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(f)] : "",
                       60));
    return blocks;
}

struct PageCase {
    const char* what;
    Lines lines;
    size_t shown;  // how many lines the page shows
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.what;
}

class OtherStudyPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(OtherStudyPageTest, EndsBeforeTheFirstTwoBlankLines) {
    const PageCase& c = GetParam();
    const Lines page = OtherStudyPage(Block(c.lines), 1);
    ASSERT_EQ(page.size(), c.shown);
    for (size_t i = 0; i < page.size(); ++i)
        EXPECT_EQ(page[i], std::string(TrimRight(i < c.lines.size() ? c.lines[i] : "")));
}

Lines Full(int blankAt) {
    Lines lines;
    for (int i = 1; i <= 50; ++i) lines.push_back(i == blankAt ? "" : "Linea " + std::to_string(i));
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, OtherStudyPageTest,
    ::testing::Values(
        PageCase{"a page of three lines", {"- Que son", "Texto", "Mas texto"}, 3},
        PageCase{"a single blank line stays", {"- Que son", "", "Texto"}, 3},
        PageCase{"the first two lines blank give an empty page", {"", "", "Texto"}, 0},
        PageCase{"a line blank for 16 characters counts as blank",
                 {"Texto", std::string(16, ' ') + "x", ""},
                 1},
        PageCase{"a trailing blank line is shown with the other forty nine", Full(50), 50},
        PageCase{"a page without blank lines shows all fifty", Full(0), 50}),
    testing::ByWhat());

struct RowCase {
    const char* what;
    int row;
    const char* text;
    OtherStudyRow kind;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.what;
}

class OtherStudyRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(OtherStudyRowTest, LeadsWhereItsStartSays) {
    EXPECT_EQ(KindOfOtherStudyRow(GetParam().row, GetParam().text), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OtherStudyRowTest,
    ::testing::Values(RowCase{"a heading", 0, "   DEPORTES", OtherStudyRow::Nothing},
                      RowCase{"the third row whatever it says", 2, "   OTROS",
                              OtherStudyRow::Document},
                      RowCase{"higher courses", 5, "  1 Cursos", OtherStudyRow::Portal1},
                      RowCase{"training courses", 6, "  2 Cursos", OtherStudyRow::Portal2},
                      RowCase{"other centres", 7, "  3 Centros", OtherStudyRow::Portal3},
                      RowCase{"a study", 1, "Guardia Civil", OtherStudyRow::Page},
                      RowCase{"a short row", 4, "", OtherStudyRow::Page}),
    testing::ByWhat());

struct WrapCase {
    const char* what;
    std::string text;
    Lines lines;
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << c.what;
}

class WrapWordsTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapWordsTest, BreaksBetweenWordsWithinTheWidth) {
    const Lines lines = WrapWords(GetParam().text, 12, "  ");
    EXPECT_EQ(lines, GetParam().lines);
    for (const std::string& line : lines) EXPECT_LE(line.size(), 12u);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WrapWordsTest,
    ::testing::Values(
        WrapCase{"a short text", "Un texto", {"Un texto"}},
        WrapCase{"an exact fit", "Doce letras.", {"Doce letras."}},
        WrapCase{"words go on indented lines",
                 "uno dos tres cuatro cinco",
                 {"uno dos tres", "  cuatro", "  cinco"}},
        WrapCase{
            "a word longer than a line is cut", "abcdefghijklmnopq", {"abcdefghijkl", "  mnopq"}},
        WrapCase{"leading blanks stay", "   sangria de texto", {"   sangria", "  de texto"}},
        WrapCase{"an empty text is one empty line", "", {""}}),
    testing::ByWhat());

TEST(MastersTextTest, MarksMakeBulletsAndHeadings) {
    const RichText text = MastersText({"- Tipos", "* Habilitantes", "Texto llano", "*"});
    ASSERT_EQ(text.paragraphs.size(), 4u);
    EXPECT_EQ(text.pointSize, 9);
    const RichParagraph& heading = text.paragraphs[0];
    EXPECT_EQ(heading.text(), QStringLiteral("- Tipos"));  // the minus sign stays
    EXPECT_EQ(heading.runs[0].colour, ColourOf(PaletteColour::Maroon));
    EXPECT_TRUE(heading.runs[0].bold);
    EXPECT_FALSE(heading.bullet);
    EXPECT_EQ(text.paragraphs[1].text(), QStringLiteral("Habilitantes"));
    EXPECT_TRUE(text.paragraphs[1].bullet);
    EXPECT_EQ(text.paragraphs[1].runs[0].colour, ColourOf(PaletteColour::Navy));
    EXPECT_EQ(text.paragraphs[2].runs[0].colour, ColourOf(PaletteColour::Black));
    EXPECT_FALSE(text.paragraphs[2].runs[0].bold);
    EXPECT_EQ(text.paragraphs[3].text(), QString());
}

TEST(MastersTextTest, PrintsWithinTheReportsWidth) {
    const std::string long_(
        "* Ingenieria Industrial, de Telecomunicacion, de Caminos, Canales y Puertos, "
        "Aeronautica y de Montes.");
    const std::vector<HeadedLine> lines = MastersPrintLines({"- Tipos", long_, "Fin"});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (HeadedLine{"- Tipos", true}));
    EXPECT_EQ(lines[1].text.substr(0, 13), "\x95 Ingenieria ");
    EXPECT_EQ(lines[2].text.substr(0, 2), "  ");
    EXPECT_FALSE(lines[1].heading);
    for (const HeadedLine& line : lines) EXPECT_LE(line.text.size(), 65u);
    EXPECT_EQ(lines[3], (HeadedLine{"Fin", false}));
}

class OtherStudiesViewTest : public ::testing::Test, public testing::DegreesScreenFixture {
  protected:
    OtherStudiesViewTest() { writeOtherStudies(); }
};

TEST_F(OtherStudiesViewTest, TheListLeadsToPagesDocumentsAndPortals) {
    DegreesScreen& s = openMenu();
    s.BotMenuDeporClick();
    EXPECT_TRUE(state().otherStudiesMode);
    EXPECT_FALSE(visible(C::PanelMenu));
    ASSERT_EQ(state().communityLines.size(), 6u);
    EXPECT_EQ(view().communityRows[0].icon, -1);  // a group heading, without icon
    EXPECT_EQ(view().communityRows[1].icon, 3);

    s.ListComunidadClick(0);
    EXPECT_FALSE(visible(C::BotImprimir));
    EXPECT_TRUE(state().selLines.empty());

    s.ListComunidadClick(5);
    EXPECT_EQ(view().titleBar.toStdString(), "Guardia Civil");
    EXPECT_EQ(state().selLines, (Lines{"- Pagina 6", "Texto"}));
    EXPECT_TRUE(visible(C::BotImprimir));
    EXPECT_EQ(s.takeChanges().panelSelTransition, TransitionKind::Roll);

    // The document row: its path in the data folder, reported when it is not there.
    s.ListComunidadClick(2);
    EXPECT_FALSE(visible(C::BotImprimir));
    EXPECT_TRUE(opener.documents.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(
        messages.shown[0].contains(folder.file(QStringLiteral("pdf/est/DeportesCentros.pdf"))));
    folder.write(QStringLiteral("pdf/est/DeportesCentros.pdf"), "%PDF");
    s.ListComunidadClick(2);
    EXPECT_EQ(opener.documents,
              QStringList{folder.file(QStringLiteral("pdf/est/DeportesCentros.pdf"))});

    s.ListComunidadClick(3);
    EXPECT_EQ(opener.opened,
              QStringList{QStringLiteral("https://www.velmora.es/cursos-superiores/")});

    s.BotRetrocederClick();
    EXPECT_FALSE(state().otherStudiesMode);
    EXPECT_TRUE(visible(C::PanelMenu));
    EXPECT_FALSE(visible(C::ListComunidad));
}

TEST_F(OtherStudiesViewTest, TheMastersTextOpensBelowTheRegistersAddress) {
    DegreesScreen& s = openMenu();
    s.BotMasterClick();
    const DegreesChanges changes = s.takeChanges();
    EXPECT_TRUE(state().mastersMode);
    for (C c : {C::PanelSel, C::PanelSelTit, C::LabelMaster, C::LabelMaster2, C::RichSalidas,
                C::BotRetroceder, C::BotImprimir})
        EXPECT_TRUE(visible(c)) << ControlName(c);
    EXPECT_FALSE(visible(C::PanelMenu));
    EXPECT_EQ(view().titleBar.toStdString(), "texto 551");
    EXPECT_EQ(view().caption[static_cast<size_t>(C::LabelMaster2)].toStdString(),
              "https://www.educacion.gob.es/ruct/ListadoTitulos/");
    EXPECT_EQ(view().hint[static_cast<size_t>(C::LabelMaster2)].toStdString(),
              "Clic~Clic - texto 174");
    EXPECT_EQ(view().richSalidasPlace, RichSalidasPlace::BelowMaster2);
    EXPECT_EQ(changes.focus, C::RichSalidas);
    EXPECT_EQ(view().richSalidas, MastersText(state().mastersLines));
    EXPECT_EQ(view().richSalidas.paragraphs.size(), 3u);

    s.LabelMaster2MouseUp();
    EXPECT_EQ(opener.opened,
              QStringList{QStringLiteral("https://www.educacion.gob.es/ruct/ListadoTitulos/")});
    s.BotRetrocederClick();
    EXPECT_FALSE(state().mastersMode);
    EXPECT_TRUE(visible(C::PanelMenu));
    EXPECT_FALSE(visible(C::RichSalidas));
    // The profile box goes back to where the degree browser had it.
    EXPECT_EQ(view().richSalidasPlace, RichSalidasPlace::Design);
}

TEST_F(OtherStudiesViewTest, AMissingMastersFileIsReportedAndTheScreenGoesOn) {
    QFile::remove(folder.file(QStringLiteral("cas/master.txt")));
    DegreesScreen& s = openMenu();
    s.BotMasterClick();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("master.txt")));
    EXPECT_TRUE(view().richSalidas.paragraphs.empty());
    s.BotRetrocederClick();
    EXPECT_TRUE(visible(C::PanelMenu));
    s.BotMenuDeporClick();
    EXPECT_TRUE(visible(C::ListComunidad));
}

TEST_F(OtherStudiesViewTest, TheInformationPagesAreOnTheProgramsSite) {
    DegreesScreen& s = openMenu();
    s.botinfo2Click();
    s.botinfo3Click();
    EXPECT_EQ(
        opener.opened,
        (QStringList{QStringLiteral("https://www.velmora.es/velmora/index.php?id=universidad"),
                     QStringLiteral("https://www.velmora.es/velmora/index.php?id=becas")}));
}

}  // namespace
}  // namespace velmora
