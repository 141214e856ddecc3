// The professions explorer on the bundled data: from the main menu's door 7 through the
// statements, the pages of phrases and the final pick to the professions and their studies,
// printed to PDF; and in the four languages.
#include "ui/guidance/profeU.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "ui/guidance/questionnaire_program.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::PdfText;
using testing::QuestionnaireProgram;
using testing::RowCentre;
using testing::SendMouse;
using C = ProfessionsControl;

QString Text(const Enlace& enlace, int n) {
    return cp1252::Decode(enlace.texts[n]);
}

class TprofeTest : public ::testing::Test, protected QuestionnaireProgram {
  protected:
    explicit TprofeTest(int language = 0) : QuestionnaireProgram(language) {}

    void SetUp() override {
        ASSERT_TRUE(loaded) << messages.errors.join(QLatin1Char('\n')).toStdString();
        createProfessions();
        createMenu();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
    }

    // The main menu's door 7: the figure climbs, the door grows, the screen opens on a new run.
    void openFromDoorSeven() {
        menu->show();
        ClickAt(menu->label(MenuLabel::Profe), {4, 4});
        for (int i = 0; i < 20 && menu->TimerPuerta->isActive(); ++i) menu->tick(MenuTimer::Puerta);
        for (int i = 0; i < 40 && menu->TimerZoom->isActive(); ++i) menu->tick(MenuTimer::Zoom);
    }

    // Answers the statements: yes to those in `yes` (from 1).
    void answer(const std::vector<int>& yes) {
        Tprofe& s = *professions;
        s.BotSi->click();  // past the introduction
        for (int k = 1; k <= enlace->guidance.professions.statementCount(); ++k) {
            if (std::find(yes.begin(), yes.end(), k) != yes.end()) {
                s.BotSi->click();
            } else {
                s.BotNo->click();
            }
        }
    }

    void clickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        ClickAt(list->viewport(), RowCentre(list, row));
    }

    void Shot(const QString& name) {
        // The sliding titles and the growing panel in their places.
        for (const ProfessionsTimer t :
             {ProfessionsTimer::Frase, ProfessionsTimer::Tit0, ProfessionsTimer::Titles})
            for (int i = 0; i < 400 && professions->timer(t)->isActive(); ++i) professions->tick(t);
        QuestionnaireProgram::Shot(*professions, name);
    }

    QStringList rows(QListWidget* list) const {
        QStringList out;
        for (int r = 0; r < list->count(); ++r) out << list->item(r)->text();
        return out;
    }
};

