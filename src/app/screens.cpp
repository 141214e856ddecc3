#include "app/screens.h"

#include <memory>

#include "core/shared/settings_store.h"
#include "ui/guidance/MapaEstrellas.h"
#include "ui/guidance/asistente.h"
#include "ui/guidance/formconsejo.h"
#include "ui/guidance/formlomce.h"
#include "ui/guidance/itinerarios.h"
#include "ui/guidance/profeU.h"
#include "ui/menu/animacion.h"
#include "ui/menu/principal.h"
#include "ui/shared/aviso.h"
#include "ui/shared/qt_display.h"
#include "ui/university/est_grados.h"
#include "ui/university/estadistica.h"
#include "ui/university/grados.h"
#include "ui/vocational/catU.h"
#include "ui/vocational/certifiU.h"
#include "ui/vocational/inipro.h"
#include "ui/vocational/medio.h"
#include "ui/vocational/pasarelaFP.h"
#include "ui/vocational/superior.h"

namespace velmora {

void NoticeSlot::set(TForm4* dialog) {
    dialog_ = dialog;
    notice_ = dialog;
}

// Before TForm4 exists (or after it is gone) every question is answered no.
bool NoticeSlot::question(const QString& text) {
    if (dialog_.isNull() || notice_ == nullptr) return false;
    return notice_->question(text);
}

bool NoticeSlot::questionWithNote(const QString& text, const QString& note) {
    if (dialog_.isNull() || notice_ == nullptr) return false;
    return notice_->questionWithNote(text, note);
}

std::optional<QString> NoticeSlot::askName(const QString& prompt, const QString& proposal) {
    if (dialog_.isNull() || notice_ == nullptr) return std::nullopt;
    return notice_->askName(prompt, proposal);
}

QWidget* ScreenContext::screen(std::string_view name) const {
    const auto found = screens.find(name);
    return found == screens.end() ? nullptr : found->second.data();
}

namespace {

// What every vocational level screen is given.
LevelPlatform LevelPlatformOf(ScreenContext& c) {
    return LevelPlatform{
        c.enlace, c.pictures, c.shutdown,   c.printing,
        c.sound,  c.notice,   c.saveDialog, [&c](std::string_view name) {
                             return c.screen(name); }};
}

}  // namespace

const std::map<std::string_view, ScreenFactory>& ScreenFactories() {
    static const std::map<std::string_view, ScreenFactory> factories = {
        // Without its pictures the scene has said so and is not created: the plain main menu
        // is then the home screen.
        {"Tform9",
         [](ScreenContext& c) -> QWidget* {
             auto scene = std::make_unique<Tform9>(
                 ScenePlatform{c.enlace, c.pictures, c.display, c.shutdown, c.navigation});
             return scene->ready() ? scene.release() : nullptr;
         }},
        {"Tform0",
         [](ScreenContext& c) -> QWidget* {
             return new Tform0(MenuPlatform{c.enlace, c.pictures, c.display, c.shutdown,
                                            c.navigation, c.opener, c.settingsStore});
         }},
        {"TForm6", [](ScreenContext& c) -> QWidget* { return new TForm6(c.enlace, c.opener); }},
        {"TEstadisticas",
         [](ScreenContext& c) -> QWidget* { return new TEstadisticas(c.enlace, c.opener); }},
        {"TFormEstGra",
         [](ScreenContext& c) -> QWidget* { return new TFormEstGra(c.enlace, c.opener); }},
        {"TForm7", [](ScreenContext& c) -> QWidget* { return new TForm7(c.enlace, c.pictures); }},
        // Its set-up reads the degree tables; a missing file sets the stop flag, which the
        // start-up tests right after.
        {"TForm1",
         [](ScreenContext& c) -> QWidget* {
             return new TForm1(
                 DegreesPlatform{c.enlace, c.pictures, c.shutdown, c.opener, c.printing,
                                 qobject_cast<TForm7*>(c.screen("TForm7")),
                                 [&c](std::string_view name) { return c.screen(name); }});
         }},
        // The comarcas, zones and area codes it lists places by are loaded at its place in the
        // start-up (ScreenDataLoads).
        {"TForm8",
         [](ScreenContext& c) -> QWidget* {
             return new TForm8(LevelPlatformOf(c), c.opener);
         }},
        // Its set-up reads "cualidad" and "interes"; the notice dialog comes later in the order
        // and is reached through the slot.
        {"TFormCon",
         [](ScreenContext& c) -> QWidget* {
             return new TFormCon(AdvicePlatform{
                 c.enlace, c.pictures, c.shutdown, c.notice, c.printing, c.saveDialog,
                 [&c](std::string_view name) { return c.screen(name); }});
         }},
        // Its questionnaires and the intermediate titles were read at its place in the start-up
        // (screen_data.cpp); its set-up only sets its captions.
        {"TForm2",
         [](ScreenContext& c) -> QWidget* {
             return new TForm2(EsoPlatform{c.enlace, c.pictures, c.shutdown, c.notice, c.printing,
                                           c.saveDialog,
                                           [&c](std::string_view name) { return c.screen(name); }});
         }},
        // Its set-up reads "fracortas", "fralargas", "activida" and "profesio" and gathers the
        // studies of every profession from the tables loaded before it.
        {"Tprofe",
         [](ScreenContext& c) -> QWidget* {
             return new Tprofe(
                 ProfessionsPlatform{c.enlace, c.pictures, c.notice, c.printing, c.saveDialog,
                                     [&c](std::string_view name) { return c.screen(name); }});
         }},
        {"TForm3", [](ScreenContext& c) -> QWidget* { return new TForm3(LevelPlatformOf(c)); }},
        // Its tables were loaded at its place in the start-up (screen_data.cpp).
        {"TFIniPro", [](ScreenContext& c) -> QWidget* { return new TFIniPro(LevelPlatformOf(c)); }},
        // Its certificates were loaded at its place in the start-up.
        {"TCertifica",
         [](ScreenContext& c) -> QWidget* {
             return new TCertifica(
                 CertificatesPlatform{c.enlace, c.pictures, c.printing, c.opener,
                                      [&c](std::string_view name) { return c.screen(name); }});
         }},
        // Every table it lists was loaded by the screens created before it.
        {"TFormCat",
         [](ScreenContext& c) -> QWidget* {
             return new TFormCat(
                 CataloguePlatform{c.enlace, c.pictures, c.printing,
                                   [&c](std::string_view name) { return c.screen(name); }});
         }},
        {"TForm5",
         [](ScreenContext& c) -> QWidget* {
             return new TForm5(
                 AssistantPlatform{c.enlace, c.pictures, c.navigation, c.sound,
                                   [&c](std::string_view name) { return c.screen(name); }});
         }},
        {"TForm4",
         [](ScreenContext& c) -> QWidget* {
             auto* dialog = new TForm4(c.enlace);
             c.notice.set(dialog);
             return dialog;
         }},
        {"TFlomce",
         [](ScreenContext& c) -> QWidget* {
             return new TFlomce(DiagramPlatform{
                 c.enlace, c.pictures, [&c](std::string_view name) { return c.screen(name); }});
         }},
    };
    return factories;
}

}  // namespace velmora
