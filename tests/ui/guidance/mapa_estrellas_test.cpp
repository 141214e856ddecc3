#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "core/guidance/star_map.h"
#include "core/university/degrees_screen.h"
#include "ui/shared/region_map_view.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::DegreesProgram;
using testing::SendMouse;

class TForm7Test : public ::testing::Test, protected DegreesProgram {
  protected:
    void SetUp() override {
        createScreens();
        ASSERT_FALSE(enlace->stopFlag);
    }

    // A pixel of the map whose cell holds `region` (0 for the sea), searched from the top left.
    QPoint pixelOf(int region) const {
        for (int y = 1; y <= RegionMaps::kCommunityHeight; ++y)
            for (int x = 1; x <= RegionMaps::kWidth; ++x)
                if (enlace->regionMaps.RegionAt(RegionMap::Communities, x, y) == region)
                    return {x - 1, y - 1};
        return {-1, -1};
    }

    // Shows the places of degree d by community, which shows the star map.
    void showDegree(int degree) {
        degrees->show();
        degrees->botinformacionClick();
        degrees->BotMenuGrados->click();
        degrees->model().SelectDegree(degree);
    }
};

TEST_F(TForm7Test, ASmallToolWindowOnTopAtTheRightOfTheDegreesScreen) {
    TForm7& w = *stars;
    EXPECT_EQ(w.objectName(), QStringLiteral("TForm7"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" "));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(w.MapaEstrellas->size(), QSize(281, 196));
    EXPECT_EQ(w.width(), 281);
    EXPECT_EQ(w.TimerEstrellas->interval(), 200);
    EXPECT_FALSE(w.TimerEstrellas->isActive());
    EXPECT_FALSE(w.PanelMapa->isVisible());
    EXPECT_FALSE(w.isVisible());

    degrees->move(40, 30);
    showDegree(5);
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos(), QPoint(40 + 1024 - 140, 30));
    EXPECT_TRUE(w.TimerEstrellas->isActive());
    // Hidden by the degrees screen (a heading row selects no degree): the stars stop.
    degrees->model().SelectDegree(0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.TimerEstrellas->isActive());
}

TEST_F(TForm7Test, ThePanelNamesTheCommunityAndIsEmptiedOverTheSea) {
    showDegree(5);
    TForm7& w = *stars;
    const QPoint madrid = pixelOf(13);
    ASSERT_GE(madrid.x(), 0);
    SendMouse(w.MapaEstrellas, QEvent::MouseMove, madrid);
    ASSERT_TRUE(w.PanelMapa->isVisible());
    EXPECT_EQ(w.PanelMapa->text(), QStringLiteral("Madrid"));
    EXPECT_EQ(w.PanelMapa->width(), 115);
    EXPECT_EQ(w.PanelMapa->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(w.PanelMapa->font().bold());
    const QPoint sea = pixelOf(0);
    ASSERT_GE(sea.x(), 0);
    SendMouse(w.MapaEstrellas, QEvent::MouseMove, sea);
    EXPECT_TRUE(w.PanelMapa->isVisible());
    EXPECT_TRUE(w.PanelMapa->text().isEmpty());
    // The whole map is clickable: the hand stays over the sea as over a community.
    EXPECT_EQ(w.MapaEstrellas->cursor().shape(), Qt::PointingHandCursor);
    SendMouse(w.MapaEstrellas, QEvent::MouseMove, madrid);
    EXPECT_EQ(w.MapaEstrellas->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(TForm7Test, AClickOnACommunityWithoutPlacesLeavesTheGridWhereItIs) {
    showDegree(5);  // offered in many communities but not all, so the grid scrolls
    const DegreesState& state = degrees->model().state();
    int unlit = 0;
    for (int c = 1; c <= 19 && !unlit; ++c)
        if (state.communityFirstRow[static_cast<size_t>(c)] == 0) unlit = c;
    if (unlit == 0) GTEST_SKIP() << "the degree is offered in every community";
    QTableWidget* grid = degrees->GridNotas;
    grid->verticalScrollBar()->setValue(3);
    const QPoint at = pixelOf(unlit);
    ASSERT_GE(at.x(), 0);
    SendMouse(stars->MapaEstrellas, QEvent::MouseMove, at);
    SendMouse(stars->MapaEstrellas, QEvent::MouseButtonPress, at);
    SendMouse(stars->MapaEstrellas, QEvent::MouseButtonRelease, at);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 3);
}

TEST_F(TForm7Test, TheStarsAreDrawnOnlyOnTheOfferedCommunities) {
    showDegree(5);
    TForm7& w = *stars;
    const QImage clean = w.MapaEstrellas->image();
    for (int k = 0; k < 3; ++k) w.MapaEstrellas->drawMarkerStep(w.model().tick());
    const QImage drawn = w.MapaEstrellas->image();
    for (int c = 1; c <= 19; ++c) {
        const MarkerPoint p = enlace->regionMaps.markerPoint(c);
        const bool lit = enlace->regionMaps.markerFlags[static_cast<size_t>(c)];
        EXPECT_EQ(drawn.pixel(p.x, p.y) != clean.pixel(p.x, p.y), lit) << c;
    }
    // Showing the window again draws the map clean.
    degrees->model().SelectDegree(0);
    showDegree(5);
    EXPECT_EQ(w.MapaEstrellas->image(), clean);
}

}  // namespace
}  // namespace velmora
