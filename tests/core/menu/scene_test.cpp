#include "core/menu/scene.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>

#include "core/menu/image_library.h"
#include "core/menu/menu_fixture.h"

namespace velmora {
namespace {

using testing::MenuFixture;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

const std::vector<SceneImageSize>& BundledSizes() {
    static const std::vector<SceneImageSize> sizes = [] {
        const QString a = kBundled + SceneLibraryFile(SceneLibrary::A);
        const QString b = kBundled + SceneLibraryFile(SceneLibrary::B);
        return SceneImageSizes(ImageLibrary::Read(a), a, ImageLibrary::Read(b), b);
    }();
    return sizes;
}

int Image(const char* name) {
    return SceneImageIndex(name);
}

std::string Readable(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// The scene over texts that read "t<N>", with the bundled libraries' sizes, on a machine
// measured at 600 MHz (steps of 33 x 0.21 = 6.93 pixels).
class SceneTest : public ::testing::Test, protected MenuFixture {
  protected:
    SceneTest() : MenuFixture(true) {}

    Scene& scene() {
        if (!scene_)
            scene_ = std::make_unique<Scene>(*enlace, navigation, BundledSizes(), SceneSpeedFor(600), 0);
        return *scene_;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) scene().tick();
    }
    void SkipIntro() {
        for (int i = 0; i < 200 && scene().introRunning(); ++i) scene().tick();
    }
    void TickUntilStill(int limit = 1000) {
        for (int i = 0; i < limit && scene().walk().any(); ++i) scene().tick();
    }
    // Where a world point is on the screen as the scene stands.
    QPoint ScreenOf(QPointF world) {
        const QPointF p = world - scene().cameraOffset();
        return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
    }
    QPoint DoorOnScreen(SceneDoor door) { return ScreenOf(scene().doorRect(door).center()); }
    void DoubleClickDoor(SceneDoor door) {
        const QPoint at = DoorOnScreen(door);
        scene().pointerMove(at);
        scene().click(at);
        scene().doubleClick(at);
    }
    bool FrameShows(int image) {
        for (const SceneSpriteView& sprite : scene().frame().sprites)
            if (sprite.image == image) return true;
        return false;
    }
    const SceneText* FindText(const QString& text, Rgb colour) {
        for (const SceneText& t : scene().frame().texts)
            if (t.text == text && t.colour == colour) return &t;
        return nullptr;
    }

    std::unique_ptr<Scene> scene_;
};

TEST(SceneSpeedTest, TheMachinesSpeedChoosesItsRow) {
    const struct {
        int megahertz;
        SceneSpeed speed;
    } rows[] = {{0, {0.25, 66, 5}},     {399, {0.25, 66, 5}},    {400, {0.23, 45, 8}},
                {599, {0.23, 45, 8}},   {600, {0.21, 33, 15}},   {799, {0.21, 33, 15}},
                {800, {0.20, 28, 20}},  {999, {0.20, 28, 20}},   {1000, {0.18, 28, 25}},
                {2999, {0.18, 28, 25}}, {3000, {0.17, 22, 30}},  {9000, {0.17, 22, 30}}};
    for (const auto& row : rows) EXPECT_EQ(SceneSpeedFor(row.megahertz), row.speed) << row.megahertz;
    // Any processor of the last decades adds at well over 50 million steps a second.
    EXPECT_GT(MeasureEquivalentMegahertz(std::chrono::milliseconds(20)), 50);
    EXPECT_EQ(Scene::FontAdjustmentFor(96), 0);
    EXPECT_EQ(Scene::FontAdjustmentFor(100), 0);
    EXPECT_EQ(Scene::FontAdjustmentFor(120), -2);
}

TEST(SpriteListTest, EqualZGoesUnderWhatIsThereAndANewZMovesTheSprite) {
    SpriteList list;
    const int a = list.add({.image = 1, .z = 2});
    const int b = list.add({.image = 2, .z = 0});
    const int c = list.add({.image = 3, .z = 2});
    EXPECT_EQ(list.drawOrder(), (std::vector<int>{b, c, a}));
    list.setZ(a, 0);
    EXPECT_EQ(list.drawOrder(), (std::vector<int>{a, b, c}));
    list.kill(b);
    EXPECT_EQ(list.drawOrder().size(), 3u);  // gone only when the dead are removed
    list.removeDead();
    EXPECT_EQ(list.drawOrder(), (std::vector<int>{a, c}));
    EXPECT_FALSE(list.alive(b));
    EXPECT_EQ(list.add({.image = 4, .z = 9}), b);  // the handle is used again
}

TEST_F(SceneTest, TheIntroWalksHerUpAndTheTitleStaysUntilTheFirstClick) {
    Scene& s = scene();
    EXPECT_TRUE(enlace->sceneIsHome);
    EXPECT_EQ(s.playerPosition(), QPointF(20, 10));
    EXPECT_EQ(s.playerImage(), Image("mandown01"));
    s.tick();
    EXPECT_EQ(s.playerPosition(), QPointF(20, 6));  // two moves of 2 pixels a frame
    EXPECT_EQ(s.playerImage(), Image("manup01"));
    int frames = 1;
    for (; frames < 200 && s.introRunning(); ++frames) s.tick();
    EXPECT_EQ(frames, 45);
    EXPECT_LT(s.playerPosition().y(), -167);
    EXPECT_EQ(s.infoLines()[0], QStringLiteral("t38"));
    s.tick();
    ASSERT_TRUE(s.titleShown());
    // 500 - (14 x 22) div (22 div 6) for "IES Miralbueno".
    const SceneText* school = FindText(QStringLiteral("IES Miralbueno"), Rgb{192, 192, 192});
    ASSERT_NE(school, nullptr);
    EXPECT_EQ(school->at, QPointF(398, 665));
    EXPECT_EQ(FindText(QStringLiteral("IES Miralbueno"), Rgb{0, 0, 128})->at, QPointF(396, 663));
    EXPECT_EQ(FindText(QStringLiteral("2020/21"), Rgb{0, 0, 128})->at, QPointF(398, 556));
    s.click({600, 500});
    s.tick();
    EXPECT_FALSE(s.titleShown());
    EXPECT_EQ(FindText(QStringLiteral("2020/21"), Rgb{192, 192, 192}), nullptr);
}

TEST_F(SceneTest, CaptionsAreCentredOnTheirSignsAndWrittenTwice) {
    const QPointF sign = WorldOf(-1385, 337);
    EXPECT_NEAR(sign.x(), 224.67, 0.005);
    EXPECT_NEAR(sign.y(), -923.33, 0.005);
    SkipIntro();
    scene().placePlayer({200, -800});
    scene().tick();
    // "tabla1" is 170 x 44: 225 + 85 - 200 + 476 across, -923 + 300 + 800 + 22 down.
    const SceneText* black = FindText(QStringLiteral("t21"), Rgb{0, 0, 0});
    ASSERT_NE(black, nullptr);
    EXPECT_TRUE(black->centred);
    EXPECT_EQ(black->at, QPointF(586, 199));
    EXPECT_EQ(black->size, 13);
    EXPECT_EQ(FindText(QStringLiteral("t21"), Rgb{0, 0, 128})->at, QPointF(586, 198));
    EXPECT_NE(FindText(QStringLiteral("t79 t2"), Rgb{0, 0, 0}), nullptr);  // two texts joined
    EXPECT_EQ(FindText(QStringLiteral("t54"), Rgb{0, 0, 0}), nullptr);  // the hall is off screen
}

struct ClickCase {
    const char* what;
    QPoint at;
    Walk walk;
    const char* image;
};

class SceneClickTest : public SceneTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(SceneClickTest, ChoosesHerDirectionsByTheAngle) {
    const ClickCase& c = GetParam();
    SkipIntro();
    scene().placePlayer({100, -450});
    scene().click(c.at);
    EXPECT_EQ(scene().walk(), c.walk);
    EXPECT_EQ(scene().playerImage(), Image(c.image));
    EXPECT_EQ(scene().playerZ(), 3);
    EXPECT_EQ(scene().target(), QPoint(c.at.x() + 100 - 512, c.at.y() - 450 - 384));
    EXPECT_EQ(scene().markerImage(), Image("circ1"));
}

INSTANTIATE_TEST_SUITE_P(
    Angles, SceneClickTest,
    ::testing::Values(
        ClickCase{"straight above walks up only", {512, 100}, {.up = true}, "manup01"},
        ClickCase{"45 degrees below right", {612, 484}, {.down = true, .right = true}, "mander01"},
        ClickCase{"45 degrees above left", {412, 284}, {.up = true, .left = true}, "manizq01"},
        ClickCase{"19 degrees is still straight down", {616, 684}, {.down = true}, "mandown01"},
        ClickCase{"20 degrees goes sideways too", {620, 684}, {.down = true, .right = true}, "mander01"},
        // With 57 degrees to the radian 70.3 rounds to 70, 70.9 to 71.
        ClickCase{"70 degrees still climbs", {797, 284}, {.up = true, .right = true}, "mander01"},
        ClickCase{"71 degrees goes straight across", {806, 284}, {.right = true}, "mander01"},
        ClickCase{"level with her to the right", {812, 384}, {.right = true}, "mander01"},
        ClickCase{"level with her to the left", {212, 384}, {.left = true}, "manizq01"}),
    [](const auto& param) { return Readable(param.param.what); });

struct WallCase {
    const char* what;
    QPointF start;
    QPoint click;
    bool horizontal;
    double from;  // where she stands still, from..to
    double to;
};

class SceneWallTest : public SceneTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(SceneWallTest, StopsHer) {
    const WallCase& c = GetParam();
    SkipIntro();
    scene().placePlayer(c.start);
    scene().click(c.click);
    TickUntilStill();
    const QPointF at = scene().playerPosition();
    const double where = c.horizontal ? at.x() : at.y();
    EXPECT_GE(where, c.from);
    EXPECT_LE(where, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, SceneWallTest,
    ::testing::Values(
        // As soon as px (her x rounded) > 226: at most one step of 6.93 further.
        WallCase{"the hall's right wall", {150, -110}, {1000, 390}, true, 226.01, 233.5},
        WallCase{"the hall's left wall", {-100, -110}, {0, 390}, true, -159.5, -152},
        // From -313 to -126 the passage to the hall is the tighter rule.
        WallCase{"walking right at y -150 in the passage", {20, -150}, {1000, 390}, true, 56.01, 63.5},
        WallCase{"the section doors' corridor ends at 579", {500, -450}, {1000, 390}, true, 579.01, 586.5},
        WallCase{"the study doors' corridor ends at -545", {-500, -800}, {0, 390}, true, -552.5, -545},
        WallCase{"the section doors' wall", {300, -450}, {512, 0}, false, -479.5, -472},
        WallCase{"the hall's back wall", {150, -100}, {512, 0}, false, -131.5, -123},
        WallCase{"through the passage up to the corridor", {20, -100}, {512, 0}, false, -479.5, -472}),
    [](const auto& param) { return Readable(param.param.what); });

TEST_F(SceneTest, TheStopStudyingZoneOpensTheCertificatesOncePerVisit) {
    SkipIntro();
    scene().placePlayer({650, -800});
    scene().click({1000, 390});
    for (int i = 0; i < 100 && scene().playerPosition().x() < 760; ++i) scene().tick();
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TCertifica")});
    EXPECT_TRUE(scene().visible());  // no certificates screen yet: the scene stays
    Ticks(10);
    EXPECT_EQ(navigation.opened.size(), 1);
    scene().placePlayer({600, -800});
    scene().tick();
    scene().click({1000, 390});
    for (int i = 0; i < 100 && scene().playerPosition().x() < 760; ++i) scene().tick();
    EXPECT_EQ(navigation.opened.size(), 2);
}

TEST_F(SceneTest, ADoubleClickOnAStudyDoorWalksHerThroughIntoItsSection) {
    SkipIntro();
    scene().placePlayer({-500, -800});
    DoubleClickDoor(SceneDoor::S1);
    EXPECT_EQ(scene().walk(), Walk{.up = true});
    EXPECT_TRUE(scene().doorGo(SceneDoor::S1));
    EXPECT_EQ(scene().playerZ(), 4);
    const double doorTop = scene().doorRect(SceneDoor::S1).top();
    double y = 0;
    for (int i = 0; i < 100 && navigation.opened.isEmpty(); ++i) {
        scene().tick();
        y = scene().playerPosition().y();
    }
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TForm1")});
    EXPECT_EQ(navigation.lastDoor, 1);
    // 150 pixels past the door's top, give or take the step that asked for it.
    EXPECT_GT(doorTop - y, 150);
    EXPECT_LT(doorTop - y, 150 + 2 * 6.93);
    // No degrees screen in this build: she walks back out, the door open until she is out.
    scene().tick();
    EXPECT_EQ(scene().walk(), Walk{.down = true});
    EXPECT_TRUE(FrameShows(Image("puer3")));
    TickUntilStill();
    EXPECT_GE(scene().playerPosition().y(), doorTop + 100);
    EXPECT_FALSE(scene().doorGo(SceneDoor::S1));
    EXPECT_EQ(navigation.opened.size(), 1);
}

TEST_F(SceneTest, TheSceneHidesWhileASectionIsShownAndWalksHerBackOnReturn) {
    navigation.existing = {"TFormCon"};
    SkipIntro();
    scene().placePlayer({-100, -430});
    DoubleClickDoor(SceneDoor::Q1);
    for (int i = 0; i < 100 && scene().visible(); ++i) scene().tick();
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TFormCon")});
    EXPECT_FALSE(scene().visible());
    const QPointF inside = scene().playerPosition();
    scene().tick();
    EXPECT_EQ(scene().playerPosition(), inside);  // nothing moves while the section is shown
    scene().shown();
    TickUntilStill();
    EXPECT_GE(scene().playerPosition().y(), scene().doorRect(SceneDoor::Q1).top() + 100);
    EXPECT_FALSE(scene().doorGo(SceneDoor::Q1));
}

TEST_F(SceneTest, AFarDoubleClickOnlySetsTheGoFlagUntilSheReachesTheDoor) {
    SkipIntro();
    scene().placePlayer({-400, -800});
    DoubleClickDoor(SceneDoor::S3);
    EXPECT_TRUE(scene().doorGo(SceneDoor::S3));
    Ticks(5);
    EXPECT_EQ(scene().walk(), Walk{.right = true});
    EXPECT_TRUE(navigation.opened.isEmpty());
    for (int i = 0; i < 200 && navigation.opened.isEmpty(); ++i) scene().tick();
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("TForm8")});
    EXPECT_EQ(navigation.lastDoor, 3);
}

TEST_F(SceneTest, ANewDoubleClickOnADoorReplacesTheDoorChosenBefore) {
    SkipIntro();
    scene().placePlayer({-400, -800});
    DoubleClickDoor(SceneDoor::S1);
    DoubleClickDoor(SceneDoor::S2);
    EXPECT_FALSE(scene().doorGo(SceneDoor::S1));
    EXPECT_TRUE(scene().doorGo(SceneDoor::S2));
    // A double click on the floor leaves the choice as it is.
    scene().doubleClick({500, 600});
    EXPECT_TRUE(scene().doorGo(SceneDoor::S2));
}

struct InfoCase {
    const char* what;
    QPointF at;
    const char* first;  // "" for no bubble
};

class SceneInfoTest : public SceneTest, public ::testing::WithParamInterface<InfoCase> {};

TEST_P(SceneInfoTest, ShowsTheTextOfHerZone) {
    const InfoCase& c = GetParam();
    SkipIntro();
    scene().placePlayer(c.at);
    scene().tick();
    EXPECT_EQ(scene().infoLines()[0], QString::fromUtf8(c.first));
    EXPECT_EQ(scene().bubbleVisible(), *c.first != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, SceneInfoTest,
    ::testing::Values(InfoCase{"the hall", {20, -170}, "t38"},
                      InfoCase{"before the section doors", {100, -450}, "t450"},
                      InfoCase{"left of the study doors", {-400, -700}, "t454"},
                      InfoCase{"right of the study doors", {500, -700}, "t454"},
                      InfoCase{"nowhere in particular", {300, -300}, ""},
                      InfoCase{"past 1200", {1250, -800}, "    Estas perdido..."}),
    [](const auto& param) { return Readable(param.param.what); });

TEST_F(SceneTest, Past1200SheIsToldSheIsLost) {
    SkipIntro();
    scene().placePlayer({1250, -800});
    scene().tick();
    const std::array<QString, 4> lost = {
        QStringLiteral("    Estas perdido..."), QStringLiteral("    ¡¡¡¡  Vuelve  !!!!"),
        QStringLiteral("    Es mejor seguir "), QStringLiteral("    estudiando.")};
    EXPECT_EQ(scene().infoLines(), lost);
    scene().tick();
    const SceneText* last = FindText(lost[3], Rgb{0, 0, 0});
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->at, QPointF(567, 285 + 36));
    EXPECT_FALSE(last->centred);
}

TEST_F(SceneTest, WalkingShowsHerFramesAndTheMarkerFadesAway) {
    SkipIntro();
    scene().placePlayer({100, -320});
    scene().click({512, 60});
    const char* frames[] = {"manup01", "manup01", "manup01", "manup02", "manup02"};
    for (const char* frame : frames) {
        const double y = scene().playerPosition().y();
        scene().tick();
        EXPECT_EQ(scene().playerImage(), Image(frame));
        EXPECT_NEAR(y - scene().playerPosition().y(), 33 * 0.21, 1e-9);
    }
    scene().click({512, 384});  // a new marker where she stands
    Ticks(22);
    EXPECT_EQ(scene().markerImage(), Image("circ1"));
    scene().tick();
    EXPECT_EQ(scene().markerImage(), Image("circ2"));
    Ticks(8);
    EXPECT_EQ(scene().markerImage(), Image("circ6"));
    scene().tick();
    EXPECT_EQ(scene().markerImage(), -1);
}

TEST_F(SceneTest, HoverLightsDoorsAndTheDotBlinks) {
    SkipIntro();
    scene().placePlayer({-500, -800});
    scene().pointerMove(DoorOnScreen(SceneDoor::S1));
    scene().tick();
    EXPECT_EQ(scene().doorImage(SceneDoor::S1), Image("puerta22"));
    EXPECT_TRUE(scene().handCursor());
    scene().pointerMove({500, 600});
    scene().tick();
    EXPECT_EQ(scene().doorImage(SceneDoor::S1), Image("puertab"));
    EXPECT_FALSE(scene().handCursor());
    scene().pointerMove({120, 670});  // the magnifier
    scene().tick();
    EXPECT_TRUE(scene().handCursor());

    std::vector<int> dots;
    for (int i = 0; i < 33; ++i) {
        scene().tick();
        dots.push_back(scene().positionDotImage());
    }
    int changes = 0;
    for (size_t i = 1; i < dots.size(); ++i) changes += dots[i] != dots[i - 1];
    EXPECT_EQ(changes, 3);
}

TEST_F(SceneTest, TheLowerCornersAskTheExitQuestionOrLeaveForTheMenu) {
    SkipIntro();
    scene().placePlayer({-130, -50});
    scene().tick();
    EXPECT_TRUE(scene().takeCloseRequest());
    scene().tick();
    EXPECT_FALSE(scene().takeCloseRequest());  // once, until she leaves the corner

    scene().placePlayer({230, -50});
    scene().tick();
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("Tform0")});
    EXPECT_TRUE(scene().visible());
    EXPECT_TRUE(enlace->animationEnabled);  // no menu to go to: the scene stays the home screen

    navigation.existing = {"Tform0"};
    scene().placePlayer({100, -150});
    scene().tick();
    scene().placePlayer({230, -50});
    scene().tick();
    EXPECT_FALSE(scene().visible());
    EXPECT_FALSE(enlace->animationEnabled);
}

