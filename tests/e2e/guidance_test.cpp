// The guidance sections end to end: the ESO questionnaires, the advice, the professions, the
// assistant and the LOMCE diagram, each from its door of the main menu and back home.
#include <gtest/gtest.h>

#include <QFile>
#include <QToolButton>

#include "core/guidance/lomce_diagram.h"
#include "core/menu/doors.h"
#include "e2e/whole_program.h"
#include "ui/guidance/asistente.h"
#include "ui/guidance/formconsejo.h"
#include "ui/guidance/formlomce.h"
#include "ui/guidance/itinerarios.h"
#include "ui/guidance/profeU.h"
#include "ui/guidance/student_answers.h"
#include "ui/university/grados.h"

namespace velmora {
namespace {

using testing::AnswerQuestions;
using testing::Digits;
using testing::EndToEnd;
using testing::SendMouse;

QString Text(const Enlace& enlace, int n) {
    return testing::Text(enlace, n);
}

// Door 9's questionnaire menu, and one of its questionnaires.
void OpenQuestionnaire(TForm2& s, QPushButton* questionnaire) {
    ASSERT_TRUE(s.isVisible());
    SendMouse(s.botCuestio, QEvent::Enter, {4, 4});
    ASSERT_TRUE(s.PanelMenu2->isVisible());
    questionnaire->click();
    ASSERT_TRUE(s.Gcuestio->isVisible());
}

// Out of the questionnaire and out of the screen.
void LeaveEso(TForm2& s) {
    s.AcabarCues->click();
    s.BitAcabarLogse->click();
}

// The short test with 18 habits at their top and one more at its middle: a grade of 5.03,
// just passed, and the way on to the rest of the questionnaire.
TEST_F(EndToEnd, TheShortTestPassed) {
    walkFromMenu([this] {
        door(MenuLabel::CuesE);
        TForm2& s = *screen<TForm2>("TForm2");
        OpenQuestionnaire(s, s.BotCuestio3);
        std::vector<int> digits = testing::HabitsAtTheTop(context->enlace.guidance.eso, 18);
        digits[29] = 3;
        AnswerQuestions(s.Gcuestio, digits);
        s.BotResCues->click();
        ASSERT_TRUE(s.ListresCues->isVisible());
        ASSERT_GT(s.ListresCues->count(), 3);
        EXPECT_EQ(s.ListresCues->item(3)->text(), Text(context->enlace, 144));
        EXPECT_TRUE(s.BotContinuar->isVisible());
        Shot(s, "short-test-passed");
        LeaveEso(s);
        homeAndOut(&s);
    });
}

// The full questionnaire answered as Lucía would, its result printed under her name.
TEST_F(EndToEnd, TheFullQuestionnairePrintedToPdf) {
    walkFromMenu([this] {
        door(MenuLabel::CuesE);
        TForm2& s = *screen<TForm2>("TForm2");
        OpenQuestionnaire(s, s.BotCuestio1);
        AnswerQuestions(s.Gcuestio, Digits(testing::kLucia.esoAnswers));
        s.BotResCues->click();
        ASSERT_TRUE(s.ListresCues->isVisible());
        Shot(s, "full-questionnaire-result");
        answerNotice(true, QStringLiteral("Lucía Martín Ruiz"));
        s.ImpResul->click();
        ASSERT_EQ(printing.reports.size(), 1u);
        const QString pdf = testing::PdfText(printing.fileOf(1)).simplified();
        EXPECT_TRUE(pdf.contains(QStringLiteral("Lucía Martín Ruiz"))) << pdf.toStdString();
        EXPECT_TRUE(pdf.contains(s.ListresCues->item(0)->text().simplified())) << pdf.toStdString();
        LeaveEso(s);
        homeAndOut(&s);
    });
}

// Door 8: Marcos's qualities and interests ranked, the average saved under his name.
TEST_F(EndToEnd, TheAdviceRankingSaved) {
    walkFromMenu([this] {
        door(MenuLabel::CuesB);
        TFormCon& s = *screen<TFormCon>("TFormCon");
        ASSERT_TRUE(s.isVisible());
        testing::AnswerAdvice(s, testing::kMarcos);
        ASSERT_TRUE(s.ListResul->isVisible());
        const QString first = s.ListResul->item(0, 0)->text();
        Shot(s, "advice-ranking");
        saveDialog.path = output.file(QStringLiteral("Marcos.TXT"));
        answerNotice(true, QStringLiteral("Marcos Gil Peña"));
        s.grabar->click();
        QFile file(saveDialog.path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains(cp1252::Encode(first.trimmed())))
            << first.toStdString();
        if (s.acabarCua->isVisible()) s.acabarCua->click();
        s.MenuRetroCon->click();
        homeAndOut(&s);
    });
}

// Door 7: the statements, the phrases page by page, the one that fits best, its professions.
TEST_F(EndToEnd, TheProfessionsFunnel) {
    walkFromMenu([this] {
        door(MenuLabel::Profe);
        Tprofe& s = *screen<Tprofe>("Tprofe");
        ASSERT_TRUE(s.isVisible());
        s.BotSi->click();  // past the introduction
        for (int k = 1; k <= context->enlace.guidance.professions.statementCount(); ++k)
            (k == 2 || k == 5 ? s.BotSi : s.BotNo)->click();
        s.BotSi->click();
        s.BotFraSig->click();
        const ProfessionsState& state = s.model().state();
        ASSERT_TRUE(s.ListSel->isVisible());
        for (int page = 1; page <= state.pages.count(); ++page) {
            ClickRow(s.ListSel, 0);
            if (s.ListSel->count() > 1) ClickRow(s.ListSel, 1);
            s.BotFraSig->click();
        }
        ASSERT_TRUE(state.finalMode);
        ClickRow(s.ListSel, 0);
        s.BotFraSig->click();
        ASSERT_TRUE(s.PanelResul->isVisible());
        ASSERT_FALSE(state.linkedProfessions.empty());
        EXPECT_EQ(s.ListResulProf->count(), static_cast<int>(state.linkedProfessions.size()) + 1);
        for (const ProfessionsTimer t :
             {ProfessionsTimer::Frase, ProfessionsTimer::Tit0, ProfessionsTimer::Titles})
            for (int i = 0; i < 400 && s.timer(t)->isActive(); ++i) s.tick(t);
        Shot(s, "professions");
        answerNotice(true);
        s.BotAcabar->click();
        homeAndOut(&s);
    });
}

// Door 11: the Bachillerato panel, its degrees button to the degrees screen, back to the
// assistant, and home.
TEST_F(EndToEnd, TheAssistantToAScreenAndBack) {
    walkFromMenu([this] {
        using C = AssistantControl;
        door(MenuLabel::Asistente);
        TForm5& s = *screen<TForm5>("TForm5");
        TForm1& degrees = *screen<TForm1>("TForm1");
        ASSERT_TRUE(s.isVisible());
        const auto press = [&s](C which) { static_cast<QPushButton*>(s.control(which))->click(); };
        const auto runOut = [&s](AssistantTimer timer) {
            for (int i = 0; i < 1000 && s.timer(timer)->isActive(); ++i) s.tick(timer);
        };
        const auto release = [&s](C which) {
            SendMouse(s.control(which), QEvent::MouseButtonPress, {5, 5});
            SendMouse(s.control(which), QEvent::MouseButtonRelease, {5, 5});
        };
        release(C::Panel2);
        press(C::BotBachi);
        runOut(AssistantTimer::Start);
        for (int i = 0; i < 1000 && s.model().step() == 1; ++i) s.tick(AssistantTimer::Step);
        release(C::Image7);
        runOut(AssistantTimer::Flight);
        ASSERT_TRUE(s.control(C::BiCar)->isVisible());
        Shot(s, "assistant");
        press(C::BiCar);
        ASSERT_TRUE(degrees.isVisible());
        EXPECT_FALSE(s.isVisible());
        EXPECT_TRUE(degrees.PanelMenu->isVisible());
        degrees.BotMenuRetro->click();
        ASSERT_TRUE(s.isVisible());
        EXPECT_FALSE(degrees.isVisible());
        press(C::BotRetroAsis);
        EXPECT_FALSE(context->enlace.assistantMode);
        homeAndOut(&s);
    });
}

// Door 4: the ESO screen's diagram button, the diagram stepped to its last step, and out.
TEST_F(EndToEnd, TheLomceDiagramToItsLastStep) {
    walkFromMenu([this] {
        door(MenuLabel::Iti);
        TForm2& eso = *screen<TForm2>("TForm2");
        TFlomce& d = *screen<TFlomce>("TFlomce");
        ASSERT_TRUE(eso.BotLOMCE->isVisible());
        eso.BotLOMCE->click();
        ASSERT_TRUE(d.isVisible());
        for (int i = 0; i < 20 && d.BitFleDe->isEnabled(); ++i) d.BitFleDe->click();
        EXPECT_EQ(d.model().step(), LomceDiagram::kLastStep);
        EXPECT_TRUE(d.LabelFle->isVisible());
        Shot(d, "lomce-last-step");
        d.BitRetro->click();
        ASSERT_TRUE(eso.isVisible());
        eso.BitAcabarLogse->click();
        EXPECT_FALSE(eso.isVisible());
        homeAndOut(&d);
    });
}

}  // namespace
}  // namespace velmora
