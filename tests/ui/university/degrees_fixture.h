#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/menu/doors.h"
#include "core/menu/menu_navigation.h"
#include "core/shared/cp1252.h"
#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/notice.h"
#include "core/shared/settings_store.h"
#include "core/shared/shutdown.h"
#include "core/shared/startup.h"
#include "support/fake_shell.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"
#include "support/temp_folder.h"
#include "ui/guidance/MapaEstrellas.h"
#include "ui/menu/principal.h"
#include "ui/menu/section_targets.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/shared_pictures.h"
#include "ui/university/grados.h"
#include "ui/vocational/pasarelaFP.h"

namespace velmora::testing {

// The vocational files the degrees screen's set-up also reads.
inline const std::vector<const char*>& VocationalFiles() {
    static const std::vector<const char*> files = {
        "cas/fp", "cas/reqfp", "cas/asignafp", "cas/familias", "lu1",
        "lu2",    "lu3",       "lu4",          "datfpsphp",    "datluggsphp"};
    return files;
}

// The data folder of the walk: the bundled one itself when it holds every file the degrees
// screen reads; otherwise a copy of it in a temporary folder with small valid stand-ins of the
// vocational files it lacks.
class BundledCopy : public TempFolder {
  public:
    // With `alwaysCopy`, a copy the test may change even when the bundled folder is complete.
    explicit BundledCopy(bool alwaysCopy = false) {
        const QDir bundled(QStringLiteral(VELMORA_BUNDLED_DATA));
        bool complete = true;
        for (const char* name : VocationalFiles())
            complete = complete && QFile::exists(bundled.filePath(QString::fromLatin1(name)));
        if (complete && !alwaysCopy) {
            dataFolder = bundled.path() + QLatin1Char('/');
            return;
        }
        dataFolder = path();
        copyFiles(bundled, QString());
        copyFiles(QDir(bundled.filePath(QStringLiteral("pdf"))), QStringLiteral("pdf/"));
        for (const QString& language : {QStringLiteral("cas"), QStringLiteral("catVal"),
                                        QStringLiteral("galego"), QStringLiteral("euskera")})
            copyFiles(QDir(bundled.filePath(language)), language + QLatin1Char('/'));
        standIn("cas/fp", {"-Sanidad", "Laboratorio Clinico y Biomedico"});
        standIn("cas/reqfp", {"Bachillerato"});
        standIn("cas/asignafp", std::vector<std::string>(52, "asignatura"));
        standIn("cas/familias", {"1Actividades fisicas y deportivas"});
        for (const char* list : {"lu1", "lu2", "lu3", "lu4"}) standIn(list, {"1Centro de prueba"});
        standIn("datfpsphp", {"0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;21",
                              "1;0;0;0;1;0;0;0;0;0;0;0;0;0;0;0;0;1;0;0;0;0;0;21"});
        standIn("datluggsphp", {"1;2", "0", "0", "0"});
    }

    QString dataFolder;  // with a trailing separator
    QStringList standIns;

  private:
    void copyFiles(const QDir& from, const QString& to) {
        QDir().mkpath(file(to));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), file(to + name));
    }
    void standIn(const char* name, const std::vector<std::string>& lines) {
        const QString relative = QString::fromLatin1(name);
        if (QFile::exists(file(relative))) return;
        writeLines(relative, lines);
        standIns << relative;
    }
};

// Opens the sections the way the program's routes do: the target's steps, then the screen.
class ScreenRoutes final : public MenuNavigation {
  public:
    bool openSection(const SectionTarget& target) override {
        QWidget* screen = find(target.screen);
        opened << QString::fromLatin1(target.screen.data(),
                                      static_cast<qsizetype>(target.screen.size()));
        if (!screen) return false;
        PrepareSection(screen, target, intermediateFirstOpening && *intermediateFirstOpening);
        screen->show();
        return true;
    }
    bool returnToScene() override { return false; }

    std::function<QWidget*(std::string_view)> find;
    QStringList opened;
    // The program's first-opening flag of the intermediate screen, when the walk has one.
    const bool* intermediateFirstOpening = nullptr;
};

// The program's shared loading over the bundled data in one language without the scene, for a
// school with a name; transitions are immediate. `edit` changes a copy of the folder before
// anything is read from it.
class BundledStartup {
  public:
    explicit BundledStartup(int language = 0, const std::function<void(BundledCopy&)>& edit = {})
        : folder(static_cast<bool>(edit)) {
        if (edit) edit(folder);
        RollTransition::SetDuration(0);
        ShellStartupLoad(*enlace, *store, {QStringLiteral("N"), QString::number(language)},
                         {pictures, 9});
        enlace->settings.schoolName = QStringLiteral("IES Miralbueno   ");
    }

