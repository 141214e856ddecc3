#include "core/menu/main_menu.h"

#include <gtest/gtest.h>

#include "core/menu/doors.h"
#include "menu_fixture.h"

namespace velmora {
namespace {

using testing::MenuFixture;

constexpr QSize kParte{171, 305};

void Tick(MainMenu& menu, MenuTimer timer, int times) {
    for (int i = 0; i < times; ++i) menu.tick(timer);
}

TEST(DoorGeometryTest, EachDoorGrowsFromItsOwnTile) {
    // Door 9 is the fourth tile of the lower row, door 6 the sixth of the upper one.
    EXPECT_EQ(TileOfDoor(9).column, 4);
    EXPECT_EQ(TileOfDoor(9).top, 305);
    EXPECT_EQ(TileOfDoor(6).column, 6);
    EXPECT_EQ(TileOfDoor(6).top, 0);
    EXPECT_EQ(ZoomRect(9, 10, kParte),
              QRect(QPoint(3 * 171 - 5, 305), QPoint(4 * 171 + 5 - 1, 305 + 305 + 10 - 1)));
    EXPECT_EQ(ZoomRect(6, 100, kParte), QRect(5 * 171 - 50, 0, 171 + 100, 305 + 100));
    EXPECT_EQ(ZoomRect(1, 30, kParte), QRect(-15, 0, 171 + 30, 305 + 30));
    EXPECT_EQ(ZoomRect(11, 0, kParte), QRect(5 * 171, 305, 171, 305));
    // The figure climbs from 4 pixels right of the label, on its floor.
    EXPECT_EQ(ClimbStart(9), QPoint(588, 510));
    EXPECT_EQ(ClimbStart(6), QPoint(932, 170));
    EXPECT_EQ(ClimbStart(7), QPoint(222, 510));
    EXPECT_EQ(DoorLabel(10), nullptr);
}

class MainMenuTest : public ::testing::Test, protected MenuFixture {
protected:
    MainMenu menu{*enlace, navigation};
    void SetUp() override { menu.setUp(true, kParte); }
};

TEST_F(MainMenuTest, TheFigureWalksInThenTheBubbleSpeaksTwice) {
    ASSERT_TRUE(menu.timerRunning(MenuTimer::Piloto));
    EXPECT_FALSE(menu.figure().visible);
    EXPECT_FALSE(menu.hintOn(MenuLabel::Carreras));
    EXPECT_FALSE(menu.hintOn(MenuLabel::Cat));
    EXPECT_TRUE(menu.hintOn(MenuLabel::FpS));

    menu.tick(MenuTimer::Piloto);
    EXPECT_TRUE(menu.figure().visible);
    EXPECT_EQ(menu.figure().frame, 0);
    EXPECT_EQ(menu.figure().position, QPoint(108, 235));
    Tick(menu, MenuTimer::Piloto, 6);
    EXPECT_EQ(menu.bubble(), 0);
    EXPECT_TRUE(menu.timerRunning(MenuTimer::Piloto));

    menu.tick(MenuTimer::Piloto);  // the eighth frame
    EXPECT_EQ(menu.figure().frame, 7);
    EXPECT_EQ(menu.figure().position, QPoint(164, 235));
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Piloto));
    EXPECT_EQ(menu.bubble(), 1);
    EXPECT_TRUE(menu.hintOn(MenuLabel::Carreras));
    EXPECT_TRUE(menu.hintOn(MenuLabel::Cat));
    ASSERT_TRUE(menu.timerRunning(MenuTimer::Texto));
    EXPECT_EQ(IntervalOf(MenuTimer::Texto), 3000);

    menu.tick(MenuTimer::Texto);
    EXPECT_EQ(menu.bubble(), 2);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Texto));
}

TEST_F(MainMenuTest, ADoorClickedDuringTheWalkInStopsItForGood) {
    Tick(menu, MenuTimer::Piloto, 3);
    menu.doorClick(9);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Piloto));
    menu.tick(MenuTimer::Piloto);  // a tick already queued changes nothing
    EXPECT_EQ(menu.bubble(), 0);
    EXPECT_FALSE(menu.hintOn(MenuLabel::Carreras));
    EXPECT_EQ(menu.labelBackground(MenuLabel::CuesE), PaletteColour::PaleBlue);
    EXPECT_FALSE(menu.hintOn(MenuLabel::CuesE));
    EXPECT_TRUE(menu.timerRunning(MenuTimer::Puerta));
}

