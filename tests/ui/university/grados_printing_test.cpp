// Every print button of the degrees screen prints to a PDF file on the bundled data, and the
// file reads back with the school's name, the report's title and its lines in order.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "core/shared/cp1252.h"
#include "support/pdf_printing.h"
#include "support/temp_folder.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DegreesProgram;
using testing::PdfPrinting;
using testing::RowCentre;
using testing::RunPoppler;
using testing::TempFolder;
using testing::Text;

constexpr int kMadrid = 13;

class DegreesPrintingPdfTest : public ::testing::Test, protected DegreesProgram {
  protected:
    void SetUp() override {
        printing = &pdf;
        createScreens();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        degrees->show();
        degrees->model().botinformacionClick();
    }

    int degreeNamed(std::string_view name) const {
        const DegreeTables& t = enlace->degreeTables;
        for (int d = 1; d <= t.degreeCount(); ++d)
            if (Trim(t.degreeNames[d]) == name) return d;
        return 0;
    }

    // The PDF of the last report holds the school, the title and every line of the report, in
    // the order they were drawn: down the page, or row by row across the three columns of the
    // list layout. pdftotext gives a run of blanks as one and may take a minus sign for a
    // hyphen, so both are left out of the comparison.
    void ExpectPrintedInOrder() {
        ASSERT_FALSE(pdf.reports.empty());
        const Report& report = pdf.reports.back();
        const bool list = report.layout == ReportLayout::List;
        const QString file = pdf.fileOf(static_cast<int>(pdf.reports.size()));
        // In drawing order: the reading order may take the columns of names and marks for
        // separate blocks.
        const QString text = Normal(RunPoppler(
            QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")}));
        ASSERT_FALSE(text.isEmpty());
        // With VELMORA_SHOTS set, the printout is kept there for a person to look at.
        if (const QString shots = qEnvironmentVariable("VELMORA_SHOTS"); !shots.isEmpty()) {
            QDir().mkpath(shots);
            const QString kept =
                shots + QLatin1Char('/') +
                QLatin1String(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                QStringLiteral(".pdf");
            QFile::remove(kept);
            QFile::copy(file, kept);
        }
        EXPECT_TRUE(text.contains(QStringLiteral("IES Miralbueno")))
            << text.left(300).toStdString();
        EXPECT_TRUE(text.contains(Normal(report.title))) << report.title.toStdString();
        qsizetype at = 0;
        for (size_t k :
             list ? ListDrawingOrder(report.lines.size()) : TextOrder(report.lines.size())) {
            const QString wanted = Normal(report.lines[k].text);
            if (wanted.isEmpty()) continue;
            const qsizetype found = text.indexOf(wanted, at);
            ASSERT_GE(found, at) << wanted.toStdString() << " missing or out of order in\n"
                                 << text.mid(std::max<qsizetype>(0, at - 200), 600).toStdString();
            at = found + wanted.size();
        }
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'\n').toStdString();
    }

    static QString Normal(QString text) { return text.remove(u'-').simplified(); }

    static std::vector<size_t> TextOrder(size_t count) {
        std::vector<size_t> order(count);
        for (size_t k = 0; k < count; ++k) order[k] = k;
        return order;
    }

    // A proportional list: up to 150 lines in three columns of a third each; beyond, k = the
    // lines / 50 rounded up columns of lines / k rounded up rows, three to a page.
    static std::vector<size_t> ListDrawingOrder(size_t count) {
        const size_t columns = count <= 150 ? 3 : (count + 49) / 50;
        const size_t rows = (count + columns - 1) / columns;
        std::vector<size_t> order;
        for (size_t first = 0; first < count; first += 3 * rows)
            for (size_t r = 0; r < rows; ++r)
                for (size_t c = 0; c < 3; ++c)
                    if (const size_t k = first + r + c * rows; k < count) order.push_back(k);
        return order;
    }

    TempFolder out;
    PdfPrinting pdf{messages, folder.dataFolder, out.file(QStringLiteral("report.pdf"))};
};

TEST_F(DegreesPrintingPdfTest, TheFullReportOfMedicina) {
    const int medicina = degreeNamed("Medicina");
    ASSERT_GT(medicina, 0);
    degrees->BotMenuGrados->click();
    degrees->model().SelectDegree(medicina);
    ASSERT_TRUE(degrees->BotImprimirN->isVisible());
    degrees->BotImprimirN->click();
    ASSERT_EQ(pdf.reports.size(), 1u);
    EXPECT_EQ(pdf.reports[0].title.trimmed(), Text(*enlace, 522) + QStringLiteral(": Medicina"));
    // Medicina is taught in Madrid; its report lists the requirements and the outputs.
    QStringList lines;
    for (const ReportLine& line : pdf.reports[0].lines) lines << line.text;
    EXPECT_FALSE(lines.filter(QStringLiteral("Complutense")).isEmpty());
    EXPECT_FALSE(lines.filter(Text(*enlace, 277)).isEmpty());
    EXPECT_FALSE(lines.filter(Text(*enlace, 278)).isEmpty());
    ExpectPrintedInOrder();
}

TEST_F(DegreesPrintingPdfTest, TheDegreesOfOnePlace) {
    degrees->BotMenuUni->click();
    enlace->regionMaps.regionUnderCursor = kMadrid;
    degrees->model().mapaClick();
    ASSERT_TRUE(degrees->ListComunidad->isVisible());
    // Nothing selected yet: nothing to print.
    degrees->ListComunidad->clearSelection();
    degrees->BotImprimir->click();
    EXPECT_TRUE(pdf.reports.empty());

    ClickAt(degrees->ListComunidad->viewport(), RowCentre(degrees->ListComunidad, 0));
    ASSERT_TRUE(degrees->BotImprimir->isVisible());
    degrees->BotImprimir->click();
    ASSERT_EQ(pdf.reports.size(), 1u);
    EXPECT_EQ(pdf.reports[0].title, Text(*enlace, 289) + QStringLiteral(": ") +
                                        degrees->ListComunidad->item(0)->text().trimmed());
    EXPECT_EQ(static_cast<int>(pdf.reports[0].lines.size()), degrees->GridNotas->rowCount() + 1);
    ExpectPrintedInOrder();
}

TEST_F(DegreesPrintingPdfTest, TheDoubleDegreesOfOneDegree) {
    degrees->BotMenuDobles->click();
    const auto& rowDegree = degrees->model().state().doublesRowDegree;
    int row = 0;
    while (row < static_cast<int>(rowDegree.size()) && rowDegree[static_cast<size_t>(row)] == 0)
        ++row;
    ASSERT_LT(row, static_cast<int>(rowDegree.size()));
    degrees->ListComunidad->scrollToItem(degrees->ListComunidad->item(row));
    ClickAt(degrees->ListComunidad->viewport(), RowCentre(degrees->ListComunidad, row));
    ASSERT_TRUE(degrees->BotImprimir->isVisible());
    degrees->BotImprimir->click();
    ASSERT_EQ(pdf.reports.size(), 1u);
    EXPECT_TRUE(pdf.reports[0].title.startsWith(Text(*enlace, 242) + QStringLiteral(": ")));
    ExpectPrintedInOrder();
}

TEST_F(DegreesPrintingPdfTest, AnArtsKind) {
    degrees->model().BotMusicaClick();
    ASSERT_TRUE(degrees->BotImprimirN->isVisible());
    degrees->BotImprimirN->click();
    ASSERT_EQ(pdf.reports.size(), 1u);
    EXPECT_EQ(pdf.reports[0].title, Text(*enlace, 530));
    EXPECT_GT(pdf.reports[0].lines.size(), 20u);
    ExpectPrintedInOrder();
}

TEST_F(DegreesPrintingPdfTest, TheMastersText) {
    degrees->model().BotMasterClick();
    ASSERT_TRUE(degrees->BotImprimir->isVisible());
    degrees->BotImprimir->click();
    ASSERT_EQ(pdf.reports.size(), 1u);
    EXPECT_EQ(pdf.reports[0].title, QStringLiteral("Master"));
    EXPECT_GT(pdf.reports[0].lines.size(), 5u);
    ExpectPrintedInOrder();
}

}  // namespace
}  // namespace velmora
