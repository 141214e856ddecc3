// TForm3's widgets over its model on the bundled data: the controls by name, the map's name
// panel, picking the communities of a long report, and the close question.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "core/vocational/vocational_queries.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/shadow_label.h"
#include "ui/vocational/medio_fixture.h"

namespace velmora {
namespace {

using C = LevelControl;
using testing::ClickAt;
using testing::RowCentre;
using testing::SendMouse;

class TForm3Test : public ::testing::Test, protected testing::IntermediateProgram {
  protected:
    void SetUp() override {
        createScreens();
        ASSERT_FALSE(enlace->stopFlag);
        enlace->intermediateFirstOpening = false;
        medio->show();
    }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]); }
};

TEST_F(TForm3Test, EveryControlTheModelDrivesExistsUnderItsNameAndShowsItsCaption) {
    for (int i = 0; i < kLevelControlCount; ++i)
        EXPECT_NE(medio->control(static_cast<C>(i)), nullptr)
            << IntermediateName(static_cast<C>(i));
    // The main menu starts the intro by the timer's name.
    EXPECT_EQ(medio->findChild<QTimer*>(QStringLiteral("heli")), medio->heli);
    EXPECT_EQ(medio->windowTitle(), text(338) + QStringLiteral(" IES Miralbueno"));
    EXPECT_EQ(medio->botTit2->text(), text(190));
    EXPECT_EQ(medio->botLug2->text(), text(276));
    EXPECT_EQ(medio->BotTodoFP->text(), text(391));
    EXPECT_EQ(medio->LabelSelCom1->text(), text(558) + QLatin1Char(' ') + text(559));
    EXPECT_EQ(medio->LabelAno->text(), text(175) + QStringLiteral("  2020/21"));
    EXPECT_EQ(medio->listBarcelona->count(),
              enlace->vocational.comarcas.count - ComarcaTable::kComarcas);
    EXPECT_TRUE(medio->botSalir->isVisible());
    EXPECT_EQ(medio->mapam->pos(), medio->mapac->pos());
}

TEST_F(TForm3Test, TheMapNamesTheCommunityUnderThePointerJustBelowIt) {
    medio->botLug2->click();
    const MarkerPoint p = enlace->regionMaps.markerPoint(13);
    SendMouse(medio->mapa, QEvent::MouseMove, {p.x, p.y});
    ASSERT_TRUE(medio->PanelMapa->isVisible());
    EXPECT_EQ(medio->PanelMapa->text(), QStringLiteral("Madrid"));
    EXPECT_EQ(medio->PanelMapa->pos(), QPoint(p.x + 1, p.y + 1 + 220));
    // The map's top lies 200 pixels down the screen: the panel comes up just below the pointer.
    EXPECT_EQ(medio->mapa->mapTo(medio.get(), QPoint(0, 0)).y(), 200);
    EXPECT_EQ(medio->mapa->cursor().shape(), Qt::PointingHandCursor);
    testing::Shot(*medio, QStringLiteral("medio-hover"));
    SendMouse(medio.get(), QEvent::MouseMove, {400, 600});
    EXPECT_FALSE(medio->PanelMapa->isVisible());
}

// The bundled data with GM title 2 taught by every centre: its report is far too long.
class LongReportTest : public ::testing::Test, protected testing::IntermediateProgram {
  protected:
    LongReportTest()
        : IntermediateProgram(0, [](testing::BundledCopy& copy) {
              QFile offers(copy.file(QStringLiteral("datluggmphp")));
              ASSERT_TRUE(offers.open(QIODevice::ReadOnly));
              const int lines = static_cast<int>(offers.readAll().count('\n'));
              offers.close();
              copy.writeLines(QStringLiteral("datluggmphp"),
                              std::vector<std::string>(static_cast<size_t>(lines), "1;2"));
          }) {}
    void SetUp() override {
        createScreens();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        enlace->intermediateFirstOpening = false;
        medio->show();
    }
};

TEST_F(LongReportTest, WaitsForTheCommunitiesPickedOnTheMap) {
    TForm3& s = *medio;
    s.botTit2->click();
    s.model().ChooseTitle(2, LevelScreen::TitleSource::Grid);
    s.BotImprimir->click();
    EXPECT_TRUE(printing.reports.empty());
    EXPECT_TRUE(s.PanelImp->isVisible());
    EXPECT_TRUE(s.PanelEstrellas->isVisible());
    for (int c : {13, 3, 13}) {
        const MarkerPoint p = enlace->regionMaps.markerPoint(c);
        ClickAt(s.mapa, {p.x, p.y});
    }
    ASSERT_EQ(s.ListImp->count(), 2);
    EXPECT_EQ(s.ListImp->item(1)->text(), QStringLiteral("Asturias"));
    testing::Shot(s, QStringLiteral("medio-picking"));
    ClickAt(s.ListImp->viewport(), RowCentre(s.ListImp, 0));  // Madrid goes
    ASSERT_EQ(s.ListImp->count(), 1);
    s.BotAceptar->click();
    EXPECT_FALSE(s.PanelImp->isVisible());
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(s.model().state().printCommunities, std::vector<int>{3});
    EXPECT_EQ(s.listSelFP->count(), static_cast<int>(printing.reports.back().lines.size()));
    testing::Shot(s, QStringLiteral("medio-picked-preview"));
}

TEST_F(TForm3Test, ClosingTheWindowAsksFirst) {
    notice.answer = false;
    QCloseEvent event;
    QCoreApplication::sendEvent(medio.get(), &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_EQ(notice.asked, QStringList{text(49)});
    EXPECT_EQ(end.ended, 0);
    notice.answer = true;
    QCloseEvent again;
    QCoreApplication::sendEvent(medio.get(), &again);
    EXPECT_TRUE(again.isAccepted());
    EXPECT_EQ(end.ended, 1);
}

}  // namespace
}  // namespace velmora
