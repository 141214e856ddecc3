// A student's walk through the higher-level screen on the bundled data, in each language: door 3
// of the main menu; by title down to a title and every entry of its menu, the three statistics
// charts among them; by place through a
// Catalan comarca, a Madrid zone and a province's localities with every FP title to a title of a
// centre; and back step by step to the main menu.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/guidance/program_fixture.h"
#include "ui/shared/bar_chart_view.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/shadow_label.h"
#include "ui/university/estadistica.h"
#include "ui/vocational/level_places_fixture.h"
#include "ui/vocational/superior.h"

namespace velmora {
namespace {

using H = HigherControl;
using testing::ClickAt;
using testing::LevelPlaces;
using testing::RowCentre;

class SuperiorWalkTest : public ::testing::TestWithParam<int>, protected testing::Program {
  protected:
    SuperiorWalkTest() : Program(GetParam()) {}

    void SetUp() override {
        startUp({"Tform0", "TEstadisticas", "TForm1", "TForm8"});
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        form = qobject_cast<TForm8*>(screen("TForm8"));
        menu = qobject_cast<Tform0*>(screen("Tform0"));
        statistics = qobject_cast<TEstadisticas*>(screen("TEstadisticas"));
        ASSERT_TRUE(form && menu && statistics);
    }

    void shot(const char* step) {
        static const char* const kLanguages[] = {"cas", "catVal", "galego", "euskera"};
        testing::SaveShot(*form,
                          QStringLiteral("superior-%1-%2")
                              .arg(QLatin1String(kLanguages[GetParam()]), QLatin1String(step))
                              .toLatin1()
                              .constData());
    }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]); }
    const LevelState& state() const { return form->model().state(); }
    QPushButton* entry(H which) const { return qobject_cast<QPushButton*>(form->control(which)); }
    void click(RegionMapView* map, RegionMap which, int region) {
        const QPoint at = testing::PixelOf(enlace->regionMaps, which, region);
        ASSERT_GE(at.x(), 0) << "no pixel of region " << region;
        ClickAt(map, at);
    }
    void clickCommunity(int community) {
        const MarkerPoint p = enlace->regionMaps.markerPoint(community);
        ClickAt(form->mapa, {p.x, p.y});
    }
    void clickRow(QListWidget* list, int row) { ClickAt(list->viewport(), RowCentre(list, row)); }
    int gridRows() const { return form->reja->rowCount(); }

    void statisticsShot(const char* chart) {
        static const char* const kLanguages[] = {"cas", "catVal", "galego", "euskera"};
        testing::SaveShot(*statistics,
                          QStringLiteral("estadistica-%1-%2")
                              .arg(QLatin1String(kLanguages[GetParam()]), QLatin1String(chart))
                              .toLatin1()
                              .constData());
    }

    TForm8* form = nullptr;
    Tform0* menu = nullptr;
    TEstadisticas* statistics = nullptr;
    LevelPlaces places{*enlace, Level::Higher};
};

