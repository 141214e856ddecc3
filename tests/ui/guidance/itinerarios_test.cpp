// The ESO screen on the bundled data: three students answer the full questionnaire, see their
// results, print them to PDF and save them; the short test passes or gives its second chance;
// saving where nothing can be written says so and keeps the earlier file.
#include "ui/guidance/itinerarios.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "core/guidance/bundled_students.h"
#include "core/shared/cp1252.h"
#include "support/file_limits.h"
#include "support/param_names.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/guidance/questionnaire_program.h"
#include "ui/guidance/student_answers.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::Digits;
using testing::kAndres;
using testing::kLucia;
using testing::kMarcos;
using testing::PdfText;
using testing::QuestionnaireProgram;
using testing::RowCentre;
using testing::SendMouse;
using testing::Student;
using testing::Text;

class TForm2Test : public ::testing::Test, protected QuestionnaireProgram {
  protected:
    explicit TForm2Test(int language = 0) : QuestionnaireProgram(language) {}

    void SetUp() override {
        ASSERT_TRUE(loaded) << messages.errors.join(QLatin1Char('\n')).toStdString();
        createEso();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        eso->show();
        QCoreApplication::processEvents();
    }

    int questions() const { return enlace->guidance.eso.questionCount(); }

    // The popup over the questionnaire button, and one of its entries.
    void open(QPushButton* entry) {
        SendMouse(eso->botCuestio, QEvent::Enter, {4, 4});
        ASSERT_TRUE(eso->PanelMenu2->isVisible());
        entry->click();
    }
    void press(int q) { testing::PressQuestion(eso->Gcuestio, q); }
    void answer(const std::vector<int>& digits, int first = 1) {
        testing::AnswerQuestions(eso->Gcuestio, digits, first);
    }

    std::vector<int> habitsAtTheTop(int count) const {
        return testing::HabitsAtTheTop(enlace->guidance.eso, count);
    }
    EsoAnswers expectedAnswers(const std::vector<int>& digits) const {
        EsoAnswers answers = FreshAnswers(enlace->guidance.eso);
        for (size_t k = 0; k < digits.size() && k < answers.size(); ++k)
            answers[k].answer = digits[k];
        return answers;
    }
    FullQuestionnaireResult expectedFull(const std::vector<int>& digits) const {
        return EvaluateFullQuestionnaire(expectedAnswers(digits),
                                         enlace->degreeTables.questionnaire.esoKeys,
                                         enlace->guidance.eso, enlace->texts);
    }
    QStringList shownResult() const {
        QStringList lines;
        for (int r = 0; r < eso->ListresCues->count(); ++r)
            lines << eso->ListresCues->item(r)->text();
        return lines;
    }
    static QStringList Decoded(const std::vector<std::string>& lines) {
        QStringList decoded;
        for (const std::string& line : lines) decoded << cp1252::Decode(line);
        return decoded;
    }
    static QString Simplified(const QString& text) { return text.simplified(); }
};

