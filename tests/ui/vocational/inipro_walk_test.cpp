// A student's walk through the basic screen on the bundled data, in each language: door 6 of the
// main menu, a group under the pointer and chosen, a family, a title's jobs under the pointer, the
// title with its communities, a community's centres and one without any, the title's texts and
// its report; by place through Catalonia's provinces to a locality's centres and their report;
// and back step by step to the main menu.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "core/vocational/level_listings.h"
#include "core/vocational/vocational_queries.h"
#include "support/param_names.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/shared/region_map_view.h"
#include "ui/vocational/inipro.h"
#include "ui/vocational/vocational_program.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::RowCentre;
using testing::SendMouse;

constexpr int kCatalonia = 9;

class IniproWalkTest : public ::testing::TestWithParam<int>, protected testing::VocationalProgram {
  protected:
    IniproWalkTest() : VocationalProgram(GetParam()) {}

    void SetUp() override {
        createScreens({"TFIniPro"});
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        s = qobject_cast<TFIniPro*>(screen("TFIniPro"));
        ASSERT_NE(s, nullptr);
    }
    void shot(const char* step) { testing::LanguageShot(*s, "inipro", GetParam(), step); }
    const LevelState& state() const { return s->model().state(); }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]); }
    void clickRow(QListWidget* list, int row) { ClickAt(list->viewport(), RowCentre(list, row)); }
    void pointAt(QListWidget* list, int row) {
        SendMouse(list->viewport(), QEvent::MouseMove, RowCentre(list, row));
    }
    void clickCommunity(int community) {
        const MarkerPoint p = enlace->regionMaps.markerPoint(community);
        ClickAt(s->mapa, {p.x, p.y});
    }

    TFIniPro* s = nullptr;
};

