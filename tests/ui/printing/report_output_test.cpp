#include "ui/printing/report_output.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

#include "core/printing/report_printer.h"
#include "core/shared/enlace.h"
#include "support/pdf_printing.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "ui/printing/qt_printing.h"

namespace velmora {
namespace {

using testing::PdfPrinting;
using testing::RecordingMessages;
using testing::RunPoppler;
using testing::TempFolder;

class ReportOutputTest : public ::testing::Test {
protected:
    ReportOutputTest() {
        std::vector<std::string> lines(175, "x");
        lines[174] = "Curso";
        folder.writeLines(QStringLiteral("cas/textos"), lines);
        QImage picture(20, 32, QImage::Format_RGB32);
        picture.fill(QColor(200, 60, 60));
        EXPECT_TRUE(picture.save(folder.file(QStringLiteral("chica.bmp")), "BMP"));
        enlace = std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
        EXPECT_TRUE(enlace->LoadInterfaceTexts());
        enlace->settings.schoolName = QStringLiteral("IES Río Velmora");
    }

    QString Pdf() const { return folder.file(QStringLiteral("report.pdf")); }

    // Title and lines "Línea 001 de Ingeniería".. in Windows-1252.
    ReportBuffer& Fill(int count) {
        ReportBuffer& buffer = enlace->report.buffer;
        buffer.setTitle("  Grados en Ingenier\xED" "a  ");
        for (int i = 1; i <= count; ++i) {
            char line[40];
            std::snprintf(line, sizeof line, "L\xEDnea %03d de Ingenier\xED" "a", i);
            buffer.set(i, line);
        }
        return buffer;
    }