TEST_F(TprofeTest, FromDoorSevenThroughTheFourStagesToProfessionsTheirStudiesAndPrint) {
    Tprofe& s = *professions;
    enlace->studentName.set(QStringLiteral("de antes"));
    openFromDoorSeven();
    ASSERT_EQ(routes.opened, QStringList{QStringLiteral("Tprofe")});
    ASSERT_TRUE(s.isVisible());
    EXPECT_TRUE(enlace->studentName.empty());  // a new run
    EXPECT_EQ(s.LabelFrase0->text(), Text(*enlace, 631));
    EXPECT_FALSE(s.ListCues->isEnabled());
    EXPECT_EQ(s.ListCues->count(), enlace->guidance.professions.statementCount());
    Shot(QStringLiteral("professions-1-introduction"));

    // Stage 1: the statements, one at a time. Science and health.
    s.BotSi->click();
    EXPECT_EQ(s.LabelFrase0->text(), Text(*enlace, 626));
    EXPECT_TRUE(s.LabelFrase->text().startsWith(QStringLiteral("Me veo trabajando con orden")));
    Shot(QStringLiteral("professions-2-statement"));
    for (int k = 1; k <= enlace->guidance.professions.statementCount(); ++k)
        (k == 2 || k == 5) ? s.BotSi->click() : s.BotNo->click();
    EXPECT_EQ(s.LabelFrase0->text(), Text(*enlace, 639));
    EXPECT_TRUE(s.ListCues->isEnabled());
    Shot(QStringLiteral("professions-3-summary"));
    s.BotSi->click();
    EXPECT_FALSE(s.PanelFrase->isVisible());

    // Stage 2: the phrases of their professions, on pages.
    s.BotFraSig->click();
    ASSERT_TRUE(s.ListSel->isVisible());
    EXPECT_FALSE(s.ListCues->isVisible());
    EXPECT_EQ(s.LabelTit0->text(), Text(*enlace, 629));
    const ProfessionsState& state = s.model().state();
    ASSERT_GE(state.pages.count(), 2);
    EXPECT_EQ(s.ListSel->count(), static_cast<int>(state.pages.pages[0].size()));
    Shot(QStringLiteral("professions-4-page"));
    for (int page = 1; page <= state.pages.count(); ++page) {
        clickRow(s.ListSel, 0);
        if (s.ListSel->count() > 1) clickRow(s.ListSel, 1);
        s.BotFraSig->click();
    }

    // Stage 3: every picked phrase together, and the one that fits best.
    ASSERT_TRUE(state.finalMode);
    EXPECT_EQ(s.LabelTit0->text(), Text(*enlace, 630));
    EXPECT_EQ(s.ListSel->count(), static_cast<int>(state.chosen.size()));
    clickRow(s.ListSel, 1);
    Shot(QStringLiteral("professions-5-final"));

    // Stage 4: the activities and professions, and the studies of each.
    s.BotFraSig->click();
    ASSERT_TRUE(s.PanelResul->isVisible());
    const int finalPhrase = state.chosen[1];
    EXPECT_EQ(state.finalPhrase, finalPhrase);
    EXPECT_EQ(state.linkedProfessions,
              LinkedProfessions(enlace->guidance.professions, finalPhrase));
    ASSERT_FALSE(state.linkedProfessions.empty());
    EXPECT_EQ(s.ListResulAct->item(0)->text().trimmed(), Text(*enlace, 625));
    EXPECT_TRUE(s.ListResulAct->item(1)->text().startsWith(QStringLiteral("1º ")));
    EXPECT_EQ(s.ListResulProf->count(), static_cast<int>(state.linkedProfessions.size()) + 1);
    SendMouse(s.ListResulProf->viewport(), QEvent::MouseMove, RowCentre(s.ListResulProf, 1));
    EXPECT_TRUE(s.ListTit->isVisible());
    EXPECT_EQ(s.LabelTit3->text(), s.ListResulProf->item(1)->text());
    EXPECT_GT(s.ListTit->count(), 0);
    SendMouse(s.ListResulAct->viewport(), QEvent::MouseMove, RowCentre(s.ListResulAct, 1));
    EXPECT_TRUE(s.ListResProf->isVisible());
    EXPECT_TRUE(rows(s.ListResProf).first().contains(Text(*enlace, 624)));
    Shot(QStringLiteral("professions-6-results"));

    // Printed under the student's name, asked once.
    notice.names = {QStringLiteral("Lucía Gil")};
    s.BotImp->click();
    ASSERT_EQ(printing.reports.size(), 1u);
    QuestionnaireProgram::KeepPdf(printing.fileOf(1), QStringLiteral("professions-report"));
    const QString pdf = PdfText(printing.fileOf(1));
    EXPECT_TRUE(pdf.contains(QStringLiteral("Lucía Gil"))) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(Text(*enlace, 648)));
    const ProfessionRecord& first =
        enlace->guidance.professions.professions[static_cast<size_t>(state.linkedProfessions[0])];
    EXPECT_TRUE(pdf.contains(cp1252::Decode(TrimRight(first.name)))) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(Text(*enlace, 642)));

    // Back steps: the results go, then the final list, the pages, the statements.
    s.BotFraRet->click();
    EXPECT_FALSE(s.PanelResul->isVisible());
    EXPECT_TRUE(state.finalMode);
    for (int i = 0; i <= state.pages.count(); ++i) s.BotFraRet->click();
    EXPECT_TRUE(s.ListCues->isVisible());
    EXPECT_FALSE(s.ListSel->isVisible());

    // Leaving asks first.
    notice.answers = {true};
    s.BotAcabar->click();
    EXPECT_EQ(notice.asked.back(), Text(*enlace, 649));
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(TprofeTest, FourStatementsAreTooManyAndAClickOnTheStudiesLeavesWithANote) {
    Tprofe& s = *professions;
    s.BotCuestioClick();
    s.show();
    answer({1, 2, 3, 4});
    EXPECT_TRUE(s.LabelFrase->text().startsWith(Text(*enlace, 634)));
    s.BotFraSig->click();
    EXPECT_TRUE(s.PanelFrase->isVisible());
    EXPECT_FALSE(s.ListSel->isVisible());
    clickRow(s.ListCues, 3);  // untick one: three left
    s.BotFraSig->click();
    ASSERT_TRUE(s.ListSel->isVisible());
    clickRow(s.ListSel, 0);
    while (!s.model().state().finalMode) s.BotFraSig->click();
    clickRow(s.ListSel, 0);
    s.BotFraSig->click();
    ASSERT_TRUE(s.PanelResul->isVisible());
    SendMouse(s.ListResulProf->viewport(), QEvent::MouseMove, RowCentre(s.ListResulProf, 1));
    notice.answers = {false};
    clickRow(s.ListTit, 0);
    EXPECT_EQ(notice.notes.back(), Text(*enlace, 650));
    EXPECT_TRUE(s.isVisible());
    // Closing the window is leaving too, without the exit question.
    notice.answers = {true};
    s.close();
    EXPECT_EQ(notice.asked.back(), Text(*enlace, 649));
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(end.ended, 0);
}

// The four languages, looked at.
class TprofeLanguageTest : public TprofeTest, public ::testing::WithParamInterface<int> {
  protected:
    TprofeLanguageTest() : TprofeTest(GetParam()) {}
};

TEST_P(TprofeLanguageTest, ShowsItsStatementsPhrasesAndResultsInTheLanguage) {
    Tprofe& s = *professions;
    const QString tag = QString::number(GetParam());
    s.BotCuestioClick();
    s.show();
    EXPECT_EQ(s.BotSi->text(), Text(*enlace, 141));
    s.BotSi->click();
    Shot(QStringLiteral("professions-lang%1-statement").arg(tag));
    for (int k = 1; k <= enlace->guidance.professions.statementCount(); ++k)
        (k == 3 || k == 13) ? s.BotSi->click() : s.BotNo->click();
    Shot(QStringLiteral("professions-lang%1-summary").arg(tag));
    s.BotFraSig->click();
    ASSERT_TRUE(s.ListSel->isVisible());
    Shot(QStringLiteral("professions-lang%1-page").arg(tag));
    while (!s.model().state().finalMode) {
        clickRow(s.ListSel, 0);
        s.BotFraSig->click();
    }
    clickRow(s.ListSel, 0);
    s.BotFraSig->click();
    ASSERT_TRUE(s.PanelResul->isVisible());
    SendMouse(s.ListResulProf->viewport(), QEvent::MouseMove, RowCentre(s.ListResulProf, 1));
    SendMouse(s.ListResulAct->viewport(), QEvent::MouseMove, RowCentre(s.ListResulAct, 1));
    Shot(QStringLiteral("professions-lang%1-results").arg(tag));
}

INSTANTIATE_TEST_SUITE_P(Languages, TprofeLanguageTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
