// A student's walk through the degrees screen on the bundled data: from the main menu to a
// degree's places by community with the star map, a click on the star map, the universities
// map down to a university's degrees, and back to the main menu one step at a time.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/university/degrees_screen.h"
#include "support/shots.h"
#include "ui/shared/region_map_view.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DegreesProgram;
using testing::RowCentre;
using testing::SendMouse;
using testing::Text;

// A picture of what the widget shows once its pending layout work is done.
void SaveShot(QWidget& widget, const char* name) {
    QCoreApplication::processEvents();
    testing::SaveShot(widget, name);
}

// The bundled data's first degree of the branch of engineering and architecture.
constexpr int kArchitecture = 5;
constexpr int kEngineeringRow = 3;  // its row in the branch list
constexpr int kMadrid = 13;

class DegreesWalkTest : public ::testing::Test, protected DegreesProgram {
  protected:
    void SetUp() override {
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        createScreens();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
    }

    // The main menu's university door: the figure climbs, the door grows, the screen opens.
    void openFromMainMenu() { testing::OpenDoor(*menu, MenuLabel::Carreras); }

    int rowOfDegree(int degree) const {
        const auto& rows = degrees->model().state().rowDegree;
        const auto found = std::find(rows.begin(), rows.end(), degree);
        return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    }

    QString gridText(int row, int column) const {
        const QTableWidgetItem* item = degrees->GridNotas->item(row, column);
        return item ? item->text() : QString();
    }
};