TEST_F(TForm2Test, ThreeStudentsGetTheScoringModelsResultsPrintedAndSaved) {
    TForm2& s = *eso;
    const Student* students[] = {&kLucia, &kMarcos, &kAndres};
    const QString names[] = {QStringLiteral("Lucía Martín Ruiz"), QStringLiteral("Marcos Gil Peña"),
                             QStringLiteral("Andrés Łukasz Nowak")};
    std::vector<int> firstGroups;
    for (int k = 0; k < 3; ++k) {
        const Student& who = *students[k];
        SCOPED_TRACE(who.name);
        if (k > 0) {
            // The next student starts again.
            s.AcabarCues->click();
            notice.answers = {true};
            open(s.BotCuestio1);
            EXPECT_EQ(notice.asked.back(), Text(*enlace, 329));
            EXPECT_TRUE(enlace->studentName.empty());
        } else {
            open(s.BotCuestio1);
        }
        ASSERT_EQ(s.Gcuestio->rowCount(), questions());
        const std::vector<int> digits = Digits(who.esoAnswers);
        ASSERT_EQ(static_cast<int>(digits.size()), questions());
        answer(digits);
        s.BotResCues->click();
        ASSERT_TRUE(s.ListresCues->isVisible());
        EXPECT_FALSE(s.Gcuestio->isVisible());

        const FullQuestionnaireResult expected = expectedFull(digits);
        const QStringList lines = Decoded(s.model().FullResultLines(expected));
        EXPECT_EQ(shownResult(), lines);
        EXPECT_EQ(s.model().state().rankedGroups, expected.permutation);
        firstGroups.push_back(expected.firstGroup);
        QuestionnaireProgram::Shot(s, QStringLiteral("eso-result-%1").arg(k));

        // Printed under the name and the course, with the school in the header.
        notice.names = {names[k]};
        s.ImpResul->click();
        ASSERT_FALSE(printing.reports.empty());
        // Read back as laid out, so that a line's words and score stay together.
        const QString pdf = testing::RunPoppler(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), printing.fileOf(static_cast<int>(printing.reports.size())),
             QStringLiteral("-")});
        QuestionnaireProgram::KeepPdf(printing.fileOf(static_cast<int>(printing.reports.size())),
                                      QStringLiteral("eso-result-%1").arg(k));
        const QString flat = Simplified(pdf);
        const QString name = k == 2 ? QStringLiteral("Andrés ?ukasz Nowak") : names[k];
        EXPECT_TRUE(flat.contains(name + QStringLiteral(" - 4º de ESO"))) << pdf.toStdString();
        EXPECT_TRUE(flat.contains(QStringLiteral("IES Miralbueno")));
        qsizetype at = 0;
        for (const QString& line : lines) {
            const QString wanted = Simplified(line);
            if (wanted.isEmpty()) continue;
            const qsizetype found = flat.indexOf(wanted, at);
            EXPECT_GE(found, 0) << wanted.toStdString();
            if (found >= 0) at = found + wanted.size();
        }

        // Saved: Windows-1252, CR LF, the name, an empty line and the result's lines.
        saveDialog.path = output.file(QStringLiteral("student%1.TXT").arg(k));
        s.grabar->click();
        QFile file(saveDialog.path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::string bytes = cp1252::Encode(names[k]) + "  -  4\xBA de ESO\r\n\r\n";
        for (const std::string& line : s.model().FullResultLines(expected)) bytes += line + "\r\n";
        EXPECT_EQ(file.readAll().toStdString(), bytes);
        EXPECT_EQ(notice.prompts.size(), k + 1);  // once for both
    }
    // Science and health, the arts, a trade: three different recommendations.
    EXPECT_EQ(firstGroups, (std::vector<int>{3, 2, 13}));
}

TEST_F(TForm2Test, TheGridAnswersByPressOrEnterAndTheResultTogglesBack) {
    TForm2& s = *eso;
    open(s.BotCuestio3);
    ASSERT_EQ(s.Gcuestio->rowCount(), 35);
    EXPECT_EQ(s.Gcuestio->horizontalHeaderItem(0)->text(), Text(*enlace, 52));
    EXPECT_EQ(s.Gcuestio->horizontalHeaderItem(2)->text(), QStringLiteral("Not"));
    EXPECT_EQ(s.Gcuestio->columnWidth(0), 335);
    EXPECT_EQ(s.Gcuestio->item(0, 1)->text(), QString());
    EXPECT_FALSE(s.BitAcabarLogse->isVisible());
    EXPECT_FALSE(s.botCuestio->isEnabled());
    EXPECT_EQ(s.PanelItiner->text(), Text(*enlace, 91));
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-short-grid"));
    press(1);
    // Question 1 is a habit answered by how often.
    EXPECT_EQ(s.Gcuestio->item(0, 1)->text(), Text(*enlace, 137));
    EXPECT_EQ(s.Gcuestio->item(0, 2)->text(), QStringLiteral("*"));
    s.Gcuestio->setFocus();
    s.Gcuestio->setCurrentCell(5, 0);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(s.Gcuestio, &enter);
    // Question 6 is answered yes or no.
    EXPECT_EQ(s.Gcuestio->item(5, 1)->text(), Text(*enlace, 141));
    EXPECT_EQ(s.Gcuestio->item(5, 2)->text(), QStringLiteral("***"));
    s.BotResCues->click();
    EXPECT_TRUE(s.ListresCues->isVisible());
    EXPECT_EQ(s.BotResCues->text(), Text(*enlace, 328));
    s.BotResCues->click();
    EXPECT_TRUE(s.Gcuestio->isVisible());
    EXPECT_EQ(s.Gcuestio->item(5, 1)->text(), Text(*enlace, 141));
    EXPECT_FALSE(s.BotContinuar->isVisible());
}

