// The advice screen on the bundled data: three students tick their qualities and interests, see
// their rankings, print them to PDF and save them.
#include "ui/guidance/formconsejo.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "core/guidance/bundled_students.h"
#include "core/shared/cp1252.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/guidance/questionnaire_program.h"
#include "ui/guidance/student_answers.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DoubleClickAt;
using testing::kAndres;
using testing::kLucia;
using testing::kMarcos;
using testing::PdfText;
using testing::QuestionnaireProgram;
using testing::RowCentre;
using testing::SendMouse;
using testing::Student;

QString Text(const Enlace& enlace, int n) {
    return cp1252::Decode(enlace.texts[n]);
}

class TFormConTest : public ::testing::Test, protected QuestionnaireProgram {
  protected:
    explicit TFormConTest(int language = 0) : QuestionnaireProgram(language) {}

    void SetUp() override {
        ASSERT_TRUE(loaded) << messages.errors.join(QLatin1Char('\n')).toStdString();
        createAdvice();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        advice->show();
        QCoreApplication::processEvents();
    }

    void answer(const Student& student) { testing::AnswerAdvice(*advice, student); }

    // The groups of the average ranking as the scoring model makes it.
    std::vector<int> expectedAverage(const Student& student) const {
        const AdviceTables& items = enlace->guidance.advice;
        const QuestionnaireLoads& keys = enlace->degreeTables.questionnaire;
        Selection qualities(static_cast<size_t>(items.qualities.count), false);
        for (const int item : student.qualities) qualities.at(static_cast<size_t>(item - 1)) = true;
        Selection interests(static_cast<size_t>(items.interests.count), false);
        for (const int item : student.interests) interests.at(static_cast<size_t>(item - 1)) = true;
        const AdviceScores average = AverageScores(QualityScores(qualities, keys.qualityKeys),
                                                   InterestScores(interests, keys.interestKeys));
        return RankAdviceLines(AverageResultLines(enlace->guidance.eso.itineraries, average),
                               average)
            .permutation;
    }

    // The group names in the grid, top to bottom.
    QStringList gridGroups() const {
        QStringList names;
        for (int r = 0; r < advice->ListResul->rowCount(); ++r)
            names << advice->ListResul->item(r, 0)->text();
        return names;
    }

    QString groupName(int group) const {
        return cp1252::Decode(TrimRight(enlace->guidance.eso.itineraries[group]));
    }
};

TEST_F(TFormConTest, ThreeStudentsGetThreeRankingsOfTheScoringModel) {
    TFormCon& s = *advice;
    std::vector<std::vector<int>> rankings;
    int student = 0;
    for (const Student* who : {&kLucia, &kMarcos, &kAndres}) {
        if (student > 0) {
            // The next student: back to the menu and start again.
            s.acabarCua->click();
            notice.answers = {true};
            s.hide();
            s.show();
            QCoreApplication::processEvents();
            ASSERT_EQ(notice.asked.size(), student);
            EXPECT_EQ(notice.asked.back(), Text(*enlace, 329));
        }
        answer(*who);
        ASSERT_TRUE(s.ListResul->isVisible()) << who->name;
        const std::vector<int> expected = expectedAverage(*who);
        EXPECT_EQ(s.model().state().rankPermutation, expected) << who->name;
        QStringList names;
        for (const int g : expected) names << groupName(g);
        EXPECT_EQ(gridGroups().join(u'|').toStdString(), names.join(u'|').toStdString())
            << who->name;
        rankings.push_back(expected);
        QuestionnaireProgram::Shot(s, QStringLiteral("advice-average-%1").arg(student));
        ++student;
    }
    // Sensible: health for Lucía, the arts then the languages for Marcos, technology for Andrés.
    EXPECT_EQ(rankings[0][0], 3);
    EXPECT_EQ(rankings[1][0], 2);
    EXPECT_EQ(rankings[1][1], 8);
    EXPECT_EQ(rankings[2][0], 4);
    EXPECT_NE(rankings[0], rankings[1]);
    EXPECT_NE(rankings[1], rankings[2]);
    EXPECT_NE(rankings[0], rankings[2]);
}

