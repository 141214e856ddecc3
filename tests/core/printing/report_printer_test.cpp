#include "core/printing/report_printer.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/recording_printing.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::RecordingPrinting;
using testing::TempFolder;

const PrintFont kArial12{QStringLiteral("Arial"), 12, false};

std::vector<TextOp> Texts(const PrintedPage& page) {
    std::vector<TextOp> out;
    for (const DrawOp& op : page)
        if (const auto* text = std::get_if<TextOp>(&op)) out.push_back(*text);
    return out;
}

// The text ops of the report's lines ("Línea N"), in drawing order.
std::vector<TextOp> LineTexts(const PrintedPage& page) {
    std::vector<TextOp> out;
    for (const TextOp& op : Texts(page))
        if (op.text.startsWith(QStringLiteral("Línea "))) out.push_back(op);
    return out;
}

const TextOp* FindText(const PrintedPage& page, const QString& text) {
    for (const DrawOp& op : page) {
        const auto* t = std::get_if<TextOp>(&op);
        if (t && t->text == text) return t;
    }
    return nullptr;
}

template <typename Op>
int CountOf(const PrintedPage& page) {
    int n = 0;
    for (const DrawOp& op : page) n += std::holds_alternative<Op>(op);
    return n;
}

class ReportPrinterTest : public ::testing::Test {
protected:
    ReportPrinterTest() {
        std::vector<std::string> lines(175, "x");
        lines[174] = "Curso";
        folder.writeLines(QStringLiteral("cas/textos"), lines);
        enlace = std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
        EXPECT_TRUE(enlace->LoadInterfaceTexts());
        enlace->settings.schoolName = QStringLiteral("IES Velmora");
    }

    // Title "  Grados  " and lines "Línea 1".."Línea count", in Windows-1252.
    ReportBuffer& Fill(int count) {
        ReportBuffer& buffer = enlace->report.buffer;
        buffer.setTitle("  Grados  ");
        for (int i = 1; i <= count; ++i) buffer.set(i, "L\xEDnea " + std::to_string(i));
        return buffer;
    }

    PrintedDocument PrintText(int count, bool monospaced, int size) {
        ReportPrinter printer(*enlace, printing);
        EXPECT_TRUE(printer.PrintTextReport(Fill(count), count, monospaced, size));
        return printing.LastDocument();
    }
    PrintedDocument PrintList(int count, bool monospaced) {
        ReportPrinter printer(*enlace, printing);
        EXPECT_TRUE(printer.PrintListReport(Fill(count), count, monospaced));
        return printing.LastDocument();
    }

    TempFolder folder;
    RecordingMessages messages;
    RecordingPrinting printing;
    std::unique_ptr<Enlace> enlace;
};

// On a 4800 x 6300 page at 600 dpi, grid 50 x 58: column 5 is x 480; row r is r x 6300 / 58.
TEST_F(ReportPrinterTest, TextReportAtSize12TakesFiftyOneLinesAPage) {
    PrintedDocument doc = PrintText(50, false, 12);
    EXPECT_EQ(doc.name, QStringLiteral("el Velmora"));
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    ASSERT_EQ(doc.pages.size(), 1u);
    std::vector<TextOp> lines = LineTexts(doc.pages[0]);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines.front(), (TextOp{480, 652, QStringLiteral("Línea 1"), kArial12}));
    EXPECT_EQ(lines.back(), (TextOp{480, 5974, QStringLiteral("Línea 50"), kArial12}));  // row 55

    doc = PrintText(51, false, 12);
    ASSERT_EQ(doc.pages.size(), 1u);  // row 56 still fits; no empty second page
    lines = LineTexts(doc.pages[0]);
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines.back().y, 6083);

    doc = PrintText(52, false, 12);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(LineTexts(doc.pages[0]).size(), 51u);
    // The last line alone at row 6 of page 2, without a header.
    const PrintedPage expected = {TextOp{480, 652, QStringLiteral("Línea 52"), kArial12}};
    EXPECT_EQ(doc.pages[1], expected);
}

