// The degrees screen's printouts: what each print button puts in the report, which lines are
// bold, and when there is nothing to print.
#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/university/degrees_screen_fixture.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = DegreesControl;
using Lines = std::vector<std::string>;

// The fixture's files hold the bytes of this source; the screen reads them as Windows-1252.
QString Decoded(const char* bytes) {
    return cp1252::Decode(bytes);
}

class DegreesPrintingTest : public ::testing::Test, public testing::DegreesScreenFixture {
  protected:
    const Report& last() const { return printing.reports.back(); }
    QStringList texts() const {
        QStringList out;
        for (const ReportLine& line : last().lines) out << line.text;
        return out;
    }
    QStringList boldTexts() const {
        QStringList out;
        for (const ReportLine& line : last().lines)
            if (line.bold) out << line.text;
        return out;
    }
    // Index of the first line equal to `text` (-1 when none).
    qsizetype lineOf(const QString& text) const { return texts().indexOf(text); }
};

// --- The degree report -----------------------------------------------------------------------

struct TitleCase {
    const char* what;
    size_t nameLength;
    bool prefixed;
};

void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << c.what;
}

class DegreeReportTitleTest : public DegreesPrintingTest,
                              public ::testing::WithParamInterface<TitleCase> {};

TEST_P(DegreeReportTitleTest, LongNamesStandAlone) {
    const TitleCase& c = GetParam();
    std::string name = "Grado en ";
    name.resize(c.nameLength, 'x');
    folder.language("carreran", {"Biología", "Derecho", name});
    DegreesScreen& s = openMenu();
    s.SelectDegree(3);
    s.BotImprimirNClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title.trimmed().toStdString(), c.prefixed ? "texto 522: " + name : name);
}

INSTANTIATE_TEST_SUITE_P(Names, DegreeReportTitleTest,
                         ::testing::Values(TitleCase{"forty nine characters", 49, true},
                                           TitleCase{"exactly fifty characters", 50, false},
                                           TitleCase{"fifty five characters", 55, false}),
                         testing::ByWhat());

TEST_F(DegreesPrintingTest, TheDegreeReportHoldsWhereToStudyRequirementsAndProfile) {
    DegreesScreen& s = openMenu();
    s.SelectDegree(1);
    s.BotImprimirNClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title.trimmed(), QStringLiteral("texto 522: ") + Decoded("Biología"));
    EXPECT_EQ(last().layout, ReportLayout::Text);  // short: the list prints as a text report
    const QStringList lines = texts();
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines[0], QString());
    // The where-to-study heading and its column title, the requirements heading, the outputs
    // heading, in this order.
    const qsizetype where = lines.indexOf(QStringLiteral("-                 texto 593"));
    const qsizetype marks = lines.indexOf(QStringLiteral("Not."));
    const qsizetype outputs = lines.indexOf(QStringLiteral("             texto 278"));
    qsizetype requirements = -1;
    for (qsizetype k = 0; k < lines.size(); ++k)
        if (lines[k].startsWith(QStringLiteral("-     texto 277"))) requirements = k;
    ASSERT_EQ(where, 1);
    EXPECT_EQ(marks, 2);
    EXPECT_LT(marks, requirements);
    EXPECT_LT(requirements, outputs);
    EXPECT_EQ(lines.mid(marks, requirements - marks).filter(QStringLiteral("Granada")).size(), 1);
    EXPECT_EQ(lines.mid(outputs + 1).filter(QStringLiteral("Curiosidad")).size(), 1);
    for (qsizetype k : {where, marks, requirements, outputs})
        EXPECT_TRUE(last().lines[static_cast<size_t>(k)].bold) << lines[k].toStdString();
    EXPECT_TRUE(enlace.report.boldLines.empty());
    // The screen ends on the profile, as the print left it.
    EXPECT_TRUE(visible(C::RichSalidas));
    EXPECT_FALSE(state().printCollect);
}

TEST_F(DegreesPrintingTest, NoDegreeNoReport) {
    DegreesScreen& s = openMenu();
    s.BotImprimirNClick();
    EXPECT_TRUE(printing.reports.empty());
}

// --- The degrees of a place ------------------------------------------------------------------