TEST_P(SuperiorWalkTest, FromDoorThreeThroughEveryPathAndBackToTheMainMenu) {
    TForm8& s = *form;

    // Door 3: the heading and the start menu.
    testing::OpenDoor(*menu, MenuLabel::FpS);
    ASSERT_TRUE(s.isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(s.LabelFP1->isVisible());
    EXPECT_TRUE(s.PanelFP->isVisible());
    EXPECT_EQ(s.LabelFP1->text(), text(513));
    EXPECT_EQ(s.MenuFP1->text(), text(316));
    shot("01-start");

    // By title: the groups, a group's families, a family's titles.
    s.MenuFP1->click();
    ASSERT_TRUE(s.ListPreFam->isVisible());
    EXPECT_FALSE(s.PanelFP->isVisible());
    EXPECT_EQ(s.ListPreFam->count(), 9);
    shot("02-groups");
    clickRow(s.ListPreFam, 1);
    EXPECT_EQ(s.ListPreFam->height(), 202);
    int family = 1;
    while (family < s.ListPreFam->count()) {
        clickRow(s.ListPreFam, family);
        if (s.ListTit->count() > 0) break;
        ++family;
    }
    ASSERT_GT(s.ListTit->count(), 0);
    EXPECT_EQ(s.ListTit->objectName(), QStringLiteral("ListTitFP"));
    shot("03-titles");

    // A title: its menu of seven entries.
    clickRow(s.ListTit, 0);
    const int title = state().selectedTitle;
    ASSERT_GT(title, 0);
    ASSERT_TRUE(s.PanelFpTit->isVisible());
    EXPECT_FALSE(s.PanelEstrellas->isVisible());
    EXPECT_TRUE(s.TimerParpadeo->isActive());
    EXPECT_EQ(s.titleMenu[1]->text(), text(277));
    shot("04-title-menu");

    entry(H::MenuFpTit2)->click();
    EXPECT_TRUE(s.listSelFP->isVisible());
    EXPECT_GT(s.listSelFP->count(), 0);
    EXPECT_EQ(s.PanelSelTit->text(), text(277));
    shot("05-requirements");
    entry(H::MenuFpTit3)->click();
    EXPECT_EQ(s.PanelSelTit->text(), text(312));
    EXPECT_GE(s.listSelFP->count(), 14);
    shot("06-subjects");
    entry(H::MenuFpTit4)->click();
    EXPECT_EQ(s.listSelFP->count(), 5);
    EXPECT_EQ(s.PanelSelTit->text(), text(717));
    shot("07-access");
    // The entries pressed so far are purple and italic.
    EXPECT_TRUE(entry(H::MenuFpTit2)->font().italic());
    EXPECT_FALSE(entry(H::MenuFpTit1)->font().italic());
    EXPECT_EQ(entry(H::MenuFpTit2)->palette().color(QPalette::ButtonText), QColor(128, 0, 128));

    entry(H::MenuFpTit5)->click();
    if (state().printPicking) {  // too long for every community: one of them
        EXPECT_TRUE(s.PanelImp->isVisible());
        for (int c = 1; c <= 19; ++c)
            if (state().titleCommunities[static_cast<size_t>(c)]) {
                clickCommunity(c);
                break;
            }
        s.BotAceptar->click();
        EXPECT_TRUE(s.PanelFpTit->isVisible());
    }
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_EQ(s.listSelFP->font().family(), QStringLiteral("Courier New"));
    shot("08-report-preview");

    // Where to study: the stars, a community's centres, back to the title's menu.
    entry(H::MenuFpTit1)->click();
    ASSERT_TRUE(s.PanelEstrellas->isVisible());
    EXPECT_TRUE(s.TimerEstrellas->isActive());
    EXPECT_FALSE(s.PanelFpTit->isVisible());
    for (int i = 0; i < 5; ++i) s.model().tick(LevelTimer::Estrellas);
    int community = 0;
    for (int c = 1; c <= 19; ++c)
        if (state().titleCommunities[static_cast<size_t>(c)]) community = c;
    ASSERT_GT(community, 0);
    clickCommunity(community);
    EXPECT_GT(gridRows(), 0);
    EXPECT_EQ(s.PanelSelTit->text(), text(323));
    shot("09-where-to-study");
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.PanelFpTit->isVisible());
    EXPECT_FALSE(s.PanelEstrellas->isVisible());

    // Statistics: the three buttons, each a chart centred on the title or its family, the
    // current row's bar grown; back to the title's menu each time.
    entry(H::MenuFPTitEst)->click();
    EXPECT_TRUE(s.PanelEstadistica->isVisible());
    EXPECT_EQ(s.ButtonEstad1->text(), text(228));
    shot("10-statistics-buttons");
    const int titleFamily = enlace->vocational.factsOfGS(title).family;
    ASSERT_GT(titleFamily, 0);
    struct Chart {
        QPushButton* button;
        const char* name;
        int scrollBar;
        int centredOn;
        int offset;
        int last;
    };
    const int titles = statistics->model().titles().count;
    for (const Chart& c : {Chart{s.ButtonEstad1, "titles", 0, title, 8, titles - 14},
                           Chart{s.ButtonEstad2, "jobs", 0, titleFamily, 8, 12},
                           Chart{s.ButtonEstad3, "students-and-jobs", 1, titleFamily, 5, 17}}) {
        SCOPED_TRACE(c.name);
        if (!s.PanelEstadistica->isVisible()) entry(H::MenuFPTitEst)->click();
        c.button->click();
        ASSERT_TRUE(statistics->isVisible());
        EXPECT_FALSE(s.isVisible());
        const QScrollBar* bar = c.scrollBar == 0 ? statistics->ScrollBar1 : statistics->ScrollBar2;
        EXPECT_EQ(bar->value(), std::clamp(c.centredOn - c.offset, 1, c.last));
        EXPECT_EQ(bar->maximum(), c.last);
        VocationalStatistics& m = statistics->model();
        const auto timer = c.scrollBar == 0 ? VocationalStatistics::Timer::Timer1
                                            : VocationalStatistics::Timer::Timer2;
        for (int i = 0; i < 100 && m.view().timers[static_cast<size_t>(timer)]; ++i) m.tick(timer);
        EXPECT_FALSE(statistics->Timer1->isActive() || statistics->Timer2->isActive());
        EXPECT_FALSE(
            (c.scrollBar == 0 ? statistics->chart1 : statistics->chart2)->picture().boxes.empty());
        statisticsShot(c.name);
        statistics->ButtonRetroEsta->click();
        EXPECT_FALSE(statistics->isVisible());
        ASSERT_TRUE(s.isVisible());
        EXPECT_TRUE(s.PanelFpTit->isVisible());
    }

    // Another title.
    entry(H::MenuFpTit6)->click();
    EXPECT_TRUE(s.ListTit->isVisible());
    EXPECT_FALSE(s.PanelFpTit->isVisible());
    clickRow(s.ListTit, s.ListTit->count() - 1);
    EXPECT_TRUE(s.PanelFpTit->isVisible());
    for (QPushButton* pressed : s.titleMenu) EXPECT_TRUE(pressed->font().italic());

    // Back to the start menu.
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.PanelFP->isVisible());
    EXPECT_FALSE(s.PanelFpTit->isVisible());

    // By place: a Catalan comarca.
    s.MenuFP2->click();
    ASSERT_TRUE(s.PanelEstrellas->isVisible());
    shot("11-place-map");
    clickCommunity(LevelPlaces::kCatalonia);
    ASSERT_TRUE(s.mapac->isVisible());
    EXPECT_TRUE(s.BotInternetC->isVisible());
    const int comarca = places.comarca();
    ASSERT_GT(comarca, 0);
    click(s.mapac, RegionMap::C, comarca);
    ASSERT_GT(gridRows(), 0);
    EXPECT_TRUE(s.reja->item(0, 0)->text().startsWith(QLatin1Char('-')));
    shot("12-comarca");
    s.BotInternetC->click();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(opener.opened.front().startsWith(QStringLiteral("http://")));

    // A Madrid zone.
    s.BotRetrocederFP->click();
    ASSERT_TRUE(s.PanelEstrellas->isVisible());
    EXPECT_FALSE(s.BotInternetC->isVisible());
    clickCommunity(LevelPlaces::kMadrid);
    ASSERT_TRUE(s.mapam->isVisible());
    const int zone = places.zone();
    ASSERT_GT(zone, 0);
    click(s.mapam, RegionMap::M, zone);
    EXPECT_GT(gridRows(), 0);
    EXPECT_EQ(s.PanelCarSel->text(), QStringLiteral("Madrid"));
    shot("13-zone");

    // A province and a locality, then every FP title.
    s.BotRetrocederFP->click();
    const LevelPlaces::Province province = places.provinceWithMostLocalities(1);
    ASSERT_GT(province.community, 0);
    clickCommunity(province.community);
    ASSERT_TRUE(s.ListSelLugFP->isVisible());
    EXPECT_EQ(gridRows(), 0);  // nothing opens by itself
    clickRow(s.ListSelLugFP, province.position);
    ASSERT_TRUE(state().localityMode);
    const int localities = s.ListSelLugFP->count();
    ASSERT_GT(localities, 1);
    shot("14-localities");
    clickRow(s.ListSelLugFP, localities - 1);
    ASSERT_GT(gridRows(), 0);
    EXPECT_EQ(s.PanelSelTit->text(), text(190) + QStringLiteral(" - ") + text(392));
    shot("15-locality-centres");
    s.BotTodoFP->click();
    EXPECT_EQ(s.BotTodoFP->objectName(), QStringLiteral("botTodaFP"));
    EXPECT_EQ(gridRows(), 0);
    clickRow(s.ListSelLugFP, s.ListSelLugFP->count() - 1);
    ASSERT_GT(gridRows(), 0);
    shot("16-all-titles");

    // A double click on a GS title row opens that title's menu.
    const int picked = testing::DoubleClickFirstTitleRow(s.reja, state().gridTitles);
    ASSERT_GT(picked, 0);
    EXPECT_EQ(state().selectedTitle, picked);
    EXPECT_TRUE(s.PanelFpTit->isVisible());
    EXPECT_FALSE(s.BotInternetC->isVisible());
    shot("17-picked-title");

    // Back to the start menu and out to the main menu.
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.PanelFP->isVisible());
    s.menuFP3->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(menu->isVisible());

    // Door 3 again: the start menu is back.
    testing::OpenDoor(*menu, MenuLabel::FpS);
    EXPECT_TRUE(s.PanelFP->isVisible());
    EXPECT_TRUE(s.model().ownView().isVisible(H::PanelFP));
    EXPECT_TRUE(s.model().view().isVisible(LevelControl::LabelFP1));
}

INSTANTIATE_TEST_SUITE_P(Languages, SuperiorWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
