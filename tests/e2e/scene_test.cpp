// The scene as home screen (`velmora S`): through its doors to a section, its main request, and
// back to the scene. Without the scene's pictures in the data folder the program starts on the
// main menu and these tests are skipped.
#include <gtest/gtest.h>

#include "core/menu/scene.h"
#include "core/menu/scene_layout.h"
#include "e2e/whole_program.h"
#include "ui/menu/animacion.h"

namespace velmora {
namespace {

using testing::EndToEnd;
using testing::SendMouse;

constexpr const char* kNoScene =
    "the scene's pictures are not in the data folder: the program starts on the main menu";

class SceneHome : public EndToEnd {
  protected:
    // Starts on the scene and walks through `door`; false when there is no scene, after leaving
    // the program from the main menu.
    int runThrough(SceneDoor door, const char* section, Walk walk) {
        return run({QStringLiteral("S"), QStringLiteral("0")}, [=, this] {
            Tform9* scene = screen<Tform9>("Tform9");
            if (!scene) {
                noScene = true;
                leave();
                return;
            }
            ASSERT_TRUE(scene->isVisible());
            for (int i = 0; i < 50 && scene->model()->introRunning(); ++i) scene->DXTimerTimer();
            // She stands before the door; a double click on it walks her through.
            const QRectF rect = scene->model()->doorRect(door);
            const bool upperFloor = rect.top() < -700;
            scene->model()->placePlayer({rect.left() + 20, upperFloor ? -800.0 : -430.0});
            const QPoint centre = (rect.center() - scene->model()->cameraOffset()).toPoint();
            testing::DoubleClickAt(scene, centre);
            for (int i = 0; i < 100 && scene->isVisible(); ++i) scene->DXTimerTimer();
            ASSERT_FALSE(scene->isVisible());
            ASSERT_TRUE(context->screen(section)->isVisible()) << section;
            QCoreApplication::sendPostedEvents();
            walk();
            if (::testing::Test::HasFatalFailure()) return;
            homeAndOut(context->screen(section), scene);
        });
    }

    bool noScene = false;
};

TEST_F(SceneHome, ThroughTheUniversityDoorToADegreesPlaces) {
    const int code =
        runThrough(SceneDoor::S1, "TForm1", [this] { walkDegreesPlaces("scene-degrees"); });
    if (noScene) GTEST_SKIP() << kNoScene;
    EXPECT_EQ(code, 0) << errors();
}

TEST_F(SceneHome, ThroughTheHigherVocationalDoorToATitlesStatistics) {
    const int code = runThrough(SceneDoor::S3, "TForm8",
                                [this] { walkHigherStatistics("scene-higher-statistics"); });
    if (noScene) GTEST_SKIP() << kNoScene;
    EXPECT_EQ(code, 0) << errors();
}

}  // namespace
}  // namespace velmora