TEST_F(DegreesWalkTest, FromTheMainMenuToADegreeAndAUniversityAndBack) {
    TForm1& s = *degrees;
    openFromMainMenu();
    ASSERT_EQ(routes.opened, QStringList{QStringLiteral("TForm1")});
    ASSERT_TRUE(s.isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(s.PanelMenu->isVisible());
    EXPECT_EQ(s.BotMenuGrados->text(), Text(*enlace, 523));
    SaveShot(s, "degrees-01-menu");

    // The branch list: six rows of 40 pixels.
    s.BotMenuGrados->click();
    ASSERT_TRUE(s.Listramas->isVisible());
    EXPECT_FALSE(s.PanelMenu->isVisible());
    ASSERT_EQ(s.Listramas->count(), 6);
    EXPECT_EQ(s.Listramas->item(kEngineeringRow)->text(), Text(*enlace, 518));
    EXPECT_EQ(s.Listramas->visualItemRect(s.Listramas->item(0)).height(), 40);
    EXPECT_EQ(s.PanelSel->y(), 130 + 60);  // the detail area moves down for the browser
    SaveShot(s, "degrees-02-branches");

    // A branch: its degrees under their group headings.
    ClickAt(s.Listramas->viewport(), RowCentre(s.Listramas, kEngineeringRow));
    ASSERT_TRUE(s.listgrados->isVisible());
    EXPECT_FALSE(s.Listramas->isVisible());
    const int row = rowOfDegree(kArchitecture);
    ASSERT_GE(row, 1);
    EXPECT_EQ(rowOfDegree(0), 0);  // a group heading comes first
    EXPECT_TRUE(s.listgrados->item(row, 0)->text().startsWith(QStringLiteral("Arquitectura")));
    EXPECT_EQ(s.listgrados->item(row, 1)->text(), QStringLiteral("+"));  // it has other titles
    SaveShot(s, "degrees-03-degrees-of-a-branch");

    // Picking the degree lists its places by community with their marks and lights the
    // communities on the star map.
    SendMouse(s.listgrados->viewport(), QEvent::MouseMove, RowCentre(s.listgrados, row));
    SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease, RowCentre(s.listgrados, row));
    ASSERT_TRUE(s.GridNotas->isVisible());
    EXPECT_TRUE(s.PanelSelTit->text().startsWith(QStringLiteral("Arquitectura")));
    EXPECT_TRUE(s.BotUni->isVisible());
    EXPECT_TRUE(gridText(0, 0).endsWith(Text(*enlace, 593)));
    EXPECT_EQ(gridText(1, 1).trimmed(), QStringLiteral("Not."));
    const DegreesState& state = s.model().state();
    const int offerings = enlace->degreeTables.offeringCount(kArchitecture);
    int communities = 0;
    for (int c = 1; c <= 19; ++c) {
        const bool offered = state.communityFirstRow[static_cast<size_t>(c)] > 0;
        EXPECT_EQ(enlace->regionMaps.markerFlags[static_cast<size_t>(c)], offered) << c;
        if (!offered) continue;
        ++communities;
        const int heading = state.communityFirstRow[static_cast<size_t>(c)];
        EXPECT_TRUE(gridText(heading, 0).startsWith(QStringLiteral("-"))) << c;
        // The row below a heading is a place with its mark: "12,3", " 6,5" or "  - ".
        const QString mark = gridText(heading + 1, 1);
        EXPECT_EQ(mark.size(), 5) << mark.toStdString();
        EXPECT_TRUE(mark.contains(QLatin1Char(',')) || mark.endsWith(QStringLiteral("- ")))
            << mark.toStdString();
    }
    EXPECT_GE(communities, 2);
    EXPECT_EQ(s.GridNotas->rowCount(), 2 + communities + offerings);
    ASSERT_TRUE(stars->isVisible());
    EXPECT_TRUE(stars->TimerEstrellas->isActive());
    SaveShot(s, "degrees-04-where-to-study");

    // The stars pulse on the offered communities.
    int lit = 0;
    for (int c = 1; c <= 19; ++c)
        if (enlace->regionMaps.markerFlags[static_cast<size_t>(c)]) lit = c;
    const MarkerPoint star = enlace->regionMaps.markerPoint(lit);
    const QRgb before = stars->MapaEstrellas->image().pixel(star.x, star.y);
    QTest::qWait(3 * 200 + 100);
    EXPECT_NE(stars->MapaEstrellas->image().pixel(star.x, star.y), before);
    SaveShot(*stars, "degrees-05-star-map");

    // A click on a community of the star map brings its rows to the top of the grid. The one
    // chosen lies low enough in the grid for the grid to scroll that far.
    int target = 0;
    for (int c = 1; c <= 19; ++c) {
        const int first = state.communityFirstRow[static_cast<size_t>(c)];
        if (first > 0 && first < s.GridNotas->verticalScrollBar()->maximum()) target = c;
    }
    ASSERT_GT(target, 0);
    const MarkerPoint point = enlace->regionMaps.markerPoint(target);
    const QPoint pixel(point.x - 1, point.y - 1);  // cell (x, y) is pixel (x - 1, y - 1)
    SendMouse(stars->MapaEstrellas, QEvent::MouseMove, pixel);
    EXPECT_TRUE(stars->PanelMapa->isVisible());
    EXPECT_FALSE(stars->PanelMapa->text().isEmpty());
    SendMouse(stars->MapaEstrellas, QEvent::MouseButtonPress, pixel);
    SendMouse(stars->MapaEstrellas, QEvent::MouseButtonRelease, pixel);
    EXPECT_EQ(s.GridNotas->rowAt(0), state.communityFirstRow[static_cast<size_t>(target)]);
    EXPECT_TRUE(gridText(s.GridNotas->rowAt(0), 0).startsWith(QStringLiteral("-")));
    SaveShot(s, "degrees-06-grid-scrolled-by-the-star-map");

    // Back to the branch list, then to the menu; the star map goes with the list.
    s.ButtonRetroN->click();
    EXPECT_TRUE(s.Listramas->isVisible());
    EXPECT_FALSE(s.listgrados->isVisible());
    s.ButtonRetroN->click();
    EXPECT_FALSE(s.PanelTree->isVisible());
    EXPECT_FALSE(stars->isVisible());
    EXPECT_FALSE(stars->TimerEstrellas->isActive());
    EXPECT_TRUE(s.PanelMenu->isVisible());
    SaveShot(s, "degrees-07-back-to-the-menu");

    // The universities map.
    s.BotMenuUni->click();
    ASSERT_TRUE(s.mapa->isVisible());
    EXPECT_FALSE(s.PanelMenu->isVisible());
    EXPECT_TRUE(s.BotRetroceder->isVisible());
    SaveShot(s, "degrees-08-universities-map");
    const MarkerPoint madrid = enlace->regionMaps.markerPoint(kMadrid);
    const QPoint madridPixel(madrid.x - 1, madrid.y - 1);
    SendMouse(s.mapa, QEvent::MouseMove, madridPixel);
    ASSERT_TRUE(s.PanelMapa->isVisible());
    EXPECT_EQ(s.PanelMapa->text(), QStringLiteral("Madrid"));
    // Placed at the pointer's map cell plus 130 pixels down, in the window.
    EXPECT_EQ(s.PanelMapa->pos(), QPoint(madrid.x, madrid.y + 130));
    EXPECT_EQ(s.PanelMapa->width(), 115);
    SaveShot(s, "degrees-09-map-hover");

    // A community: its places in place of the map.
    SendMouse(s.mapa, QEvent::MouseButtonPress, madridPixel);
    SendMouse(s.mapa, QEvent::MouseButtonRelease, madridPixel);
    ASSERT_TRUE(s.ListComunidad->isVisible());
    EXPECT_FALSE(s.mapa->isVisible());
    int madridPlaces = 0;
    int firstPlace = 0;
    for (int p = 1; p <= enlace->degreeTables.placeCount(); ++p) {
        if (enlace->degreeTables.place(p).communityCode != kMadrid) continue;
        if (!firstPlace) firstPlace = p;
        ++madridPlaces;
    }
    ASSERT_EQ(s.ListComunidad->count(), madridPlaces);
    EXPECT_EQ(s.ListComunidad->visualItemRect(s.ListComunidad->item(0)).height(), 17);
    SaveShot(s, "degrees-10-places-of-a-community");

    // A university: its degrees with their marks, and its web page.
    ClickAt(s.ListComunidad->viewport(), RowCentre(s.ListComunidad, 0));
    ASSERT_TRUE(s.GridNotas->isVisible());
    EXPECT_TRUE(s.BotIntUni->isVisible());
    EXPECT_EQ(s.PanelSelTit->text().trimmed(), s.ListComunidad->item(0)->text().trimmed());
    EXPECT_GT(s.GridNotas->rowCount(), 0);
    EXPECT_EQ(s.model().state().currentPlace, firstPlace);
    SaveShot(s, "degrees-11-degrees-of-a-university");
    s.BotIntUni->click();
    ASSERT_FALSE(opener.opened.isEmpty());
    EXPECT_EQ(opener.opened.last(),
              QStringLiteral("http://www.") +
                  QString::fromStdString(enlace->degreeTables.place(firstPlace).webAddress));

    // Back one level at a time: the map, the menu, the main menu.
    s.BotRetroceder->click();
    EXPECT_FALSE(s.ListComunidad->isVisible());
    EXPECT_TRUE(s.mapa->isVisible());
    s.BotRetroceder->click();
    EXPECT_FALSE(s.mapa->isVisible());
    EXPECT_FALSE(s.GridNotas->isVisible());
    EXPECT_TRUE(s.PanelMenu->isVisible());
    SaveShot(s, "degrees-12-menu-after-the-universities");
    s.BotMenuRetro->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(menu->isVisible());
    SaveShot(*menu, "degrees-13-main-menu");
}

}  // namespace
}  // namespace velmora