TEST_F(MainMenuTest, DoorNineClimbsThenItsTileGrowsForASecond) {
    Tick(menu, MenuTimer::Piloto, 8);
    menu.doorClick(9);
    EXPECT_EQ(menu.bubble(), 0);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Texto));
    for (int k = 0; k < 5; ++k) {
        menu.tick(MenuTimer::Puerta);
        if (k < 4) {
            EXPECT_EQ(menu.figure().position, QPoint(588, 510 - 10 * k)) << k;
            EXPECT_EQ(menu.figure().frame, k);
            EXPECT_EQ(menu.figure().frames, FigureView::Frames::Climbing);
        }
    }
    EXPECT_FALSE(menu.figure().visible);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Puerta));
    ASSERT_TRUE(menu.timerRunning(MenuTimer::Zoom));

    for (int z = 10; z <= 100; z += 10) {
        menu.tick(MenuTimer::Zoom);
        ASSERT_TRUE(menu.zoom().active);
        EXPECT_EQ(menu.zoom().rect, ZoomRect(9, z, kParte)) << z;
    }
    EXPECT_EQ(menu.zoom().rect, QRect(3 * 171 - 50, 305, 271, 405));
    EXPECT_EQ(menu.zoom().figure, QPoint(588, 470));
    EXPECT_EQ(menu.zoom().frame, 4);
    EXPECT_TRUE(navigation.opened.isEmpty());

    menu.tick(MenuTimer::Zoom);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Zoom));
    EXPECT_FALSE(menu.zoom().active);
    EXPECT_TRUE(menu.hintOn(MenuLabel::CuesE));
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TForm2")});
    EXPECT_EQ(navigation.lastDoor, 9);
    // TForm2 is not in this build: the menu stays.
    EXPECT_TRUE(menu.menuVisible());
}

TEST_F(MainMenuTest, AnExistingTargetHidesTheMenuUntilItIsShownAgain) {
    navigation.existing = {"TForm3"};
    menu.doorClick(5);
    Tick(menu, MenuTimer::Puerta, 5);
    Tick(menu, MenuTimer::Zoom, 11);
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TForm3")});
    EXPECT_FALSE(menu.menuVisible());
    menu.menuShown();
    EXPECT_TRUE(menu.menuVisible());
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Ayuda));  // the help is the scene's menu only
}

TEST_F(MainMenuTest, OneDoorAtATime) {
    menu.doorClick(2);
    Tick(menu, MenuTimer::Puerta, 2);
    menu.doorClick(7);
    EXPECT_EQ(menu.selectedDoor(), 2);
    EXPECT_EQ(menu.labelBackground(MenuLabel::Profe), PaletteColour::LightYellow);
    Tick(menu, MenuTimer::Puerta, 3);
    Tick(menu, MenuTimer::Zoom, 11);
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TFormCat")});
    // Once the sequence is over another door may play.
    menu.doorClick(7);
    EXPECT_EQ(menu.selectedDoor(), 7);
}

TEST_F(MainMenuTest, TheSignOpensCertificatesAtOnce) {
    navigation.existing = {"TCertifica"};
    menu.dejarClick();
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TCertifica")});
    EXPECT_FALSE(menu.menuVisible());
}

TEST_F(MainMenuTest, BackWithoutTheSceneClosesTheMenu) {
    EXPECT_TRUE(menu.botRetroceClick());
    EXPECT_EQ(navigation.scenes, 0);
}

TEST(MainMenuSetUpTest, AMissingSignStopsTheProgram) {
    MenuFixture f;
    MainMenu menu(*f.enlace, f.navigation);
    menu.setUp(false, kParte);
    EXPECT_TRUE(f.enlace->stopFlag);
}

