// A student's walk through the intermediate screen on the bundled data, in each language: door 5
// of the main menu and the helicopter intro; by title down to a title, its communities, a
// community's centres, its texts and its report; by place through Catalonia's comarcas and
// districts, Madrid's zones and a province's localities to a title of a centre; and back step by
// step to the main menu.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "core/vocational/level_listings.h"
#include "core/vocational/vocational_queries.h"
#include "ui/shared/region_map_view.h"
#include "ui/vocational/level_places_fixture.h"
#include "ui/vocational/medio_fixture.h"

namespace velmora {
namespace {

using C = LevelControl;
using T = HelicopterIntro::Timer;
using testing::ClickAt;
using testing::RowCentre;

constexpr int kCatalonia = 9;
constexpr int kMadrid = 13;
constexpr int kBarcelones = 37;

class MedioWalkTest : public ::testing::TestWithParam<int>, protected testing::IntermediateProgram {
  protected:
    MedioWalkTest() : IntermediateProgram(GetParam()) {}

    void SetUp() override {
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        createScreens();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
    }

    void shot(const char* step) {
        static const char* const kLanguages[] = {"cas", "catVal", "galego", "euskera"};
        testing::Shot(*medio, QStringLiteral("medio-%1-%2")
                                  .arg(QLatin1String(kLanguages[GetParam()]), QLatin1String(step)));
    }
    const LevelState& state() const { return medio->model().state(); }
    const VocationalTables& tables() const { return enlace->vocational; }
    bool shown(C control) const { return medio->control(control)->isVisible(); }

    void click(RegionMapView* map, RegionMap which, int region) {
        const QPoint at = pixelOf(which, region);
        ASSERT_GE(at.x(), 0) << "no pixel of region " << region;
        ClickAt(map, at);
    }
    void clickCommunity(int community) {
        const MarkerPoint p = enlace->regionMaps.markerPoint(community);
        ClickAt(medio->mapa, {p.x, p.y});  // pixel (x, y) is the cell beside the marker's
    }
    int gridRows() const { return medio->reja->rowCount(); }
    QString gridText(int row) const {
        const QTableWidgetItem* item = medio->reja->item(row, 0);
        return item ? item->text() : QString();
    }