    TempFolder folder;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace;
};

TEST_F(ReportOutputTest, APrintedReportReadsBackWithItsHeaderAndLinesInOrder) {
    PdfPrinting pdf(messages, folder.path(), Pdf());
    ReportPrinter printer(*enlace, pdf);
    ASSERT_TRUE(printer.PrintTextReport(Fill(60), 60, false, 12));
    const QString text = RunPoppler(QStringLiteral("pdftotext"), {Pdf(), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("IES Río Velmora"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Grados en Ingeniería")));
    EXPECT_TRUE(text.contains(QStringLiteral("Curso")));
    EXPECT_TRUE(text.contains(QStringLiteral("2020/21")));
    qsizetype at = 0;
    for (int i = 1; i <= 60; ++i) {
        const QString line =
            QStringLiteral("Línea %1 de Ingeniería").arg(i, 3, 10, QLatin1Char('0'));
        const qsizetype found = text.indexOf(line, at);
        ASSERT_GE(found, at) << line.toStdString() << " missing or out of order";
        at = found + line.size();
    }
    // Two pages: 51 lines and 9.
    EXPECT_EQ(text.count(QLatin1Char('\f')), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Word boxes in points from the top-left of the paper.
struct WordBox {
    double xMin, yMin, xMax, yMax;
};
std::vector<std::pair<QString, WordBox>> Words(const QString& html) {
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                       R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<std::pair<QString, WordBox>> out;
    for (const auto& m : word.globalMatch(html))
        out.push_back({m.captured(5), {m.captured(1).toDouble(), m.captured(2).toDouble(),
                                       m.captured(3).toDouble(), m.captured(4).toDouble()}});
    return out;
}

TEST_F(ReportOutputTest, RealFontsPlaceRightAlignedAndCentredHeaderTextsWhereTheyBelong) {
    PdfPrinting pdf(messages, folder.path(), Pdf());
    ReportPrinter printer(*enlace, pdf);
    ASSERT_TRUE(printer.PrintListReport(Fill(160), 160, false));
    QPrinter probe(QPrinter::HighResolution);
    probe.setOutputFormat(QPrinter::PdfFormat);
    probe.setPageOrientation(QPageLayout::Landscape);
    const QPointF origin = probe.pageLayout().paintRectPoints().topLeft();
    const auto words = Words(RunPoppler(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1"), Pdf(), QStringLiteral("-")}));
    const auto find = [&](const QString& w) {
        for (const auto& [text, box] : words)
            if (text == w) return box;
        ADD_FAILURE() << w.toStdString() << " not found";
        return WordBox{};
    };
    const double right = origin.x() + 10.15 * 72;  // R - 0.05 inches
    EXPECT_NEAR(find(QStringLiteral("2020/21")).xMax, right, 1.0);
    EXPECT_NEAR(find(QStringLiteral("Curso")).xMax, right, 1.0);
    const double centre = origin.x() + (0.5 + 10.2) / 2 * 72;
    EXPECT_NEAR((find(QStringLiteral("IES")).xMin + find(QStringLiteral("Velmora")).xMax) / 2,
                centre, 1.0);
    // Text tops sit on the given y: the school name at T + 0.1, the first line at grid row 6.
    EXPECT_NEAR(find(QStringLiteral("IES")).yMin, origin.y() + 0.2 * 72, 2.0);
    EXPECT_NEAR(find(QStringLiteral("1")).xMin, origin.x() + 10.7 * 72, 1.0);  // page number
    // 160 lines take four columns of 40 rows, on a grid of 48 rows.
    EXPECT_NEAR(find(QStringLiteral("001")).yMin,
                origin.y() + 6.0 * probe.pageLayout().paintRectPoints().height() / 48, 2.0);
}

TEST(PrinterFontsTest, ArialAndCourierNewResolveToMetricCompatibleFonts) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ASSERT_EQ(printer.logicalDpiX(), 1200);
    QtTextMeasurer measurer(&printer);
    // At 12 points and 1200 dpi an em is 200 pixels; a digit of Arial is 1139/2048 em, and
    // every character of Courier New 1229/2048 em.
    const PrintFont arial{QStringLiteral("Arial"), 12, false};
    EXPECT_NEAR(measurer.TextWidth(QStringLiteral("0123456789"), arial), 1112, 6);
    EXPECT_NEAR(measurer.TextWidth(QStringLiteral("0123456789"),
                                   {QStringLiteral("Arial"), 12, true}), 1112, 6);
    EXPECT_NEAR(measurer.TextWidth(QStringLiteral("Ingeniería!"),
                                   {QStringLiteral("Courier New"), 12, false}), 11 * 120, 6);
    EXPECT_EQ(QFontInfo(PrinterQFont(arial)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(PrinterQFont({QStringLiteral("Courier New"), 10, false})).family(),
              QStringLiteral("Liberation Mono"));
}

TEST_F(ReportOutputTest, ADocumentThatCannotStartIsReportedAndNothingPrints) {
    const QString nowhere = folder.file(QStringLiteral("missing/folder/report.pdf"));
    PdfPrinting pdf(messages, folder.path(), nowhere);
    ReportPrinter printer(*enlace, pdf);
    enlace->report.boldLines.Add(1);
    EXPECT_FALSE(printer.PrintTextReport(Fill(3), 3, false, 12));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("No se ha podido imprimir en ")));
    EXPECT_TRUE(messages.shown[0].contains(nowhere));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    EXPECT_TRUE(enlace->report.boldLines.empty());
}

// Answers the print dialog once it is up.
void AnswerPrintDialog(bool accept, bool* seen) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        *seen = dialog != nullptr;
        if (!dialog) return;
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

TEST_F(ReportOutputTest, ThePrintDialogPrintsOnConfirmationAndNothingOnCancel) {
    QtPrinting printing(messages, folder.path());
    printing.printer().setOutputFormat(QPrinter::PdfFormat);
    printing.printer().setOutputFileName(Pdf());
    ReportPrinter printer(*enlace, printing);

    bool seen = false;
    AnswerPrintDialog(false, &seen);
    EXPECT_FALSE(printer.PrintListReport(Fill(80), 80, true));
    EXPECT_TRUE(seen);
    EXPECT_FALSE(QFileInfo::exists(Pdf()));

    seen = false;
    AnswerPrintDialog(true, &seen);
    EXPECT_TRUE(printer.PrintListReport(Fill(80), 80, true));
    EXPECT_TRUE(seen);
    ASSERT_TRUE(QFileInfo::exists(Pdf()));
    EXPECT_EQ(printing.printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printing.printer().docName(), QStringLiteral("el Velmora"));
    const QString text = RunPoppler(QStringLiteral("pdftotext"), {Pdf(), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Línea 080 de Ingeniería")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

}  // namespace
}  // namespace velmora
