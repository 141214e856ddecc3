#pragma once

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "app/screen_data.h"
#include "core/shared/setup_guard.h"
#include "core/university/degree_load.h"
#include "support/recording_printing.h"
#include "support/recording_save_dialog.h"
#include "support/recording_sound.h"
#include "support/shots.h"
#include "ui/university/degrees_fixture.h"
#include "ui/vocational/medio.h"

namespace velmora::testing {

// Every screen's data load at its place in the start-up's creation order, the degrees screen's
// own tables, the intermediate screen created at its place, and the main menu whose door 5 opens
// it.
class IntermediateProgram : public BundledProgram {
  public:
    explicit IntermediateProgram(int language = 0,
                                 const std::function<void(BundledCopy&)>& edit = {})
        : BundledProgram(language, edit) {
        routes.find = [this](std::string_view name) -> QWidget* {
            if (name == "TForm3") return medio.get();
            if (name == "Tform0") return menu.get();
            return nullptr;
        };
        routes.intermediateFirstOpening = &enlace->intermediateFirstOpening;
    }

    void createScreens() {
        for (const StartupStep& step : ScreenCreationOrder(false)) {
            if (step.kind != StartupStep::Kind::Create) continue;
            RunScreenDataLoad(step.screen, *enlace);
            if (step.screen == "TForm1") RunSetUp(messages, [this] { LoadDegreeData(*enlace); });
            if (step.screen == "TForm3")
                medio = std::make_unique<TForm3>(LevelPlatform{
                    *enlace, pictures, shutdown, printing, sound, notice, saveDialog, routes.find});
        }
        menu = std::make_unique<Tform0>(MenuPlatform{*enlace, pictures, display, shutdown, routes,
                                                     opener, SettingsStore(store->file())});
    }

    // The main menu's door 5: the figure climbs, the door grows, the screen opens.
    void openFromMainMenu() { OpenDoor(*menu, MenuLabel::FPM); }

    // A pixel of `region` on one of the screen's maps; none: (-1, -1).
    QPoint pixelOf(RegionMap map, int region) const {
        return PixelOf(enlace->regionMaps, map, region);
    }

    RecordingPrinting printing;
    RecordingSound sound;
    RecordingSaveDialog saveDialog;
    std::unique_ptr<TForm3> medio;
    std::unique_ptr<Tform0> menu;
};

// A picture of what the widget shows once its pending layout work is done.
inline void Shot(QWidget& widget, const QString& name) {
    QCoreApplication::processEvents();
    SaveShot(widget, name.toLatin1().constData());
}

}  // namespace velmora::testing