TEST_F(SceneTest, TheMagnifierDrawsTheCurtainThenLeavesForTheMenu) {
    navigation.existing = {"Tform0"};
    SkipIntro();
    scene().click({120, 730});  // the exit door
    EXPECT_TRUE(scene().takeCloseRequest());
    scene().wheel({120, 670});  // the wheel over the magnifier does nothing
    EXPECT_FALSE(scene().curtainRunning());
    scene().click({30, 700});  // the plan
    ASSERT_TRUE(scene().curtainRunning());
    scene().tick();
    EXPECT_TRUE(scene().frame().curtainRunning);
    EXPECT_EQ(scene().frame().curtain, QRect(0, 767, 1, 1));
    scene().tick();
    EXPECT_EQ(scene().frame().curtain, QRect(0, 757, 14, 11));
    int frames = 2;
    for (; frames < 200 && scene().visible(); ++frames) scene().tick();
    EXPECT_EQ(frames, 80);  // 79 growing rectangles, then the menu
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("Tform0")});
    EXPECT_FALSE(enlace->animationEnabled);
    EXPECT_FALSE(scene().curtainRunning());
}

TEST_F(SceneTest, TheWheelWalksHerLikeAClick) {
    SkipIntro();
    scene().wheel({512, 100});
    EXPECT_EQ(scene().walk(), Walk{.up = true});
    EXPECT_FALSE(scene().titleShown());
}

}  // namespace
}  // namespace velmora
