// The degree statistics screen: the enrolment and performance charts as draw data, the
// employment table from "insercion" and "resins", its documents, its link and the way back.
#include "core/university/degree_statistics.h"

#include <gtest/gtest.h>

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/web_hosts.h"
#include "support/param_names.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using D = DegreeStatisticsControl;

// The bundled data in Castilian: its texts and the files of "pdf/est".
class DegreeStatisticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        enlace.setLanguage(0);
        enlace.LoadInterfaceTexts();
        statistics.setOnChange([this] { ++changes; });
        statistics.FormCreate();
    }
    QString text(int n) const { return CaptionText(enlace.texts[n]); }
    const ChartPicture& chart() const { return statistics.view().chart; }
    bool visible(D control) const { return statistics.view().controls.isVisible(control); }
    QString caption(D control) const { return statistics.view().controls.captionOf(control); }
    // The label texts of the chart from the top, and the boxes of row k (from 1).
    std::vector<QString> labels() const {
        std::vector<QString> out;
        for (const ChartText& t : chart().texts)
            if (t.alignRight) out.push_back(t.text);
        return out;
    }
    std::vector<ChartBox> row(int k) const {
        std::vector<ChartBox> out;
        for (const ChartBox& b : chart().boxes)
            if (b.top == (k - 1) * 35 + 10) out.push_back(b);
        return out;
    }
    const ChartText& labelOf(const QString& text) const {
        for (const ChartText& t : chart().texts)
            if (t.text == text) return t;
        throw std::runtime_error("no such text");
    }

    testing::RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(QStringLiteral(VELMORA_BUNDLED_DATA))};
    testing::RecordingOpener opener;
    DegreeStatistics statistics{enlace, opener};
    int changes = 0;
};

TEST_F(DegreeStatisticsTest, TheEnrolmentChartListsTheBranchesFromTheLargest) {
    statistics.ButtonMatriculaClick();
    // Positions 1 (46.5), 4 (19.0), 2 (17.7), 3 (10.3), 5 (6.4).
    EXPECT_EQ(labels(), (std::vector<QString>{text(375) + QStringLiteral("..."), text(517),
                                              text(519), text(518), text(515), text(516), text(421),
                                              text(402), text(403)}));
    // 46.5 makes 2 x 46 + 20 = 112 pixels: the bar from 350 to 452, its box 15 further.
    EXPECT_EQ(row(2), (std::vector<ChartBox>{{350, 45, 452, 65, kChartBarGreen},
                                             {467, 45, 527, 65, kChartBoxYellow}}));
    EXPECT_EQ(labelOf(QStringLiteral("46,5%")).x, 470);
    EXPECT_EQ(labelOf(QStringLiteral("46,5%")).colour, kChartBarRed);
    const ChartText& first = labelOf(text(517));
    EXPECT_EQ(first.x, 340);
    EXPECT_EQ(first.top, 47);
    EXPECT_EQ(first.icon, 1);
    EXPECT_EQ(first.iconOffset, QPoint(-42, -12));
    EXPECT_EQ(labelOf(text(516)).icon, 5);
    EXPECT_EQ(labelOf(text(402)).icon, 6);
    // Headings stand alone in navy.
    const ChartText& heading = labelOf(text(421));
    EXPECT_EQ(heading.icon, -1);
    EXPECT_EQ(heading.colour, (Rgb{0, 0, 128}));
    EXPECT_TRUE(row(7).empty());
    EXPECT_EQ(caption(D::LabelEst2), text(419) + QLatin1Char(' ') + text(517) + QLatin1Char('\n') +
                                         text(420) + QStringLiteral(" 84,6%"));
}