TEST_P(IniproWalkTest, FromDoorSixByTitleAndByPlaceAndBack) {
    const VocationalTables& t = enlace->vocational;

    // Door 6: the groups, their caption, the help and the way to the places.
    openDoor(MenuLabel::FPip);
    ASSERT_TRUE(s->isVisible());
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_EQ(s->ListSelFp->count(), 9);
    for (QWidget* shown :
         {static_cast<QWidget*>(s->ListSelFp), static_cast<QWidget*>(s->BotLug),
          static_cast<QWidget*>(s->BotRetrocederFP), static_cast<QWidget*>(s->PanelSelTit0),
          static_cast<QWidget*>(s->PanelAyuda)})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    EXPECT_TRUE(s->TimerAyu->isActive());
    s->PanelAyuda->finishTyping();
    pointAt(s->ListSelFp, 4);
    EXPECT_EQ(s->ListSelFp->currentRow(), 4);
    shot("01-groups");

    // The first group with families, a family with titles.
    int group = 0;
    while (t.basicFamilyGroups.group(group + 1).headers[0] == 0) ++group;
    clickRow(s->ListSelFp, group);
    ASSERT_TRUE(s->ListPreFam->isVisible());
    ASSERT_GT(s->ListPreFam->count(), 0);
    int family = 0;
    for (; family < s->ListPreFam->count(); ++family) {
        ClickAt(s->ListPreFam->viewport(), RowCentre(s->ListPreFam, family));
        if (s->ListTit->count() > 0) break;
    }
    ASSERT_GT(s->ListTit->count(), 0);
    EXPECT_TRUE(s->Labeltitulo->isVisible());
    pointAt(s->ListTit, 0);
    EXPECT_TRUE(s->ListFPExpli->isVisible());
    EXPECT_EQ(s->ListFPExpli->count(), 6);
    EXPECT_EQ(s->ListFPExpli->item(0)->text().trimmed(), text(271));
    shot("02-families-titles-preview");

    // The title: its communities light up; a lit one lists its centres, an unlit one beeps.
    clickRow(s->ListTit, 0);
    const int title = state().selectedTitle;
    ASSERT_GT(title, 0);
    EXPECT_TRUE(s->PanelEstrellas->isVisible());
    EXPECT_TRUE(s->TimerEstrellas->isActive());
    EXPECT_FALSE(s->ListSelFp->isVisible());
    EXPECT_FALSE(s->PanelAyuda->isVisible());
    for (int i = 0; i < 5; ++i) s->model().tick(LevelTimer::Estrellas);
    shot("03-title-stars");
    int lit = 0;
    int unlit = 0;
    for (int c = 1; c <= 19; ++c) {
        const bool teaches = state().titleCommunities[static_cast<size_t>(c)];
        if (teaches &&
            (lit == 0 || ProvincesOfCommunity(enlace->degreeTables.communities, c).count() > 1))
            lit = c;
        if (!teaches && unlit == 0) unlit = c;
    }
    ASSERT_GT(lit, 0);
    if (unlit > 0) {
        clickCommunity(unlit);
        EXPECT_EQ(sound.beeps, 1);
        EXPECT_EQ(s->reja->item(0, 0)->text(), text(292));
    }
    clickCommunity(lit);
    EXPECT_EQ(state().community, lit);
    ASSERT_TRUE(s->reja->isVisible());
    EXPECT_GT(s->reja->rowCount(), 0);
    EXPECT_NE(s->reja->item(0, 0)->text(), text(292));
    shot("04-community-centres");

    // The texts and the report of the community last clicked.
    s->BotRequisitos->click();
    EXPECT_TRUE(s->listSelFP->isVisible());
    EXPECT_EQ(s->PanelSelTit->text(), text(29));
    shot("05-requirements");
    s->BotTra->click();
    EXPECT_EQ(s->PanelSelTit->text(), text(199));
    shot("06-jobs");
    s->BotAsig->click();
    EXPECT_EQ(s->PanelSelTit->text(), text(312));
    shot("07-subjects");
    s->BotImprimir->click();
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& report = printing.reports.back();
    EXPECT_EQ(report.title, cp1252::Decode(TrimRight(t.titlesBasic[title])) + QStringLiteral(" (") +
                                text(263) + QStringLiteral(")"));
    EXPECT_EQ(s->listSelFP->count(), static_cast<int>(report.lines.size()));
    EXPECT_EQ(s->listSelFP->font().family(), QStringLiteral("Courier New"));
    shot("08-title-preview");

    // Back to the lists as they were, then out to the main menu.
    s->BotRetrocederFP->click();
    EXPECT_TRUE(s->ListSelFp->isVisible());
    EXPECT_TRUE(s->ListTit->isVisible());
    EXPECT_FALSE(s->PanelEstrellas->isVisible());
    EXPECT_FALSE(s->BotRequisitos->isVisible());
    shot("09-back-to-the-lists");
    s->BotRetrocederFP->click();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());

    // By place: Catalonia's provinces, the city of Barcelona, a locality's centres.
    openDoor(MenuLabel::FPip);
    ASSERT_TRUE(s->isVisible());
    EXPECT_TRUE(s->ListSelFp->isVisible());  // the start again
    s->BotLug->click();
    EXPECT_TRUE(s->PanelEstrellas->isVisible());
    EXPECT_FALSE(s->ListSelFp->isVisible());
    clickCommunity(kCatalonia);
    ASSERT_TRUE(s->ListSelLugFP->isVisible());
    EXPECT_EQ(s->ListSelLugFP->count(),
              ProvincesOfCommunity(enlace->degreeTables.communities, kCatalonia).count());
    shot("10-provinces");
    clickRow(s->ListSelLugFP, 1);
    EXPECT_EQ(state().provinceCode, "45");
    ASSERT_GT(s->ListSelLugFP->count(), 0);
    clickRow(s->ListSelLugFP, 0);
    ASSERT_GT(s->reja->rowCount(), 0);
    EXPECT_TRUE(s->reja->item(0, 0)->text().startsWith(QLatin1Char('-')));
    shot("11-locality-centres");
    s->BotImprimir->click();
    ASSERT_EQ(printing.reports.size(), 2u);
    EXPECT_TRUE(printing.reports.back().title.startsWith(text(289) + QStringLiteral(": ")));
    EXPECT_TRUE(printing.reports.back().title.endsWith(text(263)));

    // Back: the provinces, the map, then the main menu.
    s->BotRetrocederFP->click();
    EXPECT_TRUE(s->ListSelLugFP->isVisible());
    s->BotRetrocederFP->click();
    EXPECT_TRUE(s->PanelEstrellas->isVisible());
    s->BotRetrocederFP->click();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());
}

TEST_P(IniproWalkTest, ClosingTheWindowAsksNothingAndReturnsToTheMainMenu) {
    openDoor(MenuLabel::FPip);
    clickRow(s->ListSelFp, 0);
    s->close();
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(end.ended, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, IniproWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
