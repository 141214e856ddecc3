#include "app/main_sequence.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>
#include <vector>

#include "app/menu_routes.h"
#include "app/options.h"
#include "app/screen_data.h"
#include "app/screens.h"
#include "core/shared/command_line.h"
#include "core/shared/enlace.h"
#include "core/shared/settings_store.h"
#include "core/shared/shutdown.h"
#include "core/shared/single_instance.h"
#include "core/shared/startup.h"
#include "ui/printing/qt_printing.h"
#include "ui/shared/bienvenidaU.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/hintU.h"
#include "ui/shared/qt_address_opener.h"
#include "ui/shared/qt_display.h"
#include "ui/shared/qt_messages.h"
#include "ui/shared/qt_save_dialog.h"
#include "ui/shared/qt_sound.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

// Measurement runs must never wait for a person: messages go to standard error, questions are
// answered no.
class StderrMessages final : public Messages {
  public:
    void showMessage(const QString& text) override { print(text); }
    void reportError(const QString& text) override { print(text); }
    bool askYesNo(const QString&, const QString& text) override {
        print(text);
        return false;
    }

  private:
    static void print(const QString& text) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
};

// Runs the event loop for a while so that the splash keeps painting.
void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Closes the splash when the main window is shown and, in a measurement run, ends the program
// right after. The splash is destroyed there and then, so that its picture and its window's
// memory are given back before the main window paints.
class MainWindowShown : public QObject {
  public:
    MainWindowShown(std::unique_ptr<TBienvenida>& splash, bool endAfter)
        : splash_(splash), endAfter_(endAfter) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            splash_.reset();
#ifdef __GLIBC__
            malloc_trim(0);  // hands the freed pages back before the main window takes its own
#endif
            if (endAfter_) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::unique_ptr<TBienvenida>& splash_;
    bool endAfter_;
};

class Ending final : public ProgramEnd {
  public:
    Ending(Enlace& enlace, SharedPictures& pictures, ScreenContext*& context)
        : enlace_(enlace), pictures_(pictures), context_(context) {}

    void showHome() override {
        QWidget* scene = context_->screen("Tform9");
        QWidget* home = enlace_.animationEnabled && scene ? scene : context_->screen("Tform0");
        ShowInFront(home);
    }

    void end() override {
        pictures_.release();
        // exit(), not quit(): quit() would ask every window to close, and the main menu would
        // put its exit question again.
        QCoreApplication::exit(0);
    }

  private:
    Enlace& enlace_;
    SharedPictures& pictures_;
    ScreenContext*& context_;
};

}  // namespace

int RunVelmora(int& argc, char** argv, const ProgramOptions& options, const ProgramHook& hook) {
    // The framework comes first here: message boxes and picture loading need it. No window
    // exists until the splash.
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // the program ends by its exit question
    // Qt's own buttons ("Yes", "No", "OK") in Spanish, where the system has Qt's translations.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_es"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    QtMessages boxes;
    StderrMessages quiet;
    Messages& messages = hook.messages            ? *hook.messages
                         : options.measureStartup ? static_cast<Messages&>(quiet)
                                                  : boxes;

    Enlace enlace(messages, DataPaths::ForProgramFolder(QCoreApplication::applicationDirPath()));
    const SettingsStore store;
    SharedPictures pictures;
    ShellStartupLoad(enlace, store, PositionalParameters(app.arguments().mid(1)),
                     {pictures, GraphicsLayerVersion()});

    SingleInstance lock;
    if (!lock.Acquire()) {
        messages.showMessage(AlreadyRunningMessage());
        return 0;
    }
    if (enlace.stopFlag) return 1;

    auto splash = std::make_unique<TBienvenida>(enlace.settings.schoolName,
                                                enlace.paths.dataFile(QStringLiteral("portada")));
    splash->showNow();

    QtDisplay display;
    NoticeSlot notice;
    ScreenContext* contextRef = nullptr;
    Ending ending(enlace, pictures, contextRef);
    Shutdown shutdown(enlace, display, notice, ending);
    QtAddressOpener opener;
    MenuRoutes routes;
    QtPrinting printing(messages, enlace.paths.dataFolder());
    QtSaveDialog saveDialog;
    QtSound sound;
    ScreenContext context{enlace,
                          pictures,
                          display,
                          shutdown,
                          notice,
                          store,
                          hook.opener ? *hook.opener : opener,
                          routes,
                          hook.printing ? *hook.printing : printing,
                          hook.saveDialog ? *hook.saveDialog : saveDialog,
                          hook.sound ? *hook.sound : sound,
                          {}};
    routes.attach(context);
    contextRef = &context;
    HintInstaller hints(enlace.hintPause);

    std::vector<std::unique_ptr<QWidget>> created;
    auto release = [&] {
        display.restore();
        while (!created.empty()) created.pop_back();  // the last created goes first
    };
    QWidget* mainWindow = nullptr;
    const auto& factories = ScreenFactories();
    for (const StartupStep& step : ScreenCreationOrder(enlace.animationEnabled)) {
        switch (step.kind) {
            case StartupStep::Kind::Progress:
                splash->setProgress(step.value);
                break;
            case StartupStep::Kind::Wait:
                if (!options.measureStartup && hook.splashPauses) Wait(step.value);
                break;
            case StartupStep::Kind::Create: {
                // The screen's data first: the screens after it read those tables, whether or
                // not this build has its widget.
                RunScreenDataLoad(step.screen, enlace);
                const auto factory = factories.find(step.screen);
                if (factory == factories.end()) break;  // a screen this build does not have yet
                QWidget* screen = factory->second(context);
                if (!screen) break;
                created.emplace_back(screen);
                context.screens.emplace(std::string(step.screen), screen);
                display.adoptScreen(screen);
                if (!mainWindow) mainWindow = screen;
                break;
            }
            case StartupStep::Kind::StopCheck:
                if (enlace.stopFlag) {
                    release();
                    return 1;
                }
                break;
        }
    }
    if (!mainWindow) return 1;

    // A school with large displays has every screen scaled to fill them from the start (after
    // the splash has shown the loading); the option of this run wins over the setting.
    if (options.fillScreen.value_or(enlace.settings.fillScreen)) display.switchTo(kScreenMode, false);
    MainWindowShown shown(splash, options.measureStartup);
    mainWindow->installEventFilter(&shown);
    CentreOnScreen(mainWindow);
    mainWindow->show();
    if (hook.atHome) QTimer::singleShot(0, &app, [&] { hook.atHome(context); });
    const int code = app.exec();
    mainWindow->removeEventFilter(&shown);
    release();
    return code;
}

}  // namespace velmora
