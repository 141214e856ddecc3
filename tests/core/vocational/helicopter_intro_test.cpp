// The intermediate screen's helicopter intro: the three start buttons flown in stage by stage to
// the engine's sound, the pilot's three bubbles, and what ends it.
#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/vocational/intermediate_screen.h"
#include "core/vocational/level_screen_fixture.h"

namespace velmora {
namespace {

using C = LevelControl;
using T = HelicopterIntro::Timer;

class HelicopterIntroTest : public ::testing::Test, protected testing::LevelScreenFixture {
  protected:
    void SetUp() override {
        folder.write(QStringLiteral("motor.wav"), "RIFF");
        load();
        create();
    }
    const HelicopterIntro::Picture& picture() const { return screen->intro().picture(); }
    bool visible(C control) const { return screen->view().visible[static_cast<size_t>(control)]; }
    // Ticks a timer while it runs (at most `limit` times); how many ticks it took.
    int runOut(T timer, int limit = 100) {
        int ticks = 0;
        while (screen->intro().running(timer) && ticks < limit) {
            screen->tick(timer);
            ++ticks;
        }
        return ticks;
    }
    std::vector<QString> bubbleLines(size_t bubble) const {
        const auto& lines = picture().bubbles.at(bubble).lines;
        return {lines.begin(), lines.end()};
    }
    std::vector<QString> texts(int first) const {
        return {qtext(first), qtext(first + 1), qtext(first + 2)};
    }
};

TEST_F(HelicopterIntroTest, TheFirstOpeningFliesTheButtonsInAndThePilotSpeaksThreeTimes) {
    ASSERT_TRUE(enlace.intermediateFirstOpening);
    screen->FormActivate();
    EXPECT_FALSE(enlace.intermediateFirstOpening);
    EXPECT_TRUE(screen->intro().running(T::Heli));
    for (C c : {C::botTit2, C::botLug2, C::botSalir}) EXPECT_FALSE(visible(c));

    // Stage 1: the titles button from the left, to the engine's sound.
    screen->tick(T::Heli);
    EXPECT_EQ(picture().buttonAt[HelicopterIntro::Titles], QPoint(15 - 300, 150));
    EXPECT_TRUE(visible(C::botTit2));
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_EQ(runOut(T::Heli), 35);
    EXPECT_EQ(picture().buttonAt[HelicopterIntro::Titles], QPoint(240, 130));
    EXPECT_EQ(sound.stops, 1);
    EXPECT_EQ(runOut(T::Piloto), 8);
    EXPECT_EQ(picture().pilotFrame, 7);
    EXPECT_EQ(picture().pilotAt, QPoint(540 + 70, 150));
    ASSERT_EQ(picture().bubbles.size(), 1u);
    EXPECT_EQ(picture().bubbles[0].box, QRect(QPoint(506, 96), QPoint(624, 149)));
    EXPECT_EQ(bubbleLines(0), texts(154));

    // Stage 2: the places button 120 pixels lower, the exit button below it.
    EXPECT_TRUE(screen->intro().running(T::Heli));
    screen->tick(T::Heli);
    EXPECT_EQ(picture().pilotFrame, -1);  // the first pilot has gone
    EXPECT_EQ(picture().buttonAt[HelicopterIntro::Places], QPoint(15 - 300, 270));
    EXPECT_FALSE(visible(C::botSalir));
    runOut(T::Heli);
    EXPECT_EQ(picture().buttonAt[HelicopterIntro::Places], QPoint(240, 250));
    EXPECT_EQ(picture().buttonAt[HelicopterIntro::Exit], QPoint(240, 370));
    EXPECT_TRUE(visible(C::botSalir));
    runOut(T::Piloto);
    EXPECT_EQ(bubbleLines(1), texts(157));

    // Stage 3: no button; the pilot asks by the exit button, and the intro ends.
    EXPECT_EQ(runOut(T::Heli), 1);
    runOut(T::Piloto);
    ASSERT_EQ(picture().bubbles.size(), 3u);
    EXPECT_EQ(bubbleLines(2), texts(160));
    EXPECT_EQ(picture().pilotAt.y(), 390);
    EXPECT_FALSE(screen->intro().running(T::Heli));
    EXPECT_EQ(sound.played.size(), 2);
    for (int b = 0; b < HelicopterIntro::kButtons; ++b)
        EXPECT_EQ(picture().buttonAt[static_cast<size_t>(b)], HelicopterIntro::Place(b));

    // Any action of the student's erases the pilot and his bubbles.
    screen->botTit2Click();
    EXPECT_TRUE(picture().bubbles.empty());
    EXPECT_EQ(picture().pilotFrame, -1);
}

TEST_F(HelicopterIntroTest, AChoiceDuringTheFlightStopsTheEngineAndLaterOpeningsHaveNoIntro) {
    screen->FormActivate();
    for (int i = 0; i < 10; ++i) screen->tick(T::Heli);
    screen->botLug2Click();
    EXPECT_FALSE(screen->intro().running(T::Heli));
    EXPECT_EQ(sound.stops, 1);
    for (C c : {C::botTit2, C::botLug2, C::botSalir}) EXPECT_FALSE(visible(c));
    screen->botSalirClick();

    screen->FormActivate();
    EXPECT_FALSE(screen->intro().running(T::Heli));
    for (C c : {C::botTit2, C::botLug2, C::botSalir}) EXPECT_TRUE(visible(c));
    EXPECT_EQ(picture().buttonAt[HelicopterIntro::Exit], QPoint(240, 370));
}

}  // namespace
}  // namespace velmora
