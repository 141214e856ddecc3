// The catalogue of titles on the bundled data: every family lists something, the extra lines of
// the sports and the arts families, an entry's details by kind, the printed family, and a
// student's walk from door 2 in each language.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "core/vocational/vocational_queries.h"
#include "support/param_names.h"
#include "ui/shared/roll_transition.h"
#include "ui/vocational/catU.h"
#include "ui/vocational/vocational_program.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::RowCentre;
using L = CatalogueList;

class CatUTest : public ::testing::TestWithParam<int>, protected testing::VocationalProgram {
  protected:
    CatUTest() : VocationalProgram(GetParam()) {}

    void SetUp() override {
        RollTransition::SetDuration(0);
        createScreens({"TFormCat"});
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        s = qobject_cast<TFormCat*>(screen("TFormCat"));
        ASSERT_NE(s, nullptr);
    }
    CatalogueScreen& model() { return s->model(); }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]).trimmed(); }
    // The row of ListFam whose family key is `key`.
    int familyRow(char key) const {
        for (int k = 1; k <= VocationalTables::kFamilies; ++k)
            if (enlace->vocational.families[k][0] == key) return k - 1;
        return -1;
    }
    QStringList rows(L list) const {
        QStringList out;
        for (const Cell& cell : s->model().view().lists[static_cast<size_t>(list)])
            out << cell.text;
        return out;
    }
    QStringList details() const {
        QStringList out;
        for (const RichParagraph& p : s->model().view().details.paragraphs) out << p.text();
        return out;
    }
    void shot(const char* step) { testing::LanguageShot(*s, "catalogue", GetParam(), step); }
    void clickRow(QListWidget* list, int row) { ClickAt(list->viewport(), RowCentre(list, row)); }

    TFormCat* s = nullptr;
};

// An empty family would be a fault of the data: the checker must say so.
TEST_P(CatUTest, EveryFamilyListsAtLeastOneEntry) {
    for (int row = 0; row < VocationalTables::kFamilies; ++row) {
        model().ListFamClick(row);
        SCOPED_TRACE(s->model().view().familyRows[static_cast<size_t>(row)].text.toStdString());
        size_t entries = 0;
        for (int k = 0; k < kCatalogueLists; ++k) entries += rows(static_cast<L>(k)).size();
        EXPECT_GT(entries, 0u);
        EXPECT_EQ(model().family(), row + 1);
    }
}

TEST_P(CatUTest, TheSportsAndArtsFamiliesEndTheirVocationalListsWithAnInertLine) {
    struct Case {
        const char* name;
        char key;
        int higher;
        int intermediate;
    };
    for (const Case& c : {Case{"sports", '1', 181, 182}, Case{"arts", '5', 176, 177}}) {
        SCOPED_TRACE(c.name);
        model().ListFamClick(familyRow(c.key));
        ASSERT_FALSE(rows(L::Higher).isEmpty());
        EXPECT_EQ(rows(L::Higher).back(), text(c.higher));
        EXPECT_EQ(rows(L::Intermediate).back(), text(c.intermediate));
        EXPECT_EQ(model().entriesOf(L::Higher).back(), 0);
        model().ListCatClick(L::Higher, static_cast<int>(rows(L::Higher).size()) - 1);
        model().ListCatClick(L::Intermediate, static_cast<int>(rows(L::Intermediate).size()) - 1);
        EXPECT_FALSE(model().view().controls.isVisible(CatControl::panelsel));
        const ResultReport report = model().FamilyReport();
        EXPECT_NE(std::find(report.lines.begin(), report.lines.end(),
                            " -" + std::string(TrimRight(enlace->texts[c.higher]))),
                  report.lines.end());
    }
}

TEST_P(CatUTest, AnEntrysDetailsDependOnItsKind) {
    const QString lomce = QStringLiteral("      **  ") + text(438) + QStringLiteral(" LOMCE **");
    const QString jobs = text(271);
    // A GS title of the sports family, of a catalogue before the LOMCE one: the LOMCE block.
    model().ListFamClick(familyRow('1'));
    model().ListCatClick(L::Higher, 0);
    EXPECT_TRUE(model().view().controls.isVisible(CatControl::panelsel));
    EXPECT_EQ(details().front(), text(277));
    EXPECT_TRUE(details().contains(lomce));
    EXPECT_TRUE(details().contains(jobs));
    // From the first title of the LOMCE catalogue on: none (no title with a family stands there
    // in the bundled files, so the mark is moved to this one).
    enlace->vocational.marksGS.firstBarLine = model().entriesOf(L::Higher).front();
    model().ListCatClick(L::Higher, 0);
    EXPECT_FALSE(details().contains(lomce));
    EXPECT_TRUE(details().contains(jobs));
    // A GM title of another family: its jobs.
    model().ListFamClick(familyRow('2'));
    const int gm = model().entriesOf(L::Intermediate).front();
    model().ListCatClick(L::Intermediate, 0);
    EXPECT_EQ(details().front(), text(277));
    EXPECT_TRUE(details().contains(jobs));
    // An arts GM title: no jobs (the bundled arts family has none, so one is moved there).
    enlace->vocational.factsGM.cell(gm, VocationalTables::kFamilyFieldGM - 1) = 5;
    model().ListFamClick(familyRow('5'));
    ASSERT_EQ(model().entriesOf(L::Intermediate).front(), gm);
    model().ListCatClick(L::Intermediate, 0);
    EXPECT_EQ(details().front(), text(277));
    EXPECT_FALSE(details().contains(jobs));
    model().ListFamClick(familyRow('2'));
    // A certificate: access, hours and what it is.
    model().ListCatClick(L::Certificates, 0);
    const CertificateFacts facts =
        FactsOfCertificate(enlace->vocational, model().entriesOf(L::Certificates).front());
    EXPECT_EQ(details().front(), text(29));
    EXPECT_TRUE(details().contains(text(582)));
    EXPECT_TRUE(details().contains(cp1252::Decode(facts.hours)));
    // A degree: its short requirements, headed.
    model().ListCatClick(L::Degrees, 0);
    EXPECT_FALSE(details().isEmpty());
    EXPECT_TRUE(model().view().details.paragraphs.front().runs.front().bold);
    // The panel stands under the top row and above the bottom one.
    s->show();
    clickRow(s->list(L::Degrees), 0);
    shot("04-degree");
    clickRow(s->list(L::Basic), 0);
    EXPECT_LE(s->panelsel->geometry().bottom(), s->list(L::Basic)->y());
    clickRow(s->list(L::Degrees), 0);
    EXPECT_GE(s->panelsel->y(), s->list(L::Degrees)->geometry().bottom());
}

