#pragma once

#include <QCoreApplication>
#include <memory>

#include "core/guidance/questionnaire_load.h"
#include "core/shared/setup_guard.h"
#include "core/university/degree_load.h"
#include "core/vocational/vocational_load.h"
#include "support/pdf_printing.h"
#include "support/recording_save_dialog.h"
#include "support/scripted_notice.h"
#include "support/shots.h"
#include "ui/guidance/formconsejo.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/guidance/itinerarios.h"
#include "ui/guidance/profeU.h"
#include "ui/university/degrees_fixture.h"

namespace velmora::testing {

// The program's start-up over the bundled data in one language, without the scene, with what
// the screens created before the questionnaire screens load: the degree tables with the higher
// vocational titles and the questionnaire keys (the degrees screen), and the ESO screen's files
// with the intermediate titles. Reports go to PDF files in a temporary folder; the notice and
// the save dialog answer as the test scripts them.
class QuestionnaireProgram {
  public:
    explicit QuestionnaireProgram(int language = 0) {
        RollTransition::SetDuration(0);
        ShellStartupLoad(*enlace, *store, {QStringLiteral("N"), QString::number(language)},
                         {pictures, 9});
        enlace->settings.schoolName = QStringLiteral("IES Miralbueno");
        loaded =
            RunSetUp(messages, [this] { LoadDegreeData(*enlace); }) && RunSetUp(messages, [this] {
                LoadEsoScreenQuestionnaires(*enlace);
                LoadFpMiddle(*enlace);
                LoadFpMiddlePlaces(*enlace);
            });
        routes.find = [this](std::string_view name) -> QWidget* {
            if (name == "TFormCon") return advice.get();
            if (name == "Tprofe") return professions.get();
            if (name == "TForm2") return eso.get();
            if (name == "Tform0") return menu.get();
            return nullptr;
        };
    }

    void createAdvice() {
        advice = std::make_unique<TFormCon>(
            AdvicePlatform{*enlace, pictures, shutdown, notice, printing, saveDialog, routes.find});
    }
    void createProfessions() {
        professions = std::make_unique<Tprofe>(
            ProfessionsPlatform{*enlace, pictures, notice, printing, saveDialog, routes.find});
    }
    void createEso() {
        eso = std::make_unique<TForm2>(
            EsoPlatform{*enlace, pictures, shutdown, notice, printing, saveDialog, routes.find});
    }
    void createMenu() {
        menu = std::make_unique<Tform0>(MenuPlatform{*enlace, pictures, display, shutdown, routes,
                                                     opener, SettingsStore(store->file())});
    }

    // What a screen shows once its pending work (the restart question, layouts, the help
    // panel's typing) is done.
    static void Shot(QWidget& widget, const QString& name) {
        QCoreApplication::processEvents();
        for (HelpPanelView* help : widget.findChildren<HelpPanelView*>()) help->finishTyping();
        SaveShot(widget, name.toUtf8().constData());
    }

    // With VELMORA_SHOTS set, keeps a printed report there too, to be looked at.
    static void KeepPdf(const QString& file, const QString& name) {
        const QString folder = qEnvironmentVariable("VELMORA_SHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        QFile::remove(folder + QLatin1Char('/') + name + QStringLiteral(".pdf"));
        QFile::copy(file, folder + QLatin1Char('/') + name + QStringLiteral(".pdf"));
    }

    BundledCopy folder;
    TempFolder output;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace =
        std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.dataFolder));
    std::unique_ptr<SettingsStore> store =
        std::make_unique<SettingsStore>(output.file(QStringLiteral("config/velmora.ini")));
    SharedPictures pictures;
    FixedDisplay display;
    ScriptedNotice notice;
    CountingEnd end;
    Shutdown shutdown{*enlace, display, notice, end};
    RecordingOpener opener;
    ScreenRoutes routes;
    PdfPrinting printing{messages, folder.dataFolder, output.file(QStringLiteral("report.pdf"))};
    RecordingSaveDialog saveDialog;
    bool loaded = false;
    std::unique_ptr<TFormCon> advice;
    std::unique_ptr<Tprofe> professions;
    std::unique_ptr<TForm2> eso;
    std::unique_ptr<Tform0> menu;
};

}  // namespace velmora::testing
