// One frame of the scene as the 33 ms timer runs it: every sprite moved, the whole scene drawn
// on a 1024 x 768 surface, against the least any frame costs: copying one 1024 x 768 picture
// onto the same surface. The figure walks through the study doors' corridor, the busiest view
// (walls, doors, ten signs with their captions twice, torches, the dark strip, the panel).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "core/menu/menu_navigation.h"
#include "core/menu/scene.h"
#include "core/shared/enlace.h"
#include "ratio.h"
#include "support/silent_messages.h"
#include "ui/menu/scene_painter.h"
#include "ui/menu/scene_pictures.h"

namespace velmora {
namespace {

// Fonts need a gui application; the benchmark runner does not make one. It is left to the end
// of the process: destroyed among the exit handlers, after Qt's own globals, it would crash.
void EnsureApplication() {
    static QGuiApplication* app = nullptr;
    if (app) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_scene";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
}

class Nowhere final : public MenuNavigation {
  public:
    bool openSection(const SectionTarget&) override { return false; }
    bool returnToScene() override { return false; }
};

constexpr QPointF kStart{-200, -800};

struct Fixture {
    Fixture() : enlace(messages, DataPaths::ForDataFolder(QStringLiteral(VELMORA_BUNDLED_DATA))) {
        EnsureApplication();
        enlace.LoadInterfaceTexts();
        enlace.settings.schoolName = QStringLiteral("IES Velmora");
        pictures = ScenePictures::Load(enlace.paths);
        backBuffer.fill(Qt::darkYellow);
        surface.fill(Qt::black);
        scene = std::make_unique<Scene>(enlace, navigation, pictures.sizes(), SceneSpeedFor(3000), 0);
        while (scene->introRunning()) scene->tick();
        scene->placePlayer(kStart);
        scene->click({1000, 390});  // walking right, with the marker still shown
    }

    testing::SilentMessages messages;
    Enlace enlace;
    Nowhere navigation;
    ScenePictures pictures;
    QImage backBuffer{1024, 768, QImage::Format_RGB32};
    QImage surface{1024, 768, QImage::Format_RGB32};
    std::unique_ptr<Scene> scene;
};

void BM_SceneFrame(benchmark::State& state) {
    Fixture f;
    if (!f.pictures.ok()) {
        state.SkipWithError(f.pictures.error().toStdString().c_str());
        return;
    }
    int frames = 0;
    ScenePainter painter(f.pictures, f.backBuffer);
    for (auto _ : state) {
        // Back to the same stretch of corridor now and then, so every frame shows the same view.
        if (++frames % 20 == 0) f.scene->placePlayer(kStart);
        f.scene->tick();
        QPainter surface(&f.surface);
        painter.paint(surface, f.scene->frame());
        surface.end();
        benchmark::DoNotOptimize(f.surface.constBits());
    }
}
BENCHMARK(BM_SceneFrame)->Unit(benchmark::kMicrosecond);

void BM_CopyOneScreen(benchmark::State& state) {
    EnsureApplication();
    QImage picture(1024, 768, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QImage surface(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&surface);
        painter.drawImage(0, 0, picture);
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_CopyOneScreen)->Unit(benchmark::kMicrosecond);

const bench::RegisterComparison kFrame{
    {"one frame of the scene against copying one screen", "BM_SceneFrame", "BM_CopyOneScreen", 4.0}};

}  // namespace
}  // namespace velmora
