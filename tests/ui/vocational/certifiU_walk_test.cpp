// A student's walk through the certificates screen on the bundled data, in each language: the
// stop-studying sign of the main menu, the help and the sliding captions, an area under the
// pointer and chosen, a family's certificates following the pointer and kept by a click, a
// certificate's details, the family's report, the employment service's page, and back.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "support/param_names.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/shared/shadow_label.h"
#include "ui/vocational/certifiU.h"
#include "ui/vocational/vocational_program.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::RowCentre;
using testing::SendMouse;

class CertifiUWalkTest : public ::testing::TestWithParam<int>,
                         protected testing::VocationalProgram {
  protected:
    CertifiUWalkTest() : VocationalProgram(GetParam()) {}

    void SetUp() override {
        createScreens({"TCertifica"});
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        s = qobject_cast<TCertifica*>(screen("TCertifica"));
        ASSERT_NE(s, nullptr);
    }
    void shot(const char* step) { testing::LanguageShot(*s, "certifica", GetParam(), step); }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]); }
    void clickRow(QListWidget* list, int row) { ClickAt(list->viewport(), RowCentre(list, row)); }
    void pointAt(QListWidget* list, int row) {
        SendMouse(list->viewport(), QEvent::MouseMove, RowCentre(list, row));
    }
    QStringList rows(QListWidget* list) const {
        QStringList out;
        for (int r = 0; r < list->count(); ++r) out << list->item(r)->text();
        return out;
    }

    // A tick of a timer, without waiting for it.
    static void fire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

    TCertifica* s = nullptr;
};

TEST_P(CertifiUWalkTest, FromTheStopStudyingSignToACertificateAndBack) {
    // The sign opens the screen at once: the areas and the help.
    menu()->show();
    ClickAt(menu()->label(MenuLabel::Dejar), {4, 4});
    ASSERT_TRUE(s->isVisible());
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_EQ(s->ListSelFp->count(), 9);
    EXPECT_TRUE(s->PanelAyuda->isVisible());
    EXPECT_EQ(s->LabelCentro->text(), text(580));
    // The help told, the caption slides in.
    for (int i = 0; i < 9; ++i) fire(s->PanelAyuda->timer);
    EXPECT_TRUE(s->TimerAyu->isActive());
    for (int i = 0; i < 120; ++i) fire(s->TimerAyu);
    EXPECT_LE(s->LabelTit1->x(), 30);
    pointAt(s->ListSelFp, 2);
    EXPECT_EQ(s->ListSelFp->currentRow(), 2);
    shot("01-areas");

    // An area with two families or more; the first family's certificates under the pointer.
    int area = 0;
    for (; area < 9; ++area) {
        clickRow(s->ListSelFp, area);
        if (s->ListTitFP->count() > 1) break;
        s->BotRetrocederFP->click();
    }
    ASSERT_LT(area, 9);
    EXPECT_FALSE(s->ListSelFp->isVisible());
    EXPECT_TRUE(s->PanelSelTit1->isVisible());
    pointAt(s->ListTitFP, 1);
    ASSERT_TRUE(s->ListFPExpli->isVisible());
    const QStringList second = rows(s->ListFPExpli);
    ASSERT_FALSE(second.isEmpty());
    pointAt(s->ListTitFP, 0);
    const QStringList first = rows(s->ListFPExpli);
    EXPECT_NE(first, second);
    shot("02-families");

    // A click keeps the family's certificates while the pointer moves on.
    clickRow(s->ListTitFP, 0);
    EXPECT_TRUE(s->BotImprimir->isVisible());
    EXPECT_TRUE(s->BotInternet->isVisible());
    pointAt(s->ListTitFP, 1);
    EXPECT_EQ(rows(s->ListFPExpli), first);

    // A certificate's details.
    clickRow(s->ListFPExpli, 0);
    EXPECT_TRUE(s->PanelResul->isVisible());
    EXPECT_EQ(s->LabelTitulo->text(), first[0]);
    EXPECT_FALSE(s->LabelHoras->text().isEmpty());
    EXPECT_FALSE(s->LabelDes->text().isEmpty());
    for (int i = 0; i < 200; ++i) fire(s->TimerAyu);
    shot("03-certificate");

    // The family's report and the web page.
    s->BotImprimir->click();
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& report = printing.reports.back();
    EXPECT_EQ(report.title, text(580));
    EXPECT_EQ(report.lines[0].text, text(583) + QStringLiteral(":"));
    EXPECT_GE(static_cast<int>(report.lines.size()), 3 + 5 * static_cast<int>(first.size()));
    EXPECT_EQ(s->BotInternet->toolTip(), text(568));
    s->BotInternet->click();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(opener.opened[0].endsWith(QStringLiteral("certificados-profesionalidad.html")));

    // Back to the areas with the details kept, then to the main menu.
    s->BotRetrocederFP->click();
    EXPECT_TRUE(s->ListSelFp->isVisible());
    EXPECT_FALSE(s->ListTitFP->isVisible());
    EXPECT_TRUE(s->PanelResul->isVisible());
    shot("04-back-to-the-areas");
    s->BotRetrocederFP->click();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());
}

TEST_P(CertifiUWalkTest, ClosingTheWindowAsksNothingAndReturnsToTheMainMenu) {
    menu()->show();
    ClickAt(menu()->label(MenuLabel::Dejar), {4, 4});
    clickRow(s->ListSelFp, 0);
    s->close();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(end.ended, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, CertifiUWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