TEST_F(ReportPrinterTest, TextReportHeaderIsFramedWithPictureLabelYearSchoolAndTitle) {
    const PrintedDocument doc = PrintText(3, false, 10);
    const auto bold = [](int size) { return PrintFont{QStringLiteral("Arial"), size, true}; };
    // Fake widths: characters x size x 6 in bold Arial.
    const PrintedPage header = {
        RectOp{{300, 60, 4380, 480}},
        PictureOp{{360, 78, 570, 408}, QStringLiteral("chica.bmp")},
        TextOp{4350 - 300, 120, QStringLiteral("Curso"), bold(10)},
        TextOp{4350 - 420, 300, QStringLiteral("2020/21"), bold(10)},
        TextOp{2340 - 396, 120, QStringLiteral("IES Velmora"), bold(12)},
        TextOp{600, 300, QStringLiteral("Grados"), bold(12)},  // surrounding blanks removed
    };
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintedPage& page = doc.pages[0];
    ASSERT_EQ(page.size(), header.size() + 3);
    EXPECT_EQ(PrintedPage(page.begin(), page.begin() + 6), header);
    // Size 10: grid 50 x 78, lines normal weight.
    EXPECT_EQ(std::get<TextOp>(page[6]),
              (TextOp{480, 485, QStringLiteral("Línea 1"), {QStringLiteral("Arial"), 10, false}}));
}

TEST_F(ReportPrinterTest, AShortListPrintsAsAMonospacedPortraitReportAtSize10) {
    const PrintedDocument doc = PrintList(74, false);
    EXPECT_EQ(doc.orientation, Orientation::Portrait);
    ASSERT_EQ(doc.pages.size(), 2u);  // 71 lines a page at size 10
    const std::vector<TextOp> first = LineTexts(doc.pages[0]);
    ASSERT_EQ(first.size(), 71u);
    const PrintFont courier10{QStringLiteral("Courier New"), 10, false};
    EXPECT_EQ(first.front(), (TextOp{480, 485, QStringLiteral("Línea 1"), courier10}));
    EXPECT_EQ(first.back().y, 6138);  // row 76 of 78
    EXPECT_EQ(LineTexts(doc.pages[1]).size(), 3u);
    EXPECT_EQ(CountOf<RectOp>(doc.pages[1]), 0);
    EXPECT_EQ(CountOf<EllipseOp>(doc.pages[0]), 0);
    // The header is in the document's family, and the title loses its blanks.
    const TextOp* title = FindText(doc.pages[0], QStringLiteral("Grados"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, (PrintFont{QStringLiteral("Courier New"), 12, true}));
}

// Landscape 6300 x 4800: monospaced grid columns 2, 50 and 100 of 150 are x 84, 2100 and 4200.
TEST_F(ReportPrinterTest, SeventyFiveMonospacedLinesFillOneLandscapePageOfThreeColumns) {
    const PrintedDocument doc = PrintList(75, true);
    EXPECT_EQ(doc.orientation, Orientation::Landscape);
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintedPage& page = doc.pages[0];
    const std::vector<TextOp> lines = LineTexts(page);
    ASSERT_EQ(lines.size(), 75u);
    const PrintFont courier8{QStringLiteral("Courier New"), 8, false};
    // Grid rows 25 + 8: row 6 is y 873, row 30 is y 4364. Drawn row by row.
    EXPECT_EQ(lines[0], (TextOp{84, 873, QStringLiteral("Línea 1"), courier8}));
    EXPECT_EQ(lines[1], (TextOp{2100, 873, QStringLiteral("Línea 26"), courier8}));
    EXPECT_EQ(lines[2], (TextOp{4200, 873, QStringLiteral("Línea 51"), courier8}));
    EXPECT_EQ(lines[74], (TextOp{4200, 4364, QStringLiteral("Línea 75"), courier8}));
    // The circle is there but holds no number; the title keeps its blanks at size 11.
    EXPECT_EQ(CountOf<EllipseOp>(page), 1);
    for (const TextOp& op : Texts(page)) EXPECT_NE(op.font.size, 16) << op;
    const TextOp* title = FindText(page, QStringLiteral("  Grados  "));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, (PrintFont{QStringLiteral("Courier New"), 11, true}));
    EXPECT_EQ(std::get<RectOp>(page[0]).rect, (DeviceRect{300, 60, 6120, 480}));
}