TEST_F(TForm2Test, AShortTestJustAtFiveGoesOnWithTheRestOfTheQuestionnaire) {
    TForm2& s = *eso;
    open(s.BotCuestio3);
    // Habits of five points at their top: 18 of them and one more of three make 93 of the
    // 185 points, the lowest total whose grade reaches 5 (5.03).
    std::vector<int> digits = habitsAtTheTop(18);
    digits[29] = 3;
    answer(digits);
    s.BotResCues->click();
    ASSERT_NEAR(Grade(expectedAnswers(digits)), 5.03, 0.01);
    EXPECT_EQ(s.ListresCues->item(3)->text(), Text(*enlace, 144));
    EXPECT_TRUE(s.BotContinuar->isVisible());
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-short-passed"));
    s.BotContinuar->click();
    EXPECT_EQ(s.Gcuestio->rowCount(), questions());
    EXPECT_EQ(s.Gcuestio->verticalScrollBar()->value(), 35);        // question 36 first
    EXPECT_EQ(s.Gcuestio->item(0, 1)->text(), Text(*enlace, 139));  // kept
    EXPECT_EQ(s.Gcuestio->item(35, 1)->text(), QString());
    EXPECT_FALSE(s.BotContinuar->isVisible());
    EXPECT_EQ(s.PanelItiner->text(), Text(*enlace, 76));
}

TEST_F(TForm2Test, AShortTestJustAbove44GetsASecondChanceThenTheIntermediateQuestionnaire) {
    TForm2& s = *eso;
    open(s.BotCuestio3);
    // 82 of 185 points: 4.43.
    std::vector<int> digits = habitsAtTheTop(16);
    digits[30] = 2;  // two points
    answer(digits);
    ASSERT_NEAR(Grade(expectedAnswers(digits)), 4.43, 0.01);
    s.BotResCues->click();
    EXPECT_EQ(s.ListresCues->item(5)->text(), Text(*enlace, 148));
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-short-second-chance"));
    s.BotResCues->click();
    s.BotResCues->click();
    EXPECT_EQ(s.ListresCues->item(3)->text(), Text(*enlace, 150));
    EXPECT_EQ(s.ListresCues->item(12)->text(), Text(*enlace, 202));
    s.BotContinuar->click();
    // No intermediate screen in this program: back on the menu, with the mark set.
    EXPECT_TRUE(enlace->questionnaireMode);
    EXPECT_TRUE(s.PanelMenu->isVisibleTo(&s));
    EXPECT_FALSE(s.PanelCuestio->isVisibleTo(&s));
}

TEST_F(TForm2Test, TheStudiesOfARankedGroupOpenFromItsLineAndPrint) {
    TForm2& s = *eso;
    open(s.BotCuestio1);
    answer(Digits(kMarcos.esoAnswers));
    s.BotResCues->click();
    QListWidget* list = s.ListresCues;
    list->scrollToItem(list->item(16));
    SendMouse(list->viewport(), QEvent::MouseMove, RowCentre(list, 16));
    EXPECT_TRUE(s.LabelAviso->isVisible());
    EXPECT_EQ(s.LabelAviso->text(), Text(*enlace, 283));
    SendMouse(list->viewport(), QEvent::MouseMove, RowCentre(list, 13));
    EXPECT_FALSE(s.LabelAviso->isVisible());
    ClickAt(list->viewport(), RowCentre(list, 16));
    ASSERT_TRUE(s.PanelCar->isVisible());
    QStringList studies;
    for (int r = 0; r < s.ListCar->count(); ++r) studies << s.ListCar->item(r)->text();
    EXPECT_TRUE(studies.contains(QStringLiteral("Bellas Artes")))
        << studies.join(u'|').toStdString();
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-studies"));
    s.BotImpTit->click();
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_TRUE(PdfText(printing.fileOf(1)).contains(QStringLiteral("Bellas Artes")));
    ClickAt(s.ListCar->viewport(), RowCentre(s.ListCar, 0));
    EXPECT_FALSE(s.PanelCar->isVisible());
}