    BundledCopy folder;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace =
        std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.dataFolder));
    std::unique_ptr<SettingsStore> store =
        std::make_unique<SettingsStore>(folder.file(QStringLiteral("config/velmora.ini")));
    SharedPictures pictures;
};

// The shared loading with the seams the screens need.
class BundledProgram : public BundledStartup {
  public:
    explicit BundledProgram(int language = 0, const std::function<void(BundledCopy&)>& edit = {})
        : BundledStartup(language, edit) {}

    FixedDisplay display;
    AnsweringNotice notice;
    CountingEnd end;
    Shutdown shutdown{*enlace, display, notice, end};
    RecordingOpener opener;
    ScreenRoutes routes;
};

// The screens of the degrees walk, in Castilian unless told (language 0..3): the star map, the
// cut-off window, the degrees screen and the main menu.
class DegreesProgram : public BundledProgram {
  public:
    explicit DegreesProgram(int language = 0) : BundledProgram(language) {
        routes.find = [this](std::string_view name) -> QWidget* {
            if (name == "TForm1") return degrees.get();
            if (name == "TForm6") return cutOff.get();
            if (name == "TForm7") return stars.get();
            if (name == "Tform0") return menu.get();
            return nullptr;
        };
    }

    // Creates the screens in the start-up's order: the cut-off window and the star map before
    // the degrees screen.
    void createScreens() {
        cutOff = std::make_unique<TForm6>(*enlace, opener);
        stars = std::make_unique<TForm7>(*enlace, pictures);
        degrees = std::make_unique<TForm1>(DegreesPlatform{*enlace, pictures, shutdown, opener,
                                                           *printing, stars.get(), routes.find});
        menu = std::make_unique<Tform0>(MenuPlatform{*enlace, pictures, display, shutdown, routes,
                                                     opener, SettingsStore(store->file())});
    }

    // The degrees screen prints here; a test may point it elsewhere before createScreens().
    RecordingPrinting recording;
    Printing* printing = &recording;
    std::unique_ptr<TForm6> cutOff;
    std::unique_ptr<TForm7> stars;
    std::unique_ptr<TForm1> degrees;
    std::unique_ptr<Tform0> menu;
};

// Interface text n as the screens show it.
inline QString Text(const Enlace& enlace, int n) {
    return cp1252::Decode(enlace.texts[n]);
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(
        type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
        type == QEvent::MouseMove || type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
        Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A pixel of `region` on a map (the region's first cell, column by column, that has neighbours
// of the same region on its right and below); none: (-1, -1).
inline QPoint PixelOf(const RegionMaps& maps, RegionMap map, int region) {
    for (int x = 1; x < RegionMaps::kWidth; ++x)
        for (int y = 1; y < RegionMaps::Height(map); ++y)
            if (maps.RegionAt(map, x, y) == region && maps.RegionAt(map, x + 1, y) == region &&
                maps.RegionAt(map, x, y + 1) == region)
                return {x - 1, y - 1};
    return {-1, -1};
}

// A press and release at `at`, after a move there.
inline void ClickAt(QWidget* widget, QPoint at) {
    SendMouse(widget, QEvent::MouseMove, at);
    SendMouse(widget, QEvent::MouseButtonPress, at);
    SendMouse(widget, QEvent::MouseButtonRelease, at);
}

inline void DoubleClickAt(QWidget* widget, QPoint at) {
    ClickAt(widget, at);
    SendMouse(widget, QEvent::MouseButtonDblClick, at);
    SendMouse(widget, QEvent::MouseButtonRelease, at);
}

// The centre of row `row` of a grid or list, in its viewport.
inline QPoint RowCentre(QAbstractItemView* view, int row, int column = 0) {
    return view->visualRect(view->model()->index(row, column)).center();
}

// A door of the main menu: the figure climbs, the door grows, its screen opens.
inline void OpenDoor(Tform0& menu, MenuLabel door) {
    menu.show();
    ClickAt(menu.label(door), {4, 4});
    for (int i = 0; i < 20 && menu.TimerPuerta->isActive(); ++i) menu.tick(MenuTimer::Puerta);
    for (int i = 0; i < 40 && menu.TimerZoom->isActive(); ++i) menu.tick(MenuTimer::Zoom);
}

}  // namespace velmora::testing