TEST_F(ReportPrinterTest, LongMonospacedListsRunFiftyRowsAPageWithANumberedHeaderOnEach) {
    const PrintedDocument doc = PrintList(151, true);
    ASSERT_EQ(doc.pages.size(), 2u);
    for (size_t p = 0; p < 2; ++p) {
        const PrintedPage& page = doc.pages[p];
        EXPECT_EQ(CountOf<RectOp>(page), 1);
        EXPECT_EQ(CountOf<PictureOp>(page), 1);
        EXPECT_EQ(std::get<EllipseOp>(page[4]).rect, (DeviceRect{6240, 60, 6660, 480}));
        const TextOp* number = FindText(page, QString::number(p + 1));
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(*number, (TextOp{6420, 180, QString::number(p + 1),
                                   {QStringLiteral("Courier New"), 16, true}}));
        EXPECT_NE(FindText(page, QStringLiteral("IES Velmora")), nullptr);
    }
    const std::vector<TextOp> first = LineTexts(doc.pages[0]);
    ASSERT_EQ(first.size(), 150u);
    EXPECT_EQ(first[1].text, QStringLiteral("Línea 51"));
    const std::vector<TextOp> second = LineTexts(doc.pages[1]);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0], (TextOp{84, 497, QStringLiteral("Línea 151"),
                                 {QStringLiteral("Courier New"), 8, false}}));
}

// Proportional columns 4, 44 and 86 of 130 are x 194, 2132 and 4168.
TEST_F(ReportPrinterTest, FourHundredProportionalLinesTakeEightColumnsOnThreePages) {
    const PrintedDocument doc = PrintList(400, false);
    ASSERT_EQ(doc.pages.size(), 3u);
    const PrintFont arial8{QStringLiteral("Arial"), 8, false};
    const std::vector<TextOp> first = LineTexts(doc.pages[0]);
    ASSERT_EQ(first.size(), 150u);
    EXPECT_EQ(first[0], (TextOp{194, 497, QStringLiteral("Línea 1"), arial8}));
    EXPECT_EQ(first[1], (TextOp{2132, 497, QStringLiteral("Línea 51"), arial8}));
    EXPECT_EQ(first[2], (TextOp{4168, 497, QStringLiteral("Línea 101"), arial8}));
    EXPECT_EQ(LineTexts(doc.pages[1])[0].text, QStringLiteral("Línea 151"));
    const std::vector<TextOp> third = LineTexts(doc.pages[2]);
    ASSERT_EQ(third.size(), 100u);  // its third column lies past the end
    EXPECT_EQ(third.front().text, QStringLiteral("Línea 301"));
    EXPECT_EQ(third.back(), (TextOp{2132, 4552, QStringLiteral("Línea 400"), arial8}));
    EXPECT_NE(FindText(doc.pages[2], QStringLiteral("3")), nullptr);
}

TEST_F(ReportPrinterTest, ListGeometryFollowsTheLineCount) {
    const auto geometry = [](int count, bool mono) {
        const ListGeometry g = ListGeometryFor(count, mono);
        return std::pair(g.rowsPerColumn, g.pages);
    };
    EXPECT_EQ(geometry(76, true), std::pair(26, 1));
    EXPECT_EQ(geometry(150, false), std::pair(50, 1));
    EXPECT_EQ(geometry(300, true), std::pair(50, 2));
    EXPECT_EQ(geometry(301, true), std::pair(50, 3));
    EXPECT_EQ(geometry(151, false), std::pair(38, 2));  // k = 4
    EXPECT_EQ(geometry(1500, false), std::pair(50, 10));
}

