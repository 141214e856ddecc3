// The degree statistics screen on the bundled data, in each language: from the degrees screen's
// information menu to its three views and back.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include "support/param_names.h"
#include "support/shots.h"
#include "ui/guidance/program_fixture.h"
#include "ui/shared/bar_chart_view.h"
#include "ui/university/est_grados.h"

namespace velmora {
namespace {

using testing::SendMouse;

class EstGradosWalkTest : public ::testing::TestWithParam<int>, protected testing::Program {
  protected:
    EstGradosWalkTest() : Program(GetParam()) {}

    void SetUp() override {
        startUp({"Tform0", "TFormEstGra", "TForm7", "TForm1"});
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        degrees = qobject_cast<TForm1*>(screen("TForm1"));
        statistics = qobject_cast<TFormEstGra*>(screen("TFormEstGra"));
        menu = qobject_cast<Tform0*>(screen("Tform0"));
        ASSERT_TRUE(degrees && statistics && menu);
    }
    void shot(const char* view) {
        static const char* const kLanguages[] = {"cas", "catVal", "galego", "euskera"};
        testing::SaveShot(*statistics,
                          QStringLiteral("est_grados-%1-%2")
                              .arg(QLatin1String(kLanguages[GetParam()]), QLatin1String(view))
                              .toLatin1()
                              .constData());
    }
    QString text(int n) const { return testing::Text(*enlace, n); }

    TForm1* degrees = nullptr;
    TFormEstGra* statistics = nullptr;
    Tform0* menu = nullptr;
};

TEST_P(EstGradosWalkTest, FromTheInformationMenuToTheThreeViewsAndBack) {
    TFormEstGra& s = *statistics;
    testing::OpenDoor(*menu, MenuLabel::Carreras);
    ASSERT_TRUE(degrees->isVisible());
    SendMouse(degrees->BotMenuInfo, QEvent::MouseMove, {5, 5});
    ASSERT_TRUE(degrees->ButEstadisticas->isVisible());
    degrees->ButEstadisticas->click();
    ASSERT_TRUE(s.isVisible());
    EXPECT_FALSE(degrees->isVisible());
    EXPECT_EQ(s.LabelEst1->text(), text(408));
    EXPECT_FALSE(s.LabelMas->isVisible());
    shot("01-opened");

    s.ButtonMatricula->click();
    EXPECT_EQ(s.PaintEst->picture().texts.size(), 9u + 7u);  // nine labels, seven values
    EXPECT_TRUE(s.documents[0]->isVisible());
    EXPECT_FALSE(s.documents[3]->isVisible());
    EXPECT_FALSE(s.PanelInsercion->isVisible());
    shot("02-enrolment");

    s.ButtonDific->click();
    EXPECT_TRUE(s.documents[3]->isVisible());
    EXPECT_FALSE(s.documents[0]->isVisible());
    shot("03-performance");

    s.ButtonTrabajo->click();
    ASSERT_TRUE(s.PanelInsercion->isVisible());
    EXPECT_EQ(s.reja->rowCount(), 42);
    EXPECT_EQ(s.reja->columnCount(), 6);
    EXPECT_EQ(s.reja->item(22, 0)->text(), QStringLiteral("81"));
    EXPECT_FALSE(s.reja->item(3, 2)->toolTip().isEmpty());
    EXPECT_TRUE(s.RichSalidas->toPlainText().startsWith(QStringLiteral("SALIDAS PROFESIONALES")));
    EXPECT_TRUE(s.documents[5]->isVisible());
    shot("04-employment");

    s.documents[5]->click();
    EXPECT_EQ(opener.documents.size(), 1);
    SendMouse(s.LabelWeb, QEvent::MouseButtonRelease, {3, 3});
    EXPECT_EQ(opener.opened.size(), 1);

    s.ButtonRetroEsta->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(degrees->isVisible());
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, EstGradosWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
