#include "core/shared/display_mode.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/shared/enlace.h"
#include "core/shared/notice.h"
#include "core/shared/shutdown.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

TEST(DisplayModeQuestionTest, TheMainMenuAsksOnlyOnAShortShallowScreen) {
    EXPECT_FALSE(DisplayModeQuestionNeeded({1280, 1024, 32}, false));
    EXPECT_FALSE(DisplayModeQuestionNeeded({800, 600, 16}, false));  // short but deep enough
    EXPECT_TRUE(DisplayModeQuestionNeeded({800, 600, 8}, false));
    EXPECT_FALSE(DisplayModeQuestionNeeded({1024, 768, 8}, false));  // shallow but tall enough
}

TEST(DisplayModeQuestionTest, TheSceneAsksUnlessTheScreenIsExactly1024x768) {
    EXPECT_TRUE(DisplayModeQuestionNeeded({1280, 1024, 32}, true));
    EXPECT_TRUE(DisplayModeQuestionNeeded({1024, 800, 32}, true));
    EXPECT_TRUE(DisplayModeQuestionNeeded({1024, 768, 8}, true));
    EXPECT_FALSE(DisplayModeQuestionNeeded({1024, 768, 16}, true));
    EXPECT_FALSE(DisplayModeQuestionNeeded({1024, 768, 32}, true));
}

class FakeDisplay final : public Display {
  public:
    DisplayMode current() const override { return screen; }
    std::optional<DisplayMode> mode(int number) const override {
        ++asked;
        if (number < 0 || static_cast<size_t>(number) >= modes.size()) return std::nullopt;
        return modes[static_cast<size_t>(number)];
    }
    void switchTo(const DisplayMode& m, bool setDepth) override {
        switched.push_back(m);
        depthSet = setDepth;
    }
    void restore() override { ++restored; }

    DisplayMode screen;
    std::vector<DisplayMode> modes;
    std::vector<DisplayMode> switched;
    bool depthSet = false;
    int restored = 0;
    mutable int asked = 0;
};

class CheckDisplayModeTest : public ::testing::Test {
  protected:
    CheckDisplayModeTest() {
        std::vector<std::string> lines(260, "");
        lines[48] = "\xBFSalir del programa?";
        lines[252] = "Conviene pasar la pantalla a";
        lines[253] =
            "1024 x 768. \xBF"
            "Cambiarla?";
        folder.writeLines(QStringLiteral("cas/textos"), lines);
        EXPECT_TRUE(enlace.LoadInterfaceTexts());
        display.modes = {{800, 600, 16}, {1024, 768, 8}, {1024, 768, 16}, {1024, 768, 16}};
    }
    TempFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    FakeDisplay display;
};

TEST_F(CheckDisplayModeTest, YesSwitchesToTheFirst1024x768At16Bits) {
    display.screen = {800, 600, 8};
    CheckDisplayMode(false, enlace, display);
    EXPECT_EQ(messages.questions,
              QStringList{QStringLiteral("Conviene pasar la pantalla a 1024 x 768. ¿Cambiarla?")});
    ASSERT_EQ(display.switched.size(), 1u);
    EXPECT_EQ(display.switched[0], (DisplayMode{1024, 768, 16}));
    EXPECT_TRUE(display.depthSet);  // the screen was shallower than 16 bits
    EXPECT_EQ(display.asked, 3);    // the enumeration stops at the first fit
    EXPECT_TRUE(enlace.displayModeChanged);
}

TEST_F(CheckDisplayModeTest, TheSceneSwitchesSizeOnlyOnADeepScreen) {
    display.screen = {1280, 1024, 32};
    CheckDisplayMode(false, enlace, display);
    EXPECT_TRUE(messages.questions.isEmpty());
    CheckDisplayMode(true, enlace, display);
    ASSERT_EQ(messages.questions.size(), 1);
    ASSERT_EQ(display.switched.size(), 1u);
    EXPECT_FALSE(display.depthSet);
}

TEST_F(CheckDisplayModeTest, NoOrNoSuchModeChangesNothing) {
    display.screen = {800, 600, 8};
    messages.answer = false;
    CheckDisplayMode(false, enlace, display);
    EXPECT_EQ(messages.questions.size(), 1);
    EXPECT_TRUE(display.switched.empty());
    EXPECT_FALSE(enlace.displayModeChanged);

    messages.answer = true;
    display.modes = {{800, 600, 16}, {1024, 768, 32}};
    CheckDisplayMode(false, enlace, display);
    EXPECT_TRUE(display.switched.empty());
    EXPECT_FALSE(enlace.displayModeChanged);
    RestoreDisplayMode(enlace, display);
    EXPECT_EQ(display.restored, 0);
}

class FakeNotice final : public Notice {
  public:
    bool question(const QString& text) override {
        asked << text;
        return answer;
    }
    std::optional<QString> askName(const QString&, const QString&) override { return {}; }
    QStringList asked;
    bool answer = true;
};

class FakeEnd final : public ProgramEnd {
  public:
    void showHome() override { calls.push_back("home"); }
    void end() override { calls.push_back("end"); }
    std::vector<std::string> calls;
};

TEST_F(CheckDisplayModeTest, QuittingAfterASwitchPutsTheDisplayBack) {
    FakeNotice notice;
    FakeEnd end;
    Shutdown shutdown(enlace, display, notice, end);
    display.screen = {800, 600, 8};
    CheckDisplayMode(false, enlace, display);
    ASSERT_TRUE(enlace.displayModeChanged);

    messages.answer = false;
    EXPECT_FALSE(shutdown.closeHome());
    EXPECT_EQ(display.restored, 0);
    EXPECT_TRUE(end.calls.empty());

    messages.answer = true;
    EXPECT_TRUE(shutdown.closeHome());
    EXPECT_EQ(messages.questions.last(), QStringLiteral("¿Salir del programa?"));  // empty title
    EXPECT_EQ(display.restored, 1);
    EXPECT_TRUE(enlace.stopFlag);
    EXPECT_EQ(end.calls, std::vector<std::string>{"end"});
}

TEST_F(CheckDisplayModeTest, ASectionScreenAsksInTheNoticeAndShowsTheHomeFirst) {
    FakeNotice notice;
    FakeEnd end;
    Shutdown shutdown(enlace, display, notice, end);
    notice.answer = false;
    EXPECT_FALSE(shutdown.closeSection());
    EXPECT_TRUE(end.calls.empty());
    notice.answer = true;
    EXPECT_TRUE(shutdown.closeSection());
    EXPECT_EQ(notice.asked, (QStringList{QStringLiteral("¿Salir del programa?"),
                                         QStringLiteral("¿Salir del programa?")}));
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(end.calls, (std::vector<std::string>{"home", "end"}));
    EXPECT_EQ(display.restored, 0);  // never switched
}

}  // namespace
}  // namespace velmora
