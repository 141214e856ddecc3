#include "ui/menu/animacion.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include "core/menu/menu_fixture.h"
#include "core/menu/scene.h"
#include "support/fake_shell.h"
#include "support/shots.h"
#include "support/temp_folder.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

using testing::AnsweringNotice;
using testing::CountingEnd;
using testing::FixedDisplay;
using testing::RecordingMessages;
using testing::RecordingNavigation;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

void Send(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint at) {
    Send(widget, QEvent::MouseMove, at);
    Send(widget, QEvent::MouseButtonPress, at);
    Send(widget, QEvent::MouseButtonRelease, at);
}

void DoubleClick(QWidget* widget, QPoint at) {
    Click(widget, at);
    Send(widget, QEvent::MouseButtonDblClick, at);
    Send(widget, QEvent::MouseButtonRelease, at);
}

// The scene over the bundled data folder (its texts in Castilian, its image libraries).
class Tform9Test : public ::testing::Test {
  protected:
    Tform9Test() : enlace(messages, DataPaths::ForDataFolder(kBundled)) {
        enlace.LoadInterfaceTexts();
        enlace.settings.schoolName = QStringLiteral("IES Miralbueno");
        enlace.animationEnabled = true;
        pictures.load("parte", kBundled + QStringLiteral("parte"));
    }

    Tform9& scene() {
        if (!scene_)
            scene_ = std::make_unique<Tform9>(
                ScenePlatform{enlace, pictures, display, shutdown, navigation});
        return *scene_;
    }

    RecordingMessages messages;
    Enlace enlace;
    SharedPictures pictures;
    FixedDisplay display;
    AnsweringNotice notice;
    CountingEnd end;
    Shutdown shutdown{enlace, display, notice, end};
    RecordingNavigation navigation;
    std::unique_ptr<Tform9> scene_;
};

TEST_F(Tform9Test, DrawsTheBuildingEvery33MillisecondsWhileShown) {
    Tform9& s = scene();
    ASSERT_TRUE(s.ready()) << messages.shown.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(s.objectName(), QStringLiteral("Tform9"));
    EXPECT_EQ(s.size(), QSize(1024, 768));
    EXPECT_TRUE(messages.questions.isEmpty());  // the display is 1024 x 768 already
    EXPECT_EQ(s.DXTimer->interval(), 33);
    EXPECT_FALSE(s.DXTimer->isActive());
    s.show();
    EXPECT_TRUE(s.DXTimer->isActive());
    for (int i = 0; i < 60; ++i) s.DXTimerTimer();
    testing::SaveShot(s, "scene_intro");
    // The plan in the bottom left corner, 6 pixels off the screen's left edge.
    const QImage shot = s.surface();
    EXPECT_EQ(shot.pixelColor(40, 767), QColor(0, 0, 128));  // the plan's navy frame
    EXPECT_NE(shot.pixelColor(512, 400), QColor(Qt::black));  // the girl
    s.hide();
    EXPECT_FALSE(s.DXTimer->isActive());
}

TEST_F(Tform9Test, AStrictDisplayCheckAsksForTheBetterMode) {
    display.screen = {1280, 1024, 32};
    messages.answer = false;
    scene();
    ASSERT_EQ(messages.questions.size(), 1);
    EXPECT_TRUE(messages.questions[0].startsWith(QStringLiteral("Velmora se ve mejor a 1024 x 768.")));
}

struct DoorCase {
    SceneDoor door;
    const char* screen;
};

class Tform9DoorTest : public Tform9Test, public ::testing::WithParamInterface<DoorCase> {};