TEST_F(DegreeStatisticsTest, ThePerformanceChartHasNoExtraLengthAndItsTotal) {
    statistics.ButtonDificClick();
    EXPECT_EQ(labels(),
              (std::vector<QString>{text(375), text(519), text(517), text(515), text(516),
                                    text(518), text(426), text(421), text(402), text(403)}));
    // 84.7 rounds to 85: 170 pixels; 79.5 rounds to the even 80: 160.
    EXPECT_EQ(row(2).front(), (ChartBox{350, 45, 510, 65, kChartBarGreen}));
    EXPECT_EQ(row(3).front(), (ChartBox{350, 80, 500, 100, kChartBarGreen}));
    EXPECT_EQ(labelOf(QStringLiteral("77.80%")).top, 222);
    EXPECT_EQ(caption(D::LabelEst1), text(422) + QStringLiteral(" 2017-18"));
}

TEST(DegreeStatisticsSortTest, EqualFiguresKeepTheirOrder) {
    const std::vector<BranchFigure> sorted =
        SortedFromLargest({{1, 10, ""}, {2, 30, ""}, {3, 10, ""}, {4, 30, ""}, {5, 20, ""}});
    std::vector<int> positions;
    for (const BranchFigure& b : sorted) positions.push_back(b.position);
    EXPECT_EQ(positions, (std::vector<int>{2, 4, 5, 1, 3}));
}

TEST_F(DegreeStatisticsTest, EachViewShowsItsOwnDocumentsAndEachOpensItsFile) {
    struct Case {
        const char* name;
        void (DegreeStatistics::*view)();
        std::vector<D> shown;
    };
    const std::vector<D> all = {D::ButtonMas1,  D::ButtonMas2,  D::ButtonMas3, D::ButtonMas21,
                                D::ButtonMas22, D::ButtonMas31, D::ButtonMas32};
    for (D hidden : all) EXPECT_FALSE(visible(hidden));
    for (const Case& c :
         {Case{"enrolment",
               &DegreeStatistics::ButtonMatriculaClick,
               {D::ButtonMas1, D::ButtonMas2, D::ButtonMas3}},
          Case{
              "performance", &DegreeStatistics::ButtonDificClick, {D::ButtonMas21, D::ButtonMas22}},
          Case{"employment",
               &DegreeStatistics::ButtonTrabajoClick,
               {D::ButtonMas31, D::ButtonMas32}}}) {
        SCOPED_TRACE(c.name);
        (statistics.*c.view)();
        EXPECT_TRUE(visible(D::LabelMas));
        for (D button : all)
            EXPECT_EQ(visible(button),
                      std::find(c.shown.begin(), c.shown.end(), button) != c.shown.end())
                << DegreeStatisticsName(button);
    }
    statistics.ButtonMas1Click();
    statistics.ButtonMas32Click();
    EXPECT_EQ(opener.documents,
              (QStringList{QStringLiteral(VELMORA_BUNDLED_DATA "pdf/est/PreciosMatricula.pdf"),
                           QStringLiteral(VELMORA_BUNDLED_DATA "pdf/est/CompletoInsercion.pdf")}));
    opener.documentsOpen = false;
    statistics.ButtonMas22Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.front().contains(QStringLiteral("pdf/est/Becas.pdf")));
}

TEST_F(DegreeStatisticsTest, TheEmploymentViewFillsTheGridAndColoursItsExplanation) {
    statistics.ButtonTrabajoClick();
    EXPECT_TRUE(visible(D::PanelInsercion));
    EXPECT_TRUE(messages.errors.isEmpty());
    const auto& rows = statistics.view().gridRows;
    ASSERT_EQ(rows.size(), 42u);
    EXPECT_EQ(rows[0][0], QString());
    EXPECT_EQ(rows[1][0], QStringLiteral("1"));
    EXPECT_EQ(rows[1][1], QStringLiteral("Medicina"));
    EXPECT_EQ(rows[1][2], QStringLiteral("9,70"));
    EXPECT_EQ(rows[1][3], QStringLiteral("38.900"));
    EXPECT_EQ(rows[1][5], QStringLiteral("98,1"));
    EXPECT_EQ(rows[21][0], QString());
    EXPECT_EQ(rows[22][0], QStringLiteral("81"));
    EXPECT_EQ(rows[41][0], QStringLiteral("100"));
    EXPECT_EQ(caption(D::LabelInser), QStringLiteral("Explicaciones de la Tabla"));

    const RichText& rich = statistics.view().salidas;
    EXPECT_EQ(rich.pointSize, 11);
    ASSERT_FALSE(rich.paragraphs.empty());
    const RichRun& heading = rich.paragraphs.front().runs.front();
    EXPECT_EQ(heading.text, QStringLiteral("SALIDAS PROFESIONALES - INSERCIÓN LABORAL"));
    EXPECT_EQ(heading.colour, ColourOf(PaletteColour::Maroon));
    EXPECT_TRUE(heading.bold);
    int marked = 0;
    for (const RichParagraph& p : rich.paragraphs)
        for (const RichRun& run : p.runs) marked += run.bold;
    EXPECT_EQ(marked, 3);
}

