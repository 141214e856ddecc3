#include "core/vocational/cutoff_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/shared/cp1252.h"
#include "core/shared/documents.h"
#include "core/university/degrees_screen_fixture.h"

namespace velmora {
namespace {

using Row = std::array<std::string, 2>;

// A degree name of the full 60 characters.
const std::string kLongName = "Grado en Ingenieria en Tecnologias Industriales y de la Energia";

std::string Fit(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// Three degrees over the fixture's three places (Granada, Complutense, Melilla):
//   1 "Biología": 6,0 at Granada, 5,9 at Complutense, no mark at Melilla;
//   2 "Derecho": no mark anywhere;
//   3 the long name: 10,0, 12,5 and 6,5.
class CutOffWindowTest : public ::testing::Test, public testing::DegreesScreenFixture {
  protected:
    CutOffWindowTest() {
        folder.language("carreran", {"Biología", "Derecho", kLongName});
        folder.data("datcarnphp", {"3;1;2;3", "2;1;2", "3;1;2;3",            // places
                                   "3;60;59;10", "2;10;10", "3;100;125;65",  // marks
                                   "3;0;0;0", "2;0;0", "3;0;0;0"});          // titles
        load();
        EXPECT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        window.FormCreate();
        window.takeChanges();
    }

    std::vector<Row> rows(const std::vector<std::array<QString, 2>>& shown) const {
        std::vector<Row> out;
        for (const auto& row : shown)
            out.push_back({cp1252::Encode(row[0]), cp1252::Encode(row[1])});
        return out;
    }
    std::vector<Row> degreeRows() const { return rows(window.view().degreeRows); }
    std::vector<Row> offeringRows() const { return rows(window.view().offeringRows); }

    QString pdf(const QString& name) const { return folder.file(QStringLiteral("pdf/") + name); }

    CutOffWindow window{enlace, opener};
};

TEST_F(CutOffWindowTest, CaptionsComeFromTheTextSlots) {
    const CutOffView& v = window.view();
    EXPECT_EQ(v.windowTitle, QStringLiteral("Velmora"));
    EXPECT_EQ(v.labelCorteSelecti, QStringLiteral("texto 696  2020/21"));
    EXPECT_EQ(v.labelCorte1, QStringLiteral("texto 695"));
    EXPECT_EQ(v.thresholdButtons[2], QStringLiteral("texto 692"));
    EXPECT_EQ(v.labelTotal, QStringLiteral("texto 693"));
    EXPECT_EQ(v.closeButtons, QStringLiteral("texto 13"));
    EXPECT_EQ(v.labelUnis, QStringLiteral("texto 678 texto 239"));
    EXPECT_EQ(v.labelUni2, QStringLiteral("PDFs"));
    EXPECT_FALSE(v.degreesShown);
    EXPECT_FALSE(v.offeringsShown);
}

struct ThresholdCase {
    const char* name;
    void (CutOffWindow::*button)();
    const char* caption;
    std::vector<Row> rows;
};
void PrintTo(const ThresholdCase& c, std::ostream* out) {
    *out << c.name;
}

class ThresholdTest : public CutOffWindowTest,
                      public ::testing::WithParamInterface<ThresholdCase> {};

// At 6,0 an offering marked 6,0 qualifies, one of 5,9 counts only in brackets and one without a
// mark counts nowhere; a degree without marks never has a row; rows keep the degrees' order.
TEST_P(ThresholdTest, ListsTheDegreesReachingIt) {
    const ThresholdCase& c = GetParam();
    (window.*c.button)();
    EXPECT_TRUE(window.view().degreesShown);
    EXPECT_EQ(window.view().labelMasde.toStdString(), c.caption);
    EXPECT_EQ(degreeRows(), c.rows);
    EXPECT_EQ(window.highCutOffRows().size(), c.rows.size());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ThresholdTest,
                         ::testing::Values(ThresholdCase{"SixPoints",
                                                         &CutOffWindow::Buttoncorte6Click,
                                                         "texto 690",
                                                         {{Fit("Biología", 50), " 1  ( 2)"},
                                                          {kLongName.substr(0, 50), " 3  ( 3)"}}},
                                           ThresholdCase{"EightPoints",
                                                         &CutOffWindow::Buttoncorte7Click,
                                                         "texto 691",
                                                         {{kLongName.substr(0, 50), " 2  ( 3)"}}},
                                           ThresholdCase{"TenPoints",
                                                         &CutOffWindow::ButtonCorte8Click,
                                                         "texto 692",
                                                         {{kLongName.substr(0, 50), " 2  ( 3)"}}}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(CutOffWindowTest, ADegreesRowListsItsQualifyingOfferingsWithTheirMarks) {
    window.Buttoncorte6Click();
    window.LClick(1);
    EXPECT_EQ(cp1252::Encode(window.view().labelCorte3), kLongName.substr(0, 50));
    EXPECT_TRUE(window.view().offeringsShown);
    const std::vector<Row> expected = {{Fit("Universidad de Granada", 35), "10,0"},
                                       {Fit("Universidad Complutense de Madrid", 35), "12,5"},
                                       {Fit("UGR Campus de Melilla", 35), " 6,5"}};
    EXPECT_EQ(offeringRows(), expected);

    window.LClick(0);
    EXPECT_EQ(offeringRows(), (std::vector<Row>{{Fit("Universidad de Granada", 35), " 6,0"}}));
}

TEST_F(CutOffWindowTest, AnotherThresholdEmptiesTheOfferingsFirst) {
    window.Buttoncorte6Click();
    window.LClick(1);
    window.takeChanges();
    window.Buttoncorte7Click();
    const CutOffChanges changes = window.takeChanges();
    EXPECT_TRUE(changes.has(CutOffChanges::Offerings));
    EXPECT_FALSE(window.view().offeringsShown);
    EXPECT_TRUE(window.view().offeringRows.empty());
    EXPECT_TRUE(window.view().labelCorte3.isEmpty());
}

TEST_F(CutOffWindowTest, AClickOutsideTheRowsDoesNothing) {
    window.Buttoncorte7Click();
    window.takeChanges();
    for (int row : {-1, 1, 40}) window.LClick(row);
    EXPECT_FALSE(window.takeChanges().any());
    EXPECT_FALSE(window.view().offeringsShown);
}

TEST_F(CutOffWindowTest, NoDegreeReachingTheThresholdShowsAnEmptyList) {
    folder.data("datcarnphp", {"1;1", "0", "0", "1;55", "0", "0", "1;0", "0", "0"});
    load();
    window.Buttoncorte6Click();
    EXPECT_TRUE(window.view().degreesShown);
    EXPECT_TRUE(window.view().degreeRows.empty());
}

TEST_F(CutOffWindowTest, LeavingAndComingBackShowsTheLastResults) {
    window.show();
    window.ShowCutOffPanel();
    window.ButtonCorte8Click();
    window.LClick(0);
    const CutOffView before = window.view();
    window.BotCerrar3Click();
    const CutOffChanges closed = window.takeChanges();
    EXPECT_TRUE(closed.showOwner);
    EXPECT_FALSE(window.view().visible);
    EXPECT_FALSE(window.view().cutOffPanel);

    window.show();
    window.ShowCutOffPanel();
    const CutOffView& after = window.view();
    EXPECT_TRUE(after.visible && after.cutOffPanel && !after.weightingsPanel);
    EXPECT_EQ(after.labelMasde, before.labelMasde);
    EXPECT_EQ(after.labelCorte3, before.labelCorte3);
    EXPECT_EQ(after.degreeRows, before.degreeRows);
    EXPECT_EQ(after.offeringRows, before.offeringRows);
    EXPECT_TRUE(after.offeringsShown);
}

TEST_F(CutOffWindowTest, EveryWayOfClosingShowsTheOwnerAgain) {
    for (void (CutOffWindow::*close)() :
         {&CutOffWindow::BotCerrar3Click, &CutOffWindow::Botcerrar4Click,
          &CutOffWindow::FormClose}) {
        window.show();
        window.takeChanges();
        (window.*close)();
        const CutOffChanges changes = window.takeChanges();
        EXPECT_TRUE(changes.showOwner);
        EXPECT_TRUE(changes.has(CutOffChanges::Window));
        EXPECT_FALSE(window.view().visible);
    }
}

// More degrees and offerings than the original table held (300 rows of 80) are all listed.
TEST(ListHighCutOffsTest, KeepsEveryQualifyingDegreeAndOffering) {
    DegreeTables t;
    for (int d = 1; d <= DegreeTables::kDegrees; ++d) {
        t.degreeNames.set(d, "Grado");
        t.offerings.places.cell(d, 0) = DegreeOfferings::kEntries;
        t.offerings.cutOffTenths.cell(d, 0) = DegreeOfferings::kEntries;
        for (int i = 1; i <= DegreeOfferings::kEntries; ++i) {
            t.offerings.places.cell(d, i) = static_cast<std::uint8_t>(i);
            t.offerings.cutOffTenths.cell(d, i) = static_cast<std::uint8_t>(i == 1 ? 10 : 90);
        }
    }
    t.degreeNames.count = DegreeTables::kDegrees;
    const std::vector<HighCutOffRow> rows = ListHighCutOffs(t, 80);
    ASSERT_EQ(rows.size(), static_cast<size_t>(DegreeTables::kDegrees));
    EXPECT_EQ(rows.back().degree, DegreeTables::kDegrees);
    EXPECT_EQ(rows.back().qualifying, DegreeOfferings::kEntries - 1);
    EXPECT_EQ(rows.back().marked, DegreeOfferings::kEntries - 1);
    const std::vector<MarkedOffering> offerings = OfferingsReaching(t, 7, 80);
    ASSERT_EQ(offerings.size(), static_cast<size_t>(DegreeOfferings::kEntries - 1));
    EXPECT_EQ(offerings.front(), (MarkedOffering{2, 90}));
    EXPECT_EQ(offerings.back(), (MarkedOffering{DegreeOfferings::kEntries, 90}));
}

TEST(CountsTextTest, RightAlignsBothNumbersInTwoCharacters) {
    EXPECT_EQ(CountsText(3, 12), " 3  (12)");
    EXPECT_EQ(CountsText(1, 2), " 1  ( 2)");
    EXPECT_EQ(CountsText(80, 125), "80  (125)");
}

TEST(IsPdfNameTest, TakesTheExtensionFromTheLastDotInAnyCase) {
    const std::pair<const char*, bool> names[] = {{"Universidad de Sevilla.pdf", true},
                                                  {"UPV.PDF", true},
                                                  {"Mixta.Pdf", true},
                                                  {"Las Palmas de G. C..pdf", true},
                                                  {"viejo.pdf.bak", false},
                                                  {"est", false},
                                                  {"pdf", false},
                                                  {"notas.pdfx", false},
                                                  {"pdf.txt", false}};
    for (const auto& [name, pdf] : names)
        EXPECT_EQ(IsPdfName(QString::fromUtf8(name)), pdf) << name;
}

TEST_F(CutOffWindowTest, TheWeightingsPanelListsThePdfDocumentsOfThePdfFolder) {
    for (const char* name : {"b.PDF", "A.pdf", "c.Pdf", "d.pdf.bak", "notas.txt", "est/Becas.pdf"})
        folder.write(QStringLiteral("pdf/") + QString::fromLatin1(name), "%PDF-1.4\n");
    QDir().mkpath(pdf(QStringLiteral("carpeta.pdf")));
    window.ShowWeightingsPanel();
    EXPECT_EQ(
        window.view().documents,
        (QStringList{QStringLiteral("A.pdf"), QStringLiteral("b.PDF"), QStringLiteral("c.Pdf")}));
    EXPECT_EQ(window.view().selectedDocument, 0);
}

TEST_F(CutOffWindowTest, DocumentsComeInTheOrderOfTheAlphabet) {
    const QStringList names = {
        QStringLiteral("Universidad de Zaragoza.pdf"), QStringLiteral("Universidad de Ávila.pdf"),
        QStringLiteral("universidad de Burgos.pdf"), QStringLiteral("Universidad de Almería.pdf")};
    for (const QString& name : names) folder.write(QStringLiteral("pdf/") + name, "");
    EXPECT_EQ(ListPdfDocuments(folder.file(QStringLiteral("pdf/"))),
              (QStringList{names[3], names[1], names[2], names[0]}));
}

TEST_F(CutOffWindowTest, AMissingOrEmptyFolderListsNothingAndSaysNothing) {
    window.ShowWeightingsPanel();
    EXPECT_TRUE(window.view().documents.isEmpty());
    EXPECT_EQ(window.view().selectedDocument, -1);
    QDir().mkpath(folder.file(QStringLiteral("pdf")));
    window.ShowWeightingsPanel();
    EXPECT_TRUE(window.view().documents.isEmpty());
    window.ListUnisDblClick(0);
    window.ListUnisDblClick(-1);
    EXPECT_TRUE(opener.documents.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CutOffWindowTest, TheListIsReadAgainEachTime) {
    window.ShowWeightingsPanel();
    folder.write(QStringLiteral("pdf/Nueva.pdf"), "");
    window.ShowWeightingsPanel();
    EXPECT_EQ(window.view().documents, QStringList{QStringLiteral("Nueva.pdf")});
}

struct OpeningCase {
    const char* name;
    bool removed;         // the document is gone by the time of the double click
    bool opens;           // the system has a viewer for it
    bool asked;           // the opener is asked
    const char* message;  // "missing", "not opened" or "" for none
};
void PrintTo(const OpeningCase& c, std::ostream* out) {
    *out << c.name;
}

class OpeningTest : public CutOffWindowTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(OpeningTest, OpensTheDoubleClickedDocumentOrSaysWhyNot) {
    const OpeningCase& c = GetParam();
    for (const char* name : {"Universidad de Granada.pdf", " con blanco .pdf"})
        folder.write(QStringLiteral("pdf/") + QString::fromLatin1(name), "%PDF-1.4\n");
    window.ShowWeightingsPanel();
    ASSERT_EQ(window.view().documents.size(), 2);
    const QString path = pdf(window.view().documents[1]);
    if (c.removed) QFile::remove(path);
    opener.documentsOpen = c.opens;

    window.ListUnisDblClick(1);
    EXPECT_EQ(opener.documents, c.asked ? QStringList{path} : QStringList{});
    EXPECT_EQ(window.view().selectedDocument, 1);
    const std::string message = c.message;
    const QStringList expected = message == "missing" ? QStringList{DocumentMissingMessage(path)}
                                 : message == "not opened"
                                     ? QStringList{DocumentNotOpenedMessage(path)}
                                     : QStringList{};
    EXPECT_EQ(messages.shown, expected);
    for (const QString& shown : expected) EXPECT_TRUE(shown.contains(path));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, OpeningTest,
    ::testing::Values(OpeningCase{"Opened", false, true, true, ""},
                      OpeningCase{"GoneSinceListed", true, true, false, "missing"},
                      OpeningCase{"NoViewerForIt", false, false, true, "not opened"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CutOffWindowTest, ABlankAtEitherEndOfANameIsPartOfIt) {
    folder.write(QStringLiteral("pdf/ con blanco .pdf"), "");
    window.ShowWeightingsPanel();
    window.ListUnisDblClick(0);
    EXPECT_EQ(opener.documents, QStringList{pdf(QStringLiteral(" con blanco .pdf"))});
    EXPECT_TRUE(messages.shown.isEmpty());
}

}  // namespace
}  // namespace velmora