TEST_F(ReportPrinterTest, BoldLinesPrintBoldAndEveryPrintEmptiesTheList) {
    enlace->report.boldLines.Add(3);
    PrintedDocument doc = PrintText(5, false, 12);
    std::vector<TextOp> lines = LineTexts(doc.pages[0]);
    EXPECT_FALSE(lines[1].font.bold);
    EXPECT_TRUE(lines[2].font.bold);
    EXPECT_FALSE(lines[3].font.bold);
    EXPECT_TRUE(enlace->report.boldLines.empty());

    doc = PrintText(5, false, 12);  // the next report starts clean
    for (const TextOp& op : LineTexts(doc.pages[0])) EXPECT_FALSE(op.font.bold) << op;

    enlace->report.boldLines.Add(80);
    doc = PrintList(90, false);
    for (const TextOp& op : LineTexts(doc.pages[0]))
        EXPECT_EQ(op.font.bold, op.text == QStringLiteral("Línea 80")) << op;
    EXPECT_TRUE(enlace->report.boldLines.empty());

    // A cancelled print empties it too, so a stale number never marks another report.
    printing.answer = false;
    enlace->report.boldLines.Add(2);
    ReportPrinter printer(*enlace, printing);
    EXPECT_FALSE(printer.PrintTextReport(Fill(5), 5, false, 12));
    EXPECT_TRUE(enlace->report.boldLines.empty());
}

TEST_F(ReportPrinterTest, BoldListHoldsTwoHundredNumbers) {
    BoldLines& bold = enlace->report.boldLines;
    for (int i = 1; i <= 200; ++i) ASSERT_TRUE(bold.Add(i));
    EXPECT_FALSE(bold.Add(201));
    EXPECT_EQ(bold.count(), 200);
    EXPECT_FALSE(bold.Contains(201));
}

TEST_F(ReportPrinterTest, PrintingEmptiesTheEntriesPastTheCountAndKeepsToTheBuffer) {
    ReportBuffer& buffer = Fill(10);
    buffer.set(1500, "last");
    buffer.set(1501, "beyond");  // outside the buffer: ignored
    buffer.set(4, std::string(80, 'a'));
    EXPECT_EQ(buffer[4].size(), 65u);
    ReportPrinter printer(*enlace, printing);
    printer.PrintTextReport(buffer, 6, false, 12);
    EXPECT_EQ(buffer[6], "L\xEDnea 6");
    EXPECT_EQ(buffer[7], "");
    EXPECT_EQ(buffer[1500], "");
    EXPECT_EQ(printing.reports.back().lines.size(), 6u);

    printer.PrintListReport(Fill(1500), 9999, false);  // a count past the buffer stops at 1500
    const Report& report = printing.reports.back();
    ASSERT_EQ(report.lines.size(), 1500u);
    EXPECT_EQ(printing.LastDocument().pages.size(), 10u);
    // Decoded once from Windows-1252; the header label is interface text 175.
    EXPECT_EQ(report.lines[0].text, QStringLiteral("Línea 1"));
    EXPECT_EQ(report.headerLabel, QStringLiteral("Curso"));
    EXPECT_EQ(report.schoolName, QStringLiteral("IES Velmora"));
}

TEST_F(ReportPrinterTest, ListLinesLoseTheirTrailingBlanks) {
    ReportBuffer& buffer = Fill(80);
    buffer.set(2, "  dos   ");
    buffer.set(3, "    ");
    ReportPrinter printer(*enlace, printing);
    printer.PrintListReport(buffer, 80, true);
    const PrintedDocument doc = printing.LastDocument();
    EXPECT_NE(FindText(doc.pages[0], QStringLiteral("  dos")), nullptr);
    // The blank line draws nothing: 79 line texts remain.
    int drawn = 0;
    for (const TextOp& op : Texts(doc.pages[0])) drawn += op.font.size == 8;
    EXPECT_EQ(drawn, 79);
}

}  // namespace
}  // namespace velmora