TEST_F(TFormConTest, ARankingShowsEachGroupWithItsIconAndScoreAndItsStudiesOnADoubleClick) {
    TFormCon& s = *advice;
    s.Menucua->click();
    EXPECT_TRUE(s.ListCua->isVisible());
    EXPECT_FALSE(s.MenuGus->isVisible());
    EXPECT_EQ(s.ListCua->count(), enlace->guidance.advice.qualities.count);
    EXPECT_TRUE(s.HelpPanel->isVisible());
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-qualities"));
    testing::TickItems(s.ListCua, kLucia.qualities);
    EXPECT_EQ(s.model().state().ticks[0][0], true);
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-qualities-ticked"));
    s.VerResul->click();
    ASSERT_TRUE(s.ListResul->isVisible());
    EXPECT_FALSE(s.ListCua->isVisible());
    EXPECT_EQ(s.ListResul->rowCount(), 12);
    EXPECT_EQ(s.ListResul->rowHeight(0), 32);
    EXPECT_EQ(s.ListResul->columnWidth(0), 360);
    EXPECT_EQ(s.PanelResCon->text(),
              Text(*enlace, 286) + QStringLiteral("    ") + Text(*enlace, 279));
    EXPECT_EQ(s.ListResul->item(0, 0)->text(), groupName(3));
    EXPECT_TRUE(s.revisa->isVisible());
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-qualities-ranked"));

    // The hint follows the pointer over the grid and goes over the background.
    SendMouse(s.ListResul->viewport(), QEvent::MouseMove, RowCentre(s.ListResul, 2));
    EXPECT_TRUE(s.LabelAviso->isVisible());
    EXPECT_EQ(s.LabelAviso->text(), Text(*enlace, 283));
    SendMouse(&s, QEvent::MouseMove, QPoint(200, 700));
    EXPECT_FALSE(s.LabelAviso->isVisible());

    DoubleClickAt(s.ListResul->viewport(), RowCentre(s.ListResul, 0));
    ASSERT_TRUE(s.PanelResul->isVisible());
    EXPECT_EQ(s.ListCarreras->item(0)->text(), groupName(3));
    EXPECT_EQ(s.ListCarreras->item(2)->text(), Text(*enlace, 327));
    QStringList studies;
    for (int r = 0; r < s.ListCarreras->count(); ++r) studies << s.ListCarreras->item(r)->text();
    EXPECT_TRUE(studies.contains(QStringLiteral("Medicina"))) << studies.join(u'|').toStdString();
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-studies"));
    s.BotCerrar->click();
    EXPECT_FALSE(s.PanelResul->isVisible());

    s.revisa->click();
    EXPECT_TRUE(s.ListCua->isVisible());
    EXPECT_TRUE(s.model().state().ticks[0][0]);  // the ticks are kept for the review
}

