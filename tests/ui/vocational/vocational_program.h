#pragma once

#include <QCoreApplication>
#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "app/screen_data.h"
#include "core/shared/setup_guard.h"
#include "core/shared/startup.h"
#include "core/university/degree_load.h"
#include "support/shots.h"
#include "ui/guidance/program_fixture.h"
#include "ui/menu/principal.h"

namespace velmora::testing {

// The program's start-up over the bundled data in one language: every screen's data load at its
// place in the creation order (the degrees screen's tables too), and the screens named created
// there with the program's factories, the main menu first.
class VocationalProgram : public Program {
  public:
    explicit VocationalProgram(int language) : Program(language) {}

    void createScreens(std::initializer_list<std::string_view> names) {
        create({"Tform0"});
        for (const StartupStep& step : ScreenCreationOrder(false)) {
            if (step.kind != StartupStep::Kind::Create) continue;
            RunScreenDataLoad(step.screen, *enlace);
            if (step.screen == "TForm1") RunSetUp(messages, [this] { LoadDegreeData(*enlace); });
            if (std::find(names.begin(), names.end(), step.screen) != names.end())
                create({std::string(step.screen).c_str()});
        }
    }

    Tform0* menu() const { return qobject_cast<Tform0*>(screen("Tform0")); }

    // A door of the main menu: the figure climbs, the door grows, the screen opens.
    void openDoor(MenuLabel label) {
        Tform0* m = menu();
        m->show();
        ClickAt(m->label(label), {4, 4});
        for (int i = 0; i < 20 && m->TimerPuerta->isActive(); ++i) m->tick(MenuTimer::Puerta);
        for (int i = 0; i < 40 && m->TimerZoom->isActive(); ++i) m->tick(MenuTimer::Zoom);
    }
};

// A picture of a screen as the student sees it, named by the screen, language and step.
inline void LanguageShot(QWidget& widget, const char* screen, int language, const char* step) {
    static const char* const kLanguages[] = {"cas", "catVal", "galego", "euskera"};
    QCoreApplication::processEvents();
    SaveShot(widget, (std::string(screen) + "-" + kLanguages[language] + "-" + step).c_str());
}

}  // namespace velmora::testing