TEST_F(DegreeStatisticsTest, BackShowsTheDegreesScreenWithoutTheDocuments) {
    statistics.show();
    statistics.ButtonMatriculaClick();
    statistics.takeChanges();
    statistics.ButtonRetroEstaClick();
    EXPECT_FALSE(statistics.view().visible);
    EXPECT_FALSE(visible(D::LabelMas));
    EXPECT_FALSE(visible(D::ButtonMas1));
    EXPECT_TRUE(statistics.takeChanges().showOwner);
    EXPECT_GT(changes, 0);
    // The chart stays for the next time.
    EXPECT_EQ(statistics.shownView(), DegreeStatistics::View::Enrolment);

    statistics.LabelWebClick();
    EXPECT_EQ(opener.opened, QStringList{QLatin1String(kUniversitiesMinistry) +
                                         QLatin1String(DegreeStatistics::kReportPath)});
    statistics.LabelWebMouseMove();
    EXPECT_TRUE(statistics.view().webUnderlined);
    statistics.FormMouseMove();
    EXPECT_FALSE(statistics.view().webUnderlined);
}

// --- "insercion" ---------------------------------------------------------------------------------

struct InsertionCase {
    const char* what;
    std::vector<std::string> lines;
    size_t read;
    bool cut;
};
void PrintTo(const InsertionCase& c, std::ostream* out) {
    *out << c.what;
}

class InsertionReadTest : public ::testing::TestWithParam<InsertionCase> {};

TEST_P(InsertionReadTest, ReadsUpToTheFirstEmptyLine) {
    testing::TempFolder folder;
    const InsertionCase& c = GetParam();
    const QString path = folder.writeLines(QStringLiteral("insercion"), c.lines);
    const InsertionTable table = ReadInsertion(path);
    EXPECT_EQ(table.lines.size(), c.read);
    EXPECT_EQ(table.cut, c.cut);
    if (c.cut)
        EXPECT_THROW(CheckInsertionFile(path), DataError);
    else
        EXPECT_NO_THROW(CheckInsertionFile(path));
}

INSTANTIATE_TEST_SUITE_P(
    Files, InsertionReadTest,
    ::testing::Values(InsertionCase{"an empty third line", {"a", "b", "", "c"}, 2, false},
                      InsertionCase{"a line of blanks", {"a", "   ", "c"}, 1, false},
                      InsertionCase{"forty nine lines", std::vector<std::string>(49, "x"), 49,
                                    false},
                      InsertionCase{"fifty lines", std::vector<std::string>(50, "x"), 49, true}),
    testing::ByWhat());

TEST(InsertionGridTest, TrimmedLinesKeepTheirColumns) {
    const std::vector<std::array<QString, 6>> rows =
        InsertionGrid({"   Heading", "Grado corto",
                       "Medicina                               9,70 "
                       "38.900 96,2 98,1"});
    EXPECT_EQ(rows[0][1], QStringLiteral("Heading"));
    EXPECT_EQ(rows[1], (std::array<QString, 6>{
                           QStringLiteral("1"), QStringLiteral("Grado corto"), {}, {}, {}, {}}));
    EXPECT_EQ(rows[2][4], QStringLiteral("96,2"));
}

}  // namespace
}  // namespace velmora