TEST_P(CatUTest, FromDoorTwoToAFamilysEntriesItsReportAndBack) {
    openDoor(MenuLabel::Cat);
    ASSERT_TRUE(s->isVisible());
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_EQ(s->ListFam->count(), VocationalTables::kFamilies);
    EXPECT_FALSE(s->BotImprimir->isVisible());
    // The help line slides in from the right.
    EXPECT_EQ(s->LabelAyu0->x(), CatalogueScreen::kHelpStart);
    for (int i = 0; i < 100 && s->TimerAyu->isActive(); ++i)
        QMetaObject::invokeMethod(s->TimerAyu, "timeout");
    EXPECT_LE(s->LabelAyu0->x(), CatalogueScreen::kHelpEnd);
    EXPECT_FALSE(s->TimerAyu->isActive());
    shot("01-families");

    // The glass and ceramics family: its lists, then a basic title's details.
    clickRow(s->ListFam, familyRow('Q'));
    EXPECT_TRUE(s->BotImprimir->isVisible());
    for (int k = 0; k < kCatalogueLists; ++k)
        EXPECT_EQ(s->list(static_cast<L>(k))->count(), rows(static_cast<L>(k)).size());
    ASSERT_GT(s->list(L::Basic)->count(), 0);
    clickRow(s->list(L::Basic), 0);
    EXPECT_TRUE(s->panelsel->isVisible());
    EXPECT_EQ(s->ListSel->document()->firstBlock().text(), text(29));
    shot("02-basic-title");
    clickRow(s->list(L::Certificates), 0);
    EXPECT_TRUE(s->panelsel->isVisible());
    shot("03-certificate");
    s->botcerrar->click();
    EXPECT_FALSE(s->panelsel->isVisible());
    // A click on the background puts the details away too.
    clickRow(s->list(L::Higher), 0);
    EXPECT_TRUE(s->panelsel->isVisible());
    ClickAt(s, {700, 748});
    EXPECT_FALSE(s->panelsel->isVisible());

    // The family printed, every list under its caption.
    s->BotImprimir->click();
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& report = printing.reports.back();
    QStringList lines;
    for (const auto& line : report.lines) lines << line.text;
    const QString family = s->model().view().familyRows[static_cast<size_t>(familyRow('Q'))].text;
    EXPECT_EQ(report.title, text(103) + QStringLiteral(": ") + family);
    EXPECT_FALSE(report.monospaced);
    EXPECT_EQ(report.fontSize, 12);
    // No degree belongs to the family: no section for them.
    EXPECT_FALSE(lines.contains(text(299)));
    std::vector<int> bold;
    for (size_t i = 0; i < report.lines.size(); ++i)
        if (report.lines[i].bold) bold.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(bold, (std::vector<int>{2, 5, 8, 11}));
    if (GetParam() == 0) {
        EXPECT_EQ(report.title, QStringLiteral("Catálogo de títulos: Vidrio y cerámica"));
        EXPECT_EQ(lines, (QStringList{
                             QString(),
                             QStringLiteral("FP Grado Superior"),
                             QStringLiteral(" -Desarrollo y Fabricación de Productos Cerámicos"),
                             QString(),
                             QStringLiteral("FP Grado Medio"),
                             QStringLiteral(" -Fabricación de Productos Cerámicos"),
                             QString(),
                             QStringLiteral("FP Básica"),
                             QStringLiteral(" -Vidriería y Alfarería"),
                             QString(),
                             QStringLiteral("Certificados de profesionalidad"),
                             QStringLiteral(" -Op. básicas con equipos automáticos en planta "
                                            "cerámica"),
                             QStringLiteral(" -Fabricación de productos cerámicos conformados"),
                         }));
    }

    // Back to the main menu.
    s->BotRetroceder->click();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());
}

TEST_P(CatUTest, ClosingTheWindowAsksNothingAndReturnsToTheMainMenu) {
    openDoor(MenuLabel::Cat);
    clickRow(s->ListFam, 0);
    s->close();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(end.ended, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, CatUTest, ::testing::Values(0, 1, 2, 3), testing::ByLanguage());

}  // namespace
}  // namespace velmora
