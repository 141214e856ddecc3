#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/menu_routes.h"
#include "app/screen_data.h"
#include "app/screens.h"
#include "core/shared/enlace.h"
#include "core/shared/shutdown.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"
#include "support/recording_save_dialog.h"
#include "support/recording_sound.h"
#include "ui/shared/qt_display.h"
#include "ui/university/degrees_fixture.h"

namespace velmora::testing {

// The program's own start-up over the bundled data in one language, without the scene, with the
// program's routes and screen factories; the tests create the screens they need by class name
// and may add stand-ins for screens this build does not have.
class Program : public BundledStartup {
  public:
    explicit Program(int language = 0) : BundledStartup(language) { routes.attach(context); }
    ~Program() {
        while (!created.empty()) created.pop_back();  // the last created goes first
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the screens of these classes with the program's factories, in this order.
    void create(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const auto factory = ScreenFactories().find(name);
            if (factory == ScreenFactories().end()) continue;
            add(name, factory->second(context));
        }
    }
    // Walks the start-up's creation order, running every screen's data load at its place, and
    // creates the screens of these classes there with the program's factories.
    void createInStartupOrder(std::initializer_list<const char*> names) {
        for (const StartupStep& step : ScreenCreationOrder(false)) {
            if (step.kind != StartupStep::Kind::Create) continue;
            RunScreenDataLoad(step.screen, *enlace);
            for (const char* name : names)
                if (step.screen == name) create({name});
        }
    }
    // Takes a screen into the program under a class name.
    void add(const char* name, QWidget* screen) {
        created.emplace_back(screen);
        context.screens.emplace(std::string(name), screen);
    }
    QWidget* screen(const char* name) const { return context.screen(name); }

    QtDisplay display;
    NoticeSlot notice;
    CountingEnd end;
    Shutdown shutdown{*enlace, display, notice, end};
    RecordingOpener opener;
    MenuRoutes routes;
    RecordingSound sound;
    RecordingPrinting printing;
    RecordingSaveDialog saveDialog;
    ScreenContext context{*enlace, pictures, display,  shutdown,   notice, *store,
                          opener,  routes,   printing, saveDialog, sound,  {}};
    std::vector<std::unique_ptr<QWidget>> created;
};

}  // namespace velmora::testing