TEST_F(TFormConTest, TheReportIsPrintedToPdfAndSavedAsWindows1252) {
    TFormCon& s = *advice;
    answer(kMarcos);
    ASSERT_TRUE(s.ImpResul->isVisible());
    notice.names = {QStringLiteral("Marcos Gil Peña")};
    messages.answer = true;  // yes, the studies too
    s.ImpResul->click();
    ASSERT_EQ(printing.reports.size(), 2u);
    QuestionnaireProgram::KeepPdf(printing.fileOf(1), QStringLiteral("advice-report-1"));
    QuestionnaireProgram::KeepPdf(printing.fileOf(2), QStringLiteral("advice-report-2"));
    const QString first = PdfText(printing.fileOf(1));
    EXPECT_TRUE(first.contains(QStringLiteral("Alumno/a: Marcos Gil Peña"))) << first.toStdString();
    EXPECT_TRUE(first.contains(Text(*enlace, 596) + QStringLiteral(" ") + Text(*enlace, 597)));
    EXPECT_TRUE(first.contains(QStringLiteral("IES Miralbueno")));
    EXPECT_TRUE(first.contains(groupName(2)));
    const QString second = PdfText(printing.fileOf(2));
    EXPECT_TRUE(second.contains(Text(*enlace, 340))) << second.toStdString();
    EXPECT_TRUE(second.contains(QStringLiteral("Bellas Artes"))) << second.toStdString();
    EXPECT_TRUE(s.HelpPanel->isVisible());

    // Saving asks again, proposing the name typed last.
    notice.names = {QStringLiteral("Marcos Gil Peña")};
    saveDialog.path = output.file(QStringLiteral("Marcos.TXT"));
    s.grabar->click();
    EXPECT_EQ(notice.proposals.back(), QStringLiteral("Marcos Gil Peña"));
    EXPECT_EQ(saveDialog.proposed.back(), QStringLiteral("Marcos Gil Peña"));
    EXPECT_EQ(saveDialog.suffixes.back(), QStringLiteral("TXT"));
    QFile file(saveDialog.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::string title = enlace->texts[596] + " " + enlace->texts[597] + "\r\n";
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromStdString(title)));
    EXPECT_FALSE(bytes.contains("Marcos"));  // the name is the report's title, not a line
    // Every line of the printed first part is a line of the file, as the printer got it.
    for (const ReportLine& line : printing.reports[0].lines)
        EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(cp1252::Encode(line.text) + "\r\n")))
            << line.text.toStdString();
    EXPECT_TRUE(bytes.contains("Bellas Artes\r\n"));
    EXPECT_TRUE(bytes.contains("\xED"));  // Windows-1252, not UTF-8
    EXPECT_FALSE(bytes.contains("\xC3\xAD"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_FALSE(s.ListResul->isVisible());
}

TEST_F(TFormConTest, TheAverageFirstAsksForBothListsAndBackLeadsToTheMenu) {
    TFormCon& s = *advice;
    s.MenuMedia->click();
    EXPECT_FALSE(s.ListResul->isVisible());
    EXPECT_TRUE(s.HelpPanel->isVisible());
    createMenu();
    s.MenuRetroCon->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(s.HelpPanel->isVisible());
}

TEST_F(TFormConTest, DoorEightOfTheMainMenuOpensIt) {
    advice->hide();
    createMenu();
    menu->show();
    ClickAt(menu->label(MenuLabel::CuesB), {4, 4});
    for (int i = 0; i < 20 && menu->TimerPuerta->isActive(); ++i) menu->tick(MenuTimer::Puerta);
    for (int i = 0; i < 40 && menu->TimerZoom->isActive(); ++i) menu->tick(MenuTimer::Zoom);
    EXPECT_EQ(routes.opened, QStringList{QStringLiteral("TFormCon")});
    EXPECT_TRUE(advice->isVisible());
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(TFormConTest, ClosingTheWindowAsksTheExitQuestion) {
    notice.answers = {false};
    advice->close();
    EXPECT_TRUE(advice->isVisible());
    EXPECT_EQ(notice.asked.back(), Text(*enlace, 49));
    EXPECT_EQ(end.ended, 0);
}

// The four languages, looked at.
class TFormConLanguageTest : public TFormConTest, public ::testing::WithParamInterface<int> {
  protected:
    TFormConLanguageTest() : TFormConTest(GetParam()) {}
};

TEST_P(TFormConLanguageTest, ShowsItsListsAndRankingsInTheLanguage) {
    TFormCon& s = *advice;
    const QString tag = QString::number(GetParam());
    EXPECT_EQ(s.Menucua->text(), Text(*enlace, 301));
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-lang%1-menu").arg(tag));
    answer(kLucia);
    EXPECT_EQ(s.ListResul->rowCount(), 12);
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-lang%1-average").arg(tag));
    DoubleClickAt(s.ListResul->viewport(), RowCentre(s.ListResul, 0));
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-lang%1-studies").arg(tag));
    s.BotCerrar->click();
    s.acabarCua->click();
    s.MenuGus->click();
    QuestionnaireProgram::Shot(s, QStringLiteral("advice-lang%1-interests").arg(tag));
}

INSTANTIATE_TEST_SUITE_P(Languages, TFormConLanguageTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