    testing::LevelPlaces places{*enlace, Level::Intermediate};
};

TEST_P(MedioWalkTest, FromDoorFiveThroughEveryPathAndBackToTheMainMenu) {
    TForm3& s = *medio;
    IntermediateScreen& m = s.model();

    // Door 5 and the intro: the buttons fly in, the pilot speaks three times.
    openFromMainMenu();
    ASSERT_TRUE(s.isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(s.heli->isActive());
    EXPECT_FALSE(enlace->intermediateFirstOpening);
    for (int i = 0; i < 20; ++i) m.tick(T::Heli);
    shot("01-intro-flying");
    for (int i = 0; i < 200 && (s.heli->isActive() || s.piloto->isActive()); ++i)
        m.tick(s.piloto->isActive() ? T::Piloto : T::Heli);
    EXPECT_FALSE(s.heli->isActive());
    EXPECT_EQ(m.intro().picture().bubbles.size(), 3u);
    EXPECT_TRUE(s.botTit2->isVisible() && s.botLug2->isVisible() && s.botSalir->isVisible());
    EXPECT_EQ(s.botSalir->pos(), HelicopterIntro::Place(HelicopterIntro::Exit));
    shot("02-start");

    // By title: the groups, a group's families, a family's titles.
    s.botTit2->click();
    ASSERT_TRUE(s.ListPreFam->isVisible());
    EXPECT_EQ(s.ListPreFam->count(), 9);
    EXPECT_EQ(s.ListPreFam->height(), 301);
    EXPECT_EQ(s.PanelSelTit->text(), cp1252::Decode(enlace->texts[595]));
    shot("03-groups");
    ClickAt(s.ListPreFam->viewport(), RowCentre(s.ListPreFam, 1));
    ASSERT_GE(s.ListPreFam->count(), 2);
    EXPECT_EQ(s.ListPreFam->height(), 169);
    shot("04-families");
    int family = 1;
    while (family < s.ListPreFam->count()) {
        ClickAt(s.ListPreFam->viewport(), RowCentre(s.ListPreFam, family));
        if (s.ListTit->count() > 0) break;
        ++family;
    }
    ASSERT_GT(s.ListTit->count(), 0);
    EXPECT_TRUE(s.Labeltitulo->isVisible());
    shot("05-titles");

    // A title: its communities light up with pulsing stars.
    ClickAt(s.ListTit->viewport(), RowCentre(s.ListTit, 0));
    const int title = state().selectedTitle;
    ASSERT_GT(title, 0);
    EXPECT_TRUE(s.PanelEstrellas->isVisible());
    EXPECT_TRUE(s.TimerEstrellas->isActive());
    EXPECT_FALSE(s.ListPreFam->isVisible());
    for (int i = 0; i < 5; ++i) m.tick(LevelTimer::Estrellas);
    shot("06-title-stars");

    // A lit community of several provinces: its centres under province headings.
    int community = 0;
    for (int c = 1; c <= 19; ++c) {
        if (!state().titleCommunities[static_cast<size_t>(c)]) continue;
        community = c;
        if (ProvincesOfCommunity(enlace->degreeTables.communities, c).count() > 1) break;
    }
    ASSERT_GT(community, 0);
    clickCommunity(community);
    EXPECT_EQ(state().community, community);
    ASSERT_TRUE(s.reja->isVisible());
    ASSERT_GT(gridRows(), 0);
    if (state().provinces.count() > 1) {
        EXPECT_TRUE(gridText(0).startsWith(QStringLiteral("- ")));
    }
    shot("07-community-centres");

    // Requirements, jobs, subjects, the report's preview.
    s.BotRequisitos->click();
    EXPECT_TRUE(s.listSelFP->isVisible());
    EXPECT_GT(s.listSelFP->count(), 0);
    shot("08-requirements");
    s.BotPuesto->click();
    EXPECT_EQ(s.listSelFP->count(), 5);
    EXPECT_EQ(s.PanelSelTit->text(), cp1252::Decode(enlace->texts[199]));
    shot("09-jobs");
    s.botAsig->click();
    EXPECT_EQ(s.PanelSelTit->text(), cp1252::Decode(enlace->texts[312]));
    shot("10-subjects");
    s.BotImprimir->click();
    if (state().printPicking) {  // too long for every community: two of them
        EXPECT_TRUE(s.PanelImp->isVisible());
        clickCommunity(community);
        s.BotAceptar->click();
    }
    ASSERT_EQ(printing.reports.size(), 1u);
    EXPECT_TRUE(s.listSelFP->isVisible());
    EXPECT_EQ(s.listSelFP->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(s.listSelFP->count(), static_cast<int>(printing.reports.back().lines.size()));
    shot("11-title-preview");

    // Back to the title choice, then to the start.
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.ListPreFam->isVisible());
    EXPECT_TRUE(s.ListTit->isVisible());
    EXPECT_FALSE(s.PanelEstrellas->isVisible());
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.botLug2->isVisible());
    EXPECT_FALSE(s.ListPreFam->isVisible());

    // By place: Catalonia's comarcas and districts.
    s.botLug2->click();
    EXPECT_TRUE(s.PanelEstrellas->isVisible());
    shot("12-place-map");
    clickCommunity(kCatalonia);
    ASSERT_TRUE(s.mapac->isVisible());
    EXPECT_FALSE(s.PanelEstrellas->isVisible());
    const int comarca = places.comarca();
    ASSERT_GT(comarca, 0);
    click(s.mapac, RegionMap::C, comarca);
    ASSERT_GT(gridRows(), 0);
    EXPECT_TRUE(gridText(0).startsWith(QLatin1Char('-')));
    EXPECT_EQ(
        s.PanelCarSel->text(),
        cp1252::Decode(TrimRight(tables().comarcas.entries[static_cast<size_t>(comarca)].name)));
    shot("13-comarca");
    click(s.mapac, RegionMap::C, kBarcelones);
    ASSERT_TRUE(s.listBarcelona->isVisible());
    shot("14-districts");
    const int district = places.district();
    ASSERT_GE(district, 0);
    ClickAt(s.listBarcelona->viewport(), RowCentre(s.listBarcelona, district));
    EXPECT_GT(gridRows(), 0);
    shot("15-district-centres");
    s.BotCerrar->click();
    EXPECT_FALSE(s.listBarcelona->isVisible());

    // Madrid's zones.
    s.BotRetrocederFP->click();
    ASSERT_TRUE(s.PanelEstrellas->isVisible());
    clickCommunity(kMadrid);
    ASSERT_TRUE(s.mapam->isVisible());
    const int zone = places.zone();
    ASSERT_GT(zone, 0);
    click(s.mapam, RegionMap::M, zone);
    EXPECT_GT(gridRows(), 0);
    EXPECT_EQ(s.PanelCarSel->text(), QStringLiteral("Madrid"));
    shot("16-zone");

    // A community of several provinces: a province's localities, then a locality's centres.
    s.BotRetrocederFP->click();
    // The province with the most localities, outside Catalonia and Madrid.
    const auto [many, province] = places.provinceWithMostLocalities();
    ASSERT_GT(many, 0);
    clickCommunity(many);
    ASSERT_TRUE(s.ListSelLugFP->isVisible());
    shot("17-provinces");
    ClickAt(s.ListSelLugFP->viewport(), RowCentre(s.ListSelLugFP, province));
    EXPECT_TRUE(state().localityMode);
    EXPECT_EQ(gridRows(), 0);
    const int localities = s.ListSelLugFP->count();
    ASSERT_GT(localities, 2);
    shot("18-localities");
    const int locality = localities - 1;
    ClickAt(s.ListSelLugFP->viewport(), RowCentre(s.ListSelLugFP, locality));
    ASSERT_GT(gridRows(), 0);
    // The locality's first centre is the top row, as far as the grid can scroll.
    const int start = state().localityStarts.back();
    const std::string& line =
        tables().centreList(Level::Intermediate, ListOfCode(state().provinceCode))[start];
    int startRow = -1;
    for (int r = 0; r < gridRows(); ++r)
        if (gridText(r) == cp1252::Decode("-" + line.substr(1, 44))) startRow = r;
    EXPECT_GT(startRow, 0);
    EXPECT_EQ(s.reja->verticalScrollBar()->value(),
              std::min(startRow, s.reja->verticalScrollBar()->maximum()));
    shot("19-locality-centres");

    // Every FP title: the grid waits for a locality again.
    s.BotTodoFP->click();
    EXPECT_EQ(gridRows(), 0);
    EXPECT_EQ(s.BotTodoFP->text(), cp1252::Decode(enlace->texts[390]));
    ClickAt(s.ListSelLugFP->viewport(), RowCentre(s.ListSelLugFP, locality));
    ASSERT_GT(gridRows(), 0);
    shot("20-all-titles");

    // A double click on a GM title row opens that title.
    const int picked = testing::DoubleClickFirstTitleRow(s.reja, state().gridTitles);
    ASSERT_GT(picked, 0);
    EXPECT_EQ(state().selectedTitle, picked);
    EXPECT_TRUE(state().byTitle);
    EXPECT_TRUE(s.PanelEstrellas->isVisible());
    EXPECT_TRUE(s.BotPuesto->isVisible());
    shot("21-picked-title");

    // Back step by step to the main menu.
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.ListPreFam->isVisible());
    s.BotRetrocederFP->click();
    EXPECT_TRUE(s.botSalir->isVisible());
    s.botSalir->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(menu->isVisible());
}

std::string LanguageName(const ::testing::TestParamInfo<int>& language) {
    static const char* const kNames[] = {"Castilian", "Catalan", "Galician", "Basque"};
    return kNames[language.param];
}

INSTANTIATE_TEST_SUITE_P(Languages, MedioWalkTest, ::testing::Values(0, 1, 2, 3), LanguageName);

}  // namespace
}  // namespace velmora