TEST(MainMenuTextsTest, CaptionsJoinTheirSlots) {
    MenuFixture f;
    MainMenu menu(*f.enlace, f.navigation);
    menu.setUp(true, kParte);
    const MenuTexts& t = menu.texts();
    EXPECT_EQ(t.profe, QStringLiteral("t622 t623"));
    EXPECT_EQ(t.cuesE, QStringLiteral("t8\nt9\nt10\nt12"));
    EXPECT_EQ(t.curEsp, QStringLiteral("t514 - t572"));
    EXPECT_EQ(t.bocadillo1, QStringLiteral("t264\nVelmora.\nt175 2020/21."));
    EXPECT_EQ(t.retroce, QStringLiteral("t222"));
    EXPECT_EQ(menu.hintOf(MenuLabel::Carreras), QStringLiteral("t306\nt551\n"));
    EXPECT_EQ(menu.hintOf(MenuLabel::CuesE), QStringLiteral("t305\nt509 t510"));
    EXPECT_TRUE(menu.hintOf(MenuLabel::Asistente).isEmpty());
    EXPECT_EQ(t.rejaCourse, QStringLiteral("t175 t47"));
    EXPECT_EQ(t.reja2Course, QStringLiteral("t175 t113"));
}

TEST(GrowingTextTest, CutsAfterEachJoin) {
    EXPECT_EQ(GrowingText({"abc", "\r", "defg"}, {4, 6}), "abc\rde");
    EXPECT_EQ(GrowingText({"abcdef", "\r", "ghij"}, {4, 7}), "abcdghi");
    EXPECT_EQ(GrowingText({"abc", "-", "de"}, {3, 10}), "abcde");
    EXPECT_EQ(GrowingText({"abc"}, {}), "abc");
}

class SceneHomeTest : public ::testing::Test, protected MenuFixture {
protected:
    SceneHomeTest() : MenuFixture(true) {}
    MainMenu menu{*enlace, navigation};
    void SetUp() override { menu.setUp(true, kParte); }
};

TEST_F(SceneHomeTest, NoWalkInAndADoorOpensAtTheFirstZoomTick) {
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Piloto));
    EXPECT_EQ(menu.texts().retroce, QStringLiteral("t82"));
    navigation.existing = {"TForm1"};
    menu.doorClick(1);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Puerta));
    EXPECT_EQ(menu.labelBackground(MenuLabel::Carreras), PaletteColour::LightYellow);
    ASSERT_TRUE(menu.timerRunning(MenuTimer::Zoom));
    menu.tick(MenuTimer::Zoom);
    EXPECT_FALSE(menu.zoom().active);
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TForm1")});
    EXPECT_FALSE(menu.menuVisible());
}

TEST_F(SceneHomeTest, TheHelpPanelTalksWhileTheCharacterMoves) {
    menu.menuShown();
    ASSERT_TRUE(menu.timerRunning(MenuTimer::Ayuda));
    menu.tick(MenuTimer::Ayuda);  // p = 0
    EXPECT_TRUE(menu.helpVisible());
    EXPECT_EQ(menu.helpLine(0), QStringLiteral("t14"));
    EXPECT_TRUE(menu.helpLine(1).isEmpty());
    EXPECT_EQ(menu.helpFrame(), 0);
    Tick(menu, MenuTimer::Ayuda, 2);  // p = 1, 2
    EXPECT_EQ(menu.helpLine(1), QStringLiteral("t15"));
    EXPECT_TRUE(menu.helpLine(2).isEmpty());
    Tick(menu, MenuTimer::Ayuda, 5);  // p = 3..7
    EXPECT_EQ(menu.helpLine(2), QStringLiteral("t16"));
    EXPECT_EQ(menu.helpLine(3), QStringLiteral("t17"));
    EXPECT_EQ(menu.helpLine(4), QStringLiteral("t18"));
    EXPECT_EQ(menu.helpFrame(), 7);
    EXPECT_TRUE(menu.timerRunning(MenuTimer::Ayuda));
    menu.tick(MenuTimer::Ayuda);  // p = 8: there is no ninth frame
    EXPECT_EQ(menu.helpFrame(), 7);
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Ayuda));
    // Shown again, the help starts over from the first tick.
    menu.menuShown();
    menu.tick(MenuTimer::Ayuda);
    EXPECT_EQ(menu.helpFrame(), 0);
}

TEST_F(SceneHomeTest, BackReturnsToTheScene) {
    enlace->animationEnabled = false;  // the scene turned it off when it handed over
    menu.menuShown();
    menu.tick(MenuTimer::Ayuda);
    EXPECT_FALSE(menu.botRetroceClick());
    EXPECT_EQ(navigation.scenes, 1);
    EXPECT_TRUE(enlace->animationEnabled);
    EXPECT_FALSE(menu.helpVisible());
    EXPECT_FALSE(menu.timerRunning(MenuTimer::Ayuda));
    EXPECT_FALSE(menu.menuVisible());
}

}  // namespace
}  // namespace velmora
