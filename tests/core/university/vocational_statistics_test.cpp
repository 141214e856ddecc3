// The statistics window of vocational training: its readers, the count of centres per title,
// the three charts as draw data (rows, bars, boxes, texts, icons), the growing bar of the current
// row, scrolling, and the way back.
#include "core/university/vocational_statistics.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/text_file.h"
#include "core/shared/web_hosts.h"
#include "core/vocational/vocational_fixture.h"
#include "core/vocational/vocational_load.h"
#include "support/param_names.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"

namespace velmora {
namespace {

using S = StatisticsControl;
using Timer = VocationalStatistics::Timer;

TextLines Lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return SplitLines(std::move(bytes));
}

// --- Readers -------------------------------------------------------------------------------------

struct TitlesCase {
    const char* what;
    std::vector<std::string> fp;
    std::vector<std::string> lines;  // from 1
    std::vector<int> families;       // from 1
    int count;
};
void PrintTo(const TitlesCase& c, std::ostream* out) {
    *out << c.what;
}

class StatisticsTitlesTest : public ::testing::TestWithParam<TitlesCase> {};

TEST_P(StatisticsTitlesTest, ReadsTheTitlesOfFp) {
    const TitlesCase& c = GetParam();
    const StatisticsTitles titles = ReadStatisticsTitles(Lines(c.fp));
    EXPECT_EQ(std::vector<std::string>(titles.lines.begin() + 1, titles.lines.end()), c.lines);
    EXPECT_EQ(std::vector<int>(titles.families.begin() + 1, titles.families.end()), c.families);
    EXPECT_EQ(titles.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StatisticsTitlesTest,
    ::testing::Values(TitlesCase{"a bang heading ends the list and is not counted",
                                 {"-Sanidad", "  Dietetica  ", "-|Artes", "Grafica", "-!Deportes",
                                  "Futbol"},
                                 {"-Sanidad", "Dietetica", "-Artes", "Grafica", "-!Deportes"},
                                 {1, 1, 2, 2, 3},
                                 4},
                      // Every title is counted, the last one too.
                      TitlesCase{"a file without a bang heading keeps its last title",
                                 {"-Sanidad", "Dietetica", "Farmacia"},
                                 {"-Sanidad", "Dietetica", "Farmacia"},
                                 {1, 1, 1},
                                 3},
                      TitlesCase{"an empty line ends the list",
                                 {"-Sanidad", "Dietetica", "   ", "Farmacia"},
                                 {"-Sanidad", "Dietetica"},
                                 {1, 1},
                                 2}),
    testing::ByWhat());

TEST(StatisticsReadersTest, AtMostTwoHundredTitlesAreRead) {
    const StatisticsTitles titles =
        ReadStatisticsTitles(Lines(std::vector<std::string>(250, "Titulo")));
    EXPECT_EQ(titles.count, 200);
    EXPECT_EQ(titles.lines.size(), 201u);
}

TEST(StatisticsReadersTest, APercentIsADecimalNumberWithAPoint) {
    const std::vector<std::pair<std::string, std::optional<double>>> cases = {
        {"5.3", 5.3},          {"17", 17.0},          {"0.0", 0.0},
        {"5,3", std::nullopt}, {"", std::nullopt},    {"1.2.3", std::nullopt},
        {"-1", std::nullopt},  {"abc", std::nullopt}, {".", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ReadPercent(text), expected) << text;
    EXPECT_EQ(PercentFields("11.6 20.0"), (std::array<std::string, 2>{"11.6", "20.0"}));
    EXPECT_EQ(PercentFields("5.3"), (std::array<std::string, 2>{"5.3", ""}));
}

// --- The window over a small data folder ---------------------------------------------------------

// Families: 11.6/20.0 for the first, a comma in the third's first field, the rest 1.0/2.0.
std::vector<std::string> FamilyStatistics() {
    std::vector<std::string> lines(26, "1.0  2.0");
    lines[0] = "11.6 20.0";
    lines[2] = "5,3  1.0";
    lines[4] = "17.5 5.0";
    return lines;
}

class VocationalStatisticsTest : public ::testing::Test {
  protected:
    VocationalStatisticsTest() {
        QFile::copy(QStringLiteral(VELMORA_BUNDLED_DATA) + QStringLiteral("cas/textos"),
                    folder.file(QStringLiteral("cas/textos")));
        folder.data("fami_estad.txt", FamilyStatistics());
    }

    void SetUp() override {
        enlace.setLanguage(0);
        enlace.LoadInterfaceTexts();
        RunSetUp(messages, [&] {
            LoadFpHigher(enlace);
            LoadCentreLists(enlace);
            LoadFpHigherPlaces(enlace);
        });
        ASSERT_TRUE(statistics.FormCreate());
        ASSERT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'\n').toStdString();
    }

    const ChartPicture& chart(int panel) const { return statistics.view().charts[panel]; }
    // The texts of the chart whose top is `top`, in order.
    std::vector<QString> textsAt(int panel, int top) const {
        std::vector<QString> out;
        for (const ChartText& t : chart(panel).texts)
            if (t.top == top) out.push_back(t.text);
        return out;
    }
    const ChartText* label(int panel, const QString& text) const {
        for (const ChartText& t : chart(panel).texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    // The boxes of the chart from `top` to `bottom`.
    std::vector<ChartBox> boxesAt(int panel, int top) const {
        std::vector<ChartBox> out;
        for (const ChartBox& b : chart(panel).boxes)
            if (b.top == top) out.push_back(b);
        return out;
    }
    void finishGrowing(Timer timer) {
        for (int i = 0; i < 200 && statistics.view().timers[static_cast<size_t>(timer)]; ++i)
            statistics.tick(timer);
    }
    int scroll(int bar) const { return statistics.view().scrollBars[bar].position; }
    QString text(int n) const { return cp1252::Decode(enlace.texts[n]); }

    testing::VocationalFolder folder;
    testing::RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    testing::RecordingOpener opener;
    VocationalStatistics statistics{enlace, opener};
};

TEST_F(VocationalStatisticsTest, CountsThePlacesOfEveryListThatTeachEachTitle) {
    // Title 2: Huesca (lu1), Cuenca (lu2) and Valencia (lu4); title 56 lies beyond the titles.
    std::vector<int> counts = CentresPerTitle(enlace.vocational, statistics.titles().count);
    EXPECT_EQ(statistics.titles().count, 54);
    EXPECT_EQ(counts[2], 3);
    EXPECT_EQ(counts[4], 2);
    EXPECT_EQ(counts[1], 0);
    EXPECT_EQ(counts.size(), 55u);

    // A title listed twice by one place counts twice.
    std::vector<std::string> offers = folder.offersGS;
    offers[1] = "2;5;5";
    folder.data("datluggsphp", offers);
    RunSetUp(messages, [&] { LoadFpHigherPlaces(enlace); });
    counts = CentresPerTitle(enlace.vocational, statistics.titles().count);
    EXPECT_EQ(counts[5], 2);
}

TEST_F(VocationalStatisticsTest, TheCentresChartScrollsToTheTitleAndClampsAtTheFirst) {
    struct Case {
        const char* name;
        int title;
        int current;
        int position;
    };
    for (const Case& c :
         {Case{"the first title", 1, 1, 1}, Case{"a title further on", 30, 30, 22},
          Case{"near the end", 54, 54, 40}, Case{"a title beyond the list", 56, 2, 1}}) {
        SCOPED_TRACE(c.name);
        statistics.labelEstad1Click(c.title);
        EXPECT_EQ(statistics.current(), c.current);
        EXPECT_EQ(statistics.view().scrollBars[0], (ScrollRange{1, 40, c.position}));
    }
    EXPECT_TRUE(statistics.view().controls.isVisible(S::PanelEst1));
    EXPECT_FALSE(statistics.view().controls.isVisible(S::PanelEst2));
    EXPECT_FALSE(statistics.view().controls.isVisible(S::LabelInfo2));
    EXPECT_EQ(statistics.view().controls.captionOf(S::LabelEst1), text(228));
    EXPECT_EQ(statistics.view().controls.captionOf(S::LabelEst2),
              text(325) + QStringLiteral(": Ciclo superior 01.1"));
}

TEST_F(VocationalStatisticsTest, TheCentresChartDrawsEachTitlesBarBoxAndCount) {
    statistics.labelEstad1Click(4);
    finishGrowing(Timer::Timer1);
    // Row 1: the heading of family 1 in red with its icon, and no bar.
    const ChartText* heading = label(0, QStringLiteral("-Familia 01"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->top, 32);
    EXPECT_EQ(heading->x, 450);
    EXPECT_TRUE(heading->alignRight);
    EXPECT_EQ(heading->colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(heading->icon, 31);
    EXPECT_EQ(heading->iconOffset, QPoint(-33, -12));
    EXPECT_TRUE(boxesAt(0, 30).empty());

    // Row 2: title 2 at three places: a bar of round(43 / 3.4) = 13 pixels from the edge.
    EXPECT_EQ(boxesAt(0, 60), (std::vector<ChartBox>{{460, 60, 463, 80, kChartBarGreen},
                                                     {478, 60, 528, 80, kChartBoxYellow}}));
    EXPECT_EQ(textsAt(0, 62),
              (std::vector<QString>{QStringLiteral("Ciclo superior 01.1"), QStringLiteral("3")}));
    EXPECT_EQ(label(0, QStringLiteral("3"))->x, 484);
    EXPECT_EQ(label(0, QStringLiteral("Ciclo superior 01.1"))->colour, (Rgb{0, 0, 128}));
    // Title 5 (row 5) is taught at one place, title 12 (row 12) nowhere.
    EXPECT_EQ(textsAt(0, 152),
              (std::vector<QString>{QStringLiteral("Ciclo superior 02.2"), QStringLiteral("1")}));
    EXPECT_EQ(textsAt(0, 362), (std::vector<QString>{QStringLiteral("Ciclo superior 06.1"),
                                                     QStringLiteral("----")}));
    EXPECT_EQ(chart(0).boxes.front().fill, kChartBarGreen);
    EXPECT_EQ(chart(0).background, (Rgb{223, 236, 249}));
}

TEST_F(VocationalStatisticsTest, TheCurrentRowsBarGrowsThenShowsItsBox) {
    statistics.labelEstad1Click(2);  // three places: the bar runs from 460 to 463
    ASSERT_TRUE(statistics.view().timers[0]);
    EXPECT_EQ(boxesAt(0, 60), (std::vector<ChartBox>{{460, 60, 460, 80, kChartBarGreen}}));
    statistics.tick(Timer::Timer1);  // at least three pixels a tick
    EXPECT_EQ(boxesAt(0, 60), (std::vector<ChartBox>{{460, 60, 463, 80, kChartBarGreen}}));
    EXPECT_EQ(textsAt(0, 62).size(), 1u);  // no box or count while it grows
    // It stops once it has run 20 pixels past its end: 3 x 8 = 24 > 3 + 20.
    for (int i = 0; i < 7; ++i) statistics.tick(Timer::Timer1);
    EXPECT_FALSE(statistics.view().timers[0]);
    EXPECT_EQ(textsAt(0, 62).back(), QStringLiteral("3"));
}

TEST_F(VocationalStatisticsTest, TheEmploymentChartShowsEachFamilysPercentage) {
    statistics.labelEstad3Click(5);
    // The third family's comma: one message, and no bar of someone else's number.
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("problema decimales")});
    EXPECT_EQ(statistics.values()[3], 0);
    EXPECT_EQ(statistics.values()[1], 116);
    EXPECT_EQ(statistics.view().scrollBars[0], (ScrollRange{1, 12, 1}));
    EXPECT_TRUE(statistics.view().controls.isVisible(S::LabelInfo2));
    finishGrowing(Timer::Timer1);

    // Family 1: 11.6 % makes a bar of 116 + 11 pixels from the edge at 350.
    EXPECT_EQ(boxesAt(0, 30), (std::vector<ChartBox>{{360, 30, 477, 50, kChartBarGreen},
                                                     {492, 30, 542, 50, kChartBoxYellow}}));
    EXPECT_EQ(textsAt(0, 32),
              (std::vector<QString>{QStringLiteral("Familia 01"), QStringLiteral("11.6%")}));
    EXPECT_EQ(label(0, QStringLiteral("11.6%"))->x, 495);
    EXPECT_EQ(label(0, QStringLiteral("Familia 01"))->icon, 31);
    EXPECT_EQ(label(0, QStringLiteral("Familia 02"))->icon, 2);
    // The current family's value, once grown, with one decimal.
    EXPECT_EQ(textsAt(0, 152).back(), QStringLiteral("17.5%"));
    EXPECT_EQ(textsAt(0, 92).back(), QStringLiteral("5,3%"));
    EXPECT_EQ(statistics.view().controls.captionOf(S::LabelEst2),
              text(583) + QStringLiteral(": Familia 05"));
}

TEST_F(VocationalStatisticsTest, TheComparisonChartPutsTheJobsUnderTheStudents) {
    statistics.labelEstad4Click(1);
    EXPECT_EQ(messages.shown.size(), 1);  // the comma, once
    EXPECT_EQ(statistics.view().scrollBars[1], (ScrollRange{1, 17, 1}));
    EXPECT_TRUE(statistics.view().controls.isVisible(S::PanelEst2));
    EXPECT_FALSE(statistics.view().controls.isVisible(S::PanelEst1));
    EXPECT_TRUE(statistics.view().timers[1]);
    EXPECT_FALSE(statistics.view().timers[0]);
    finishGrowing(Timer::Timer2);

    // Family 1 centred on y = 30: the students in green above, the jobs in red below.
    EXPECT_EQ(boxesAt(1, 20), (std::vector<ChartBox>{{410, 20, 527, 40, kChartBarGreen},
                                                     {542, 20, 592, 40, kChartBoxYellow}}));
    EXPECT_EQ(boxesAt(1, 40), (std::vector<ChartBox>{{410, 40, 611, 60, kChartBarRed},
                                                     {626, 40, 676, 60, kChartBoxYellow}}));
    EXPECT_EQ(label(1, QStringLiteral("11.6%"))->top, 22);
    EXPECT_EQ(label(1, QStringLiteral("20.0%"))->top, 42);
    EXPECT_EQ(label(1, QStringLiteral("Familia 01"))->top, 32);
    EXPECT_EQ(label(1, QStringLiteral("Familia 01"))->x, 400);

    statistics.labelEstad4Click(26);
    EXPECT_EQ(scroll(1), 17);
}

TEST_F(VocationalStatisticsTest, TheWheelAndTheScrollBarsMoveTheActiveChart) {
    statistics.labelEstad1Click(30);
    statistics.FormMouseWheel(120);  // forward: up one row
    EXPECT_EQ(scroll(0), 21);
    statistics.FormMouseWheel(-240);
    EXPECT_EQ(scroll(0), 23);
    statistics.ScrollBar1Change(100);
    EXPECT_EQ(scroll(0), 40);
    // The last row is the last title: the heading that ends the list is not one.
    EXPECT_NE(label(0, QStringLiteral("Grafica Publicitaria")), nullptr);
    EXPECT_EQ(label(0, QStringLiteral("-!Ensenanzas deportivas")), nullptr);
    statistics.labelEstad4Click(10);
    statistics.FormMouseWheel(-120);
    EXPECT_EQ(scroll(1), 6);
    EXPECT_EQ(scroll(0), 40);
}

TEST_F(VocationalStatisticsTest, BackHidesTheWindowAndStopsItsBars) {
    bool heard = false;
    statistics.setOnChange([&] { heard = true; });
    statistics.labelEstad1Click(2);
    statistics.show();
    EXPECT_TRUE(statistics.view().visible);
    statistics.takeChanges();
    statistics.ButtonRetroEstaClick();
    EXPECT_TRUE(heard);
    EXPECT_FALSE(statistics.view().visible);
    EXPECT_FALSE(statistics.view().timers[0] || statistics.view().timers[1]);
    EXPECT_TRUE(statistics.takeChanges().showOwner);

    statistics.LabelInfoClick();
    EXPECT_EQ(opener.opened,
              QStringList{QLatin1String(kProgramSite) +
                          QStringLiteral("/materiales/est/Resumen-infoempleo-adecco-2018.pdf")});
    statistics.LabelInfo2MouseMove();
    EXPECT_TRUE(statistics.view().infoUnderlined);
    statistics.PanelMouseMove();
    EXPECT_FALSE(statistics.view().infoUnderlined);
}

TEST_F(VocationalStatisticsTest, TheCheckerNamesAFamilyLineThatIsMissingOrUnreadable) {
    const QString path = folder.file(QStringLiteral("fami_estad.txt"));
    try {
        CheckFamilyStatisticsFile(path);
        FAIL() << "the comma was accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 3);
    }
    std::vector<std::string> lines(25, "1.0  2.0");
    folder.data("fami_estad.txt", lines);
    try {
        CheckFamilyStatisticsFile(path);
        FAIL() << "the missing line was accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 26);
    }
    lines.push_back("0.1  0.1");
    folder.data("fami_estad.txt", lines);
    EXPECT_NO_THROW(CheckFamilyStatisticsFile(path));
}

TEST(VocationalStatisticsFilesTest, AMissingFamilyFileIsReportedOnceAndTheViewsStillOpen) {
    testing::VocationalFolder folder;
    QFile::copy(QStringLiteral(VELMORA_BUNDLED_DATA) + QStringLiteral("cas/textos"),
                folder.file(QStringLiteral("cas/textos")));
    testing::RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    enlace.setLanguage(0);
    enlace.LoadInterfaceTexts();
    testing::RecordingOpener opener;
    VocationalStatistics statistics{enlace, opener};
    EXPECT_FALSE(statistics.FormCreate());
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.front().contains(QStringLiteral("fami_estad.txt")));
    EXPECT_FALSE(enlace.stopFlag);
    statistics.labelEstad3Click(5);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(statistics.shownView(), VocationalStatistics::View::Employment);

    // Without "fp" the program cannot go on.
    QFile::remove(folder.file(QStringLiteral("cas/fp")));
    VocationalStatistics without{enlace, opener};
    EXPECT_FALSE(without.FormCreate());
    EXPECT_TRUE(enlace.stopFlag);
    EXPECT_TRUE(messages.shown.back().contains(QStringLiteral("cas/fp")));
}

}  // namespace
}  // namespace velmora