TEST_P(Tform9DoorTest, ADoubleClickOnTheDoorOpensItsSectionAndTheSceneComesBack) {
    const DoorCase& c = GetParam();
    navigation.existing = {c.screen};
    Tform9& s = scene();
    ASSERT_TRUE(s.ready());
    s.show();
    for (int i = 0; i < 50 && s.model()->introRunning(); ++i) s.DXTimerTimer();
    const QRectF door = s.model()->doorRect(c.door);
    const bool study = door.top() < -700;
    s.model()->placePlayer({door.left() + 20, study ? -800.0 : -430.0});
    const QPointF centre = door.center() - s.model()->cameraOffset();
    DoubleClick(&s, centre.toPoint());
    for (int i = 0; i < 100 && s.isVisible(); ++i) s.DXTimerTimer();
    EXPECT_EQ(navigation.opened, QStringList{QString::fromLatin1(c.screen)});
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(s.DXTimer->isActive());
    // Back from the section: the frames run again and she walks out of the door.
    s.show();
    EXPECT_TRUE(s.DXTimer->isActive());
    for (int i = 0; i < 100 && s.model()->walk().any(); ++i) s.DXTimerTimer();
    EXPECT_GE(s.model()->playerPosition().y(), door.top() + 100);
    EXPECT_EQ(navigation.opened.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    NineDoors, Tform9DoorTest,
    ::testing::Values(DoorCase{SceneDoor::S1, "TForm1"}, DoorCase{SceneDoor::S2, "TFormCat"},
                      DoorCase{SceneDoor::S3, "TForm8"}, DoorCase{SceneDoor::S4, "TForm2"},
                      DoorCase{SceneDoor::S5, "TForm3"}, DoorCase{SceneDoor::S6, "TFIniPro"},
                      DoorCase{SceneDoor::Q1, "TFormCon"}, DoorCase{SceneDoor::Q2, "TForm2"},
                      DoorCase{SceneDoor::Q3, "Tprofe"}),
    [](const auto& param) { return std::string(param.param.screen) + "_" + std::to_string(param.index); });

TEST_F(Tform9Test, TheExitDoorAndEscapeAskTheExitQuestion) {
    Tform9& s = scene();
    s.show();
    s.DXTimerTimer();
    messages.answer = false;
    Click(&s, {120, 730});  // the exit door
    ASSERT_EQ(messages.questions.size(), 1);
    EXPECT_EQ(messages.questions[0], QStringLiteral("¿Salir del programa?"));
    EXPECT_TRUE(s.isVisible());
    EXPECT_TRUE(s.DXTimer->isActive());  // stopped while asking only
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    messages.answer = true;
    QApplication::sendEvent(&s, &escape);
    EXPECT_EQ(messages.questions.size(), 2);
    EXPECT_EQ(end.ended, 1);
}

TEST_F(Tform9Test, TheMagnifierLeavesForTheMainMenuBehindTheCurtain) {
    navigation.existing = {"Tform0"};
    Tform9& s = scene();
    s.show();
    s.DXTimerTimer();
    const QImage before = s.surface();
    Click(&s, {120, 670});
    EXPECT_EQ(s.DXTimer->interval(), 16);
    for (int i = 0; i < 40; ++i) s.DXTimerTimer();
    // The facade grows from the bottom left corner over the last frame.
    const QImage& parte = pictures.picture("parte");
    EXPECT_EQ(s.surface().pixel(0, 767), parte.pixel(0, 767 % parte.height()));
    EXPECT_EQ(s.surface().pixel(1000, 10), before.pixel(1000, 10));
    testing::SaveShot(s, "scene_curtain");
    for (int i = 0; i < 60 && s.isVisible(); ++i) s.DXTimerTimer();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(navigation.opened, QStringList{QStringLiteral("Tform0")});
    EXPECT_FALSE(enlace.animationEnabled);
}

TEST_F(Tform9Test, WithoutItsPicturesTheSceneSaysSoAndLeavesTheMenuAsHome) {
    const struct {
        const char* what;
        bool writeLibraries;
    } cases[] = {{"no libraries", false}, {"pictures that are no pictures", true}};
    for (const auto& c : cases) {
        testing::TempFolder folder;
        if (c.writeLibraries) {
            for (SceneLibrary library : {SceneLibrary::A, SceneLibrary::B}) {
                std::string bytes = "VLMIMGS1";
                std::vector<std::string> entries;
                for (const SceneImageName& name : SceneImageNames()) {
                    if (name.library != library) continue;
                    const std::string png = "\x89PNG\r\n\x1a\nnot really";
                    std::string e(1, static_cast<char>(name.name.size()));
                    e += name.name;
                    e += std::string("\x0a\x00\x0a\x00\x01\x00", 6);
                    const auto n = static_cast<unsigned>(png.size());
                    e += std::string{static_cast<char>(n), 0, 0, 0} + png;
                    entries.push_back(e);
                }
                const auto count = static_cast<unsigned>(entries.size());
                bytes += std::string{static_cast<char>(count), 0, 0, 0};
                for (const std::string& e : entries) bytes += e;
                folder.write(SceneLibraryFile(library), bytes);
            }
        }
        RecordingMessages said;
        Enlace other(said, DataPaths::ForDataFolder(folder.path()));
        other.animationEnabled = true;
        Tform9 s(ScenePlatform{other, pictures, display, shutdown, navigation});
        EXPECT_FALSE(s.ready()) << c.what;
        EXPECT_EQ(said.shown, QStringList{QStringLiteral("No funcionará la animación.")}) << c.what;
        EXPECT_FALSE(other.animationEnabled) << c.what;
        EXPECT_FALSE(other.sceneIsHome) << c.what;
    }
}

TEST_F(Tform9Test, ALookAtTheBuildingInEveryLanguage) {
    const struct {
        QPointF at;
        const char* name;
    } places[] = {{{-400, -800}, "study_left"}, {{300, -800}, "study_right"},
                  {{700, -790}, "stop_studying"}, {{100, -450}, "section"},
                  {{1300, -800}, "lost"}, {{-100, 0}, "hall"}};
    for (int code = 0; code < kLanguageCount; ++code) {
        enlace.setLanguage(code);
        ASSERT_TRUE(enlace.LoadInterfaceTexts());
        Tform9 s(ScenePlatform{enlace, pictures, display, shutdown, navigation});
        ASSERT_TRUE(s.ready());
        s.show();
        for (const auto& place : places) {
            s.model()->placePlayer(place.at);
            s.DXTimerTimer();
            const std::string name = "scene_" + std::to_string(code) + "_" + place.name;
            testing::SaveShot(s, name.c_str());
            // Every frame shows the building round her and the panel.
            EXPECT_EQ(s.surface().pixelColor(40, 767), QColor(0, 0, 128)) << name;
        }
    }
}

}  // namespace
}  // namespace velmora