TEST_F(TForm2Test, SavingWhereNothingCanBeWrittenSaysSoAndKeepsTheEarlierFile) {
    TForm2& s = *eso;
    open(s.BotCuestio1);
    s.BotResCues->click();
    const QString locked = output.file(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString earlier = locked + QStringLiteral("/Ana.TXT");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier result\r\n");
    }
    notice.names = {QStringLiteral("Ana")};
    saveDialog.path = earlier;
    const auto earlierIntact = [&] {
        QFile file(earlier);
        return file.open(QIODevice::ReadOnly) && file.readAll() == "earlier result\r\n";
    };

    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    {
        testing::ObeyingPermissions asAStudent;
        s.grabar->click();
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.back().startsWith(
        QStringLiteral("No se ha podido guardar el resultado en ") + earlier))
        << messages.shown.back().toStdString();
    EXPECT_TRUE(earlierIntact());
    EXPECT_NE(s.model().state().lastHelp[0], 22);  // no word of a file saved

    {
        testing::FileSizeLimit full(256);
        s.grabar->click();
    }
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown.back().contains(earlier)) << messages.shown.back().toStdString();
    EXPECT_TRUE(earlierIntact());
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{QStringLiteral("Ana.TXT")});
    EXPECT_TRUE(s.ListresCues->isVisible());  // nothing of the result is lost
}

TEST_F(TForm2Test, EscapeLeavesTheQuestionnaireAndBackLeadsHome) {
    TForm2& s = *eso;
    open(s.BotCuestio1);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&s, &escape);
    EXPECT_FALSE(s.PanelCuestio->isVisible());
    EXPECT_TRUE(s.BitAcabarLogse->isVisible());
    EXPECT_TRUE(s.PanelMenu2->isVisible());
    SendMouse(s.BitAcabarLogse, QEvent::Enter, {4, 4});
    EXPECT_FALSE(s.PanelMenu2->isVisible());
    createMenu();
    s.BitAcabarLogse->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(menu->isVisible());

    notice.answers = {false};
    s.show();
    s.close();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(notice.asked.back(), Text(*enlace, 49));
}

// The four languages, looked at.
class TForm2LanguageTest : public TForm2Test, public ::testing::WithParamInterface<int> {
  protected:
    TForm2LanguageTest() : TForm2Test(GetParam()) {}
};

TEST_P(TForm2LanguageTest, ShowsItsMenuQuestionsResultAndStudiesInTheLanguage) {
    TForm2& s = *eso;
    const QString tag =
        QString::fromStdString(testing::ByLanguage()(::testing::TestParamInfo<int>(GetParam(), 0)));
    SendMouse(s.botCuestio, QEvent::Enter, {4, 4});
    EXPECT_EQ(s.BotCuestio1->text(), Text(*enlace, 76));
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-%1-menu").arg(tag));
    s.BotCuestio1->click();
    answer(Digits(kLucia.esoAnswers));
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-%1-grid").arg(tag));
    s.BotResCues->click();
    EXPECT_EQ(s.ListresCues->item(8)->text(), Text(*enlace, 153));
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-%1-result").arg(tag));
    s.ListresCues->scrollToItem(s.ListresCues->item(16));
    ClickAt(s.ListresCues->viewport(), RowCentre(s.ListresCues, 16));
    EXPECT_TRUE(s.PanelCar->isVisible());
    QuestionnaireProgram::Shot(s, QStringLiteral("eso-%1-studies").arg(tag));
}

INSTANTIATE_TEST_SUITE_P(Languages, TForm2LanguageTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