TEST_F(DegreesPrintingTest, APlaceListPrintsOnlyWithARowSelected) {
    DegreesScreen& s = openMenu();
    s.BotMenuGradosClick();
    s.BotMenuUniClick();
    enlace.regionMaps.regionUnderCursor = 1;
    s.mapaClick();
    s.ListComunidadClick(0);
    ASSERT_FALSE(state().gridCells.empty());

    s.BotImprimirClick(-1);
    EXPECT_TRUE(printing.reports.empty());

    s.BotImprimirClick(0);
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title, QStringLiteral("texto 289: Universidad de Granada"));
    EXPECT_TRUE(last().monospaced);
    EXPECT_EQ(last().fontSize, 10);
    const QStringList lines = texts();
    EXPECT_EQ(lines[0],
              QStringLiteral("    texto 48") + QString(24, u' ') + QStringLiteral("texto 296"));
    EXPECT_TRUE(last().lines[0].bold);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(state().gridCells.size()) + 1);
    for (size_t r = 0; r < state().gridCells.size(); ++r) {
        const QString line = lines[static_cast<qsizetype>(r) + 1];
        // The name column is 50 characters wide whatever the name, the mark after it.
        EXPECT_EQ(line.mid(50).trimmed(), QString::fromLatin1(cell(r, 1)).trimmed())
            << line.toStdString();
        EXPECT_EQ(last().lines[r + 1].bold,
                  line.startsWith(u'-') || line.startsWith(QStringLiteral("   ")));
    }
}

// --- Double degrees, other studies, masters --------------------------------------------------

TEST_F(DegreesPrintingTest, TheDoubleDegreesOfTheSelectedDegree) {
    DegreesScreen& s = openMenu();
    s.BotMenuDoblesClick();
    int row = -1;
    for (size_t r = 0; r < state().doublesRowDegree.size(); ++r)
        if (state().doublesRowDegree[r] == 1) row = static_cast<int>(r);
    ASSERT_GE(row, 0);
    s.ListComunidadClick(row);
    s.BotImprimirClick(-1);
    EXPECT_TRUE(printing.reports.empty());
    s.BotImprimirClick(row);
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title, QStringLiteral("texto 242: ") + Decoded("Biología"));
    EXPECT_FALSE(last().monospaced);
    EXPECT_EQ(boldTexts(),
              (QStringList{QStringLiteral("        Universidad de Granada"),
                           QStringLiteral("        Universidad Complutense de Madrid")}));
}

class OtherStudiesPrintingTest : public DegreesPrintingTest {
  protected:
    OtherStudiesPrintingTest() { writeOtherStudies(); }
};

TEST_F(OtherStudiesPrintingTest, APageOfOtherStudiesPrintsUnderItsName) {
    DegreesScreen& s = openMenu();
    s.BotMenuDeporClick();
    s.ListComunidadClick(1);
    s.BotImprimirClick(1);
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title, QStringLiteral("texto 290: Tecnico Deportivo"));
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("- Pagina 2"), QStringLiteral("Texto")}));
    EXPECT_EQ(boldTexts(), QStringList{QStringLiteral("- Pagina 2")});
    EXPECT_TRUE(last().monospaced);
    // Rows that lead to a document or a portal have no page to print.
    for (int row : {0, 2, 3, -1}) s.BotImprimirClick(row);
    EXPECT_EQ(printing.reports.size(), 1u);
}

TEST_F(OtherStudiesPrintingTest, TheMastersTextPrintsAsMaster) {
    DegreesScreen& s = openMenu();
    s.BotMasterClick();
    s.BotImprimirClick(-1);
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title, QStringLiteral("Master"));
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("https://www.educacion.gob.es/ruct/ListadoTitulos/"),
                           QString(), QStringLiteral("- Que es un master"),
                           QStringLiteral("\u2022 Habilitantes"), QStringLiteral("Texto")}));
    EXPECT_EQ(boldTexts(), QStringList{QStringLiteral("- Que es un master")});
}

// --- Arts ------------------------------------------------------------------------------------

TEST_F(DegreesPrintingTest, AnArtsKindPrintsWhatTheListThenShowsEvenWhenCancelled) {
    folder.language("danza", {"DANZA", "- Titulos", "f1", "- Especialidades", "Clasica", "f2",
                              "- Conservatorio de Madrid"});
    printing.answer = false;
    DegreesScreen& s = openMenu();
    s.BotDanzaClick();
    s.BotImprimirNClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(last().title, QStringLiteral("texto 531"));
    EXPECT_EQ(last().fontSize, 12);
    EXPECT_EQ(texts(), (QStringList{QString(), QStringLiteral("DANZA"), QStringLiteral("- Titulos"),
                                    QStringLiteral("- Especialidades"), QStringLiteral("Clasica"),
                                    QStringLiteral("- Conservatorio de Madrid")}));
    EXPECT_EQ(boldTexts().size(), 3);
    EXPECT_EQ(state().selLines, (Lines{"texto 531", "", "DANZA", "- Titulos", "- Especialidades",
                                       "Clasica", "- Conservatorio de Madrid"}));
    EXPECT_TRUE(enlace.report.boldLines.empty());
}

}  // namespace
}  // namespace velmora
