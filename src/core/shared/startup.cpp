#include "core/shared/startup.h"

#include <QFileInfo>

#include "core/shared/command_line.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/settings_store.h"
#include "core/shared/setup_guard.h"

namespace velmora {
namespace {

constexpr StartupPicture kStartupPictures[] = {
    {"chica.bmp", "chica.bmp", false}, {"parte", "parte", false},
    {"heli.bmp", "heli.bmp", false},   {"mapa", "mapa", true},
    {"mapac", "mapac", true},          {"mapam", "mapam", true},
    {"suelo", "suelo", false},         {"marco", "TilDer", false},
    {"marco", "TilIzq", false},        {"marcoar", "marcoar", false},
};

constexpr int kMapPanelWidth = 115;

}  // namespace

std::span<const StartupPicture> StartupPictures() {
    return kStartupPictures;
}

QString AlreadyRunningMessage() {
    // Two lines: a line feed is the line break of the message boxes here.
    return QStringLiteral("¡¡ El Velmora ya está funcionando !!\n Mira en la barra de tareas...");
}

bool AnimationAvailable(bool wanted, bool sceneLibraryPresent, bool vectorLibraryPresent,
                        int graphicsLayerVersion) {
    return wanted && sceneLibraryPresent && vectorLibraryPresent && graphicsLayerVersion >= 7;
}

void ShellStartupLoad(Enlace& enlace, const SettingsStore& store, const QStringList& parameters,
                      StartupPlatform platform) {
    // 1-3. The tables live in Enlace at full capacity; the readers' widths; the folders.
    enlace.readerWidths = ReaderWidths{60, 55, 40, 60, 90};
    enlace.stopFlag = false;

    // 4. The settings.
    enlace.settings = store.Read();
    enlace.setLanguage(enlace.settings.languageCode);
    enlace.animationEnabled = enlace.settings.animation;

    // 5. The command line changes this run only; the settings keep what was stored.
    const CommandLineEffect effect = ReadCommandLine(parameters);
    if (effect.showUpdated)
        enlace.messages.showMessage(QStringLiteral("Programa Velmora actualizado"));
    if (effect.animation) enlace.animationEnabled = *effect.animation;
    if (effect.languageFolder) enlace.paths.setLanguageCode(*effect.languageFolder);
    if (effect.nonCastilian) enlace.nonCastilian = *effect.nonCastilian;

    // 6. The interface texts. A file the reader refuses (a line too many after an edit, say) is
    // reported with its file and line like a missing one, and ends the start-up: every caption
    // would otherwise be empty.
    bool textsLoaded = false;
    if (!RunSetUp(enlace.messages, [&] { textsLoaded = enlace.LoadInterfaceTexts(); })) {
        enlace.stopFlag = true;
        return;
    }
    if (!textsLoaded) return;

    // 7. The palette and the names of the shared pictures are fixed (palette.h, StartupPictures).

    // 8. The scene needs its two image libraries and a recent enough graphics layer.
    enlace.animationEnabled =
        AnimationAvailable(enlace.animationEnabled,
                           QFileInfo(enlace.paths.dataFile(QStringLiteral("segdxg1.DXG"))).isFile(),
                           QFileInfo(enlace.paths.dataFile(QStringLiteral("vector.DXG"))).isFile(),
                           platform.graphicsLayerVersion);

    // 9. The maps start with community 1 under the cursor.
    enlace.regionMaps.regionUnderCursor = 1;
    enlace.mapPanelWidth = kMapPanelWidth;

    // 10. Every picture is tried, even after one is missing.
    for (const StartupPicture& picture : kStartupPictures) {
        const QString path = enlace.paths.dataFile(
            QString::fromLatin1(picture.file.data(), static_cast<qsizetype>(picture.file.size())));
        if (platform.pictures.load(picture.slot, path)) continue;
        enlace.stopFlag = true;
        if (picture.isMap) enlace.messages.showMessage(QStringLiteral("Faltan ficheros"));
    }

    // 11-12. The region maps.
    enlace.regionMaps.SetMarkerPoints();
    if (!enlace.regionMaps.LoadRegionGrids(enlace.paths.dataFile(QStringLiteral("puntos3")),
                                           enlace.messages, enlace.stopFlag))
        return;

    // 13. The keyed explanation lines; a refused file ends the start-up as a missing one does.
    if (!RunSetUp(enlace.messages, [&] { enlace.LoadKeyedLines(); })) enlace.stopFlag = true;
}

std::vector<StartupStep> ScreenCreationOrder(bool animationEnabled) {
    using K = StartupStep::Kind;
    std::vector<StartupStep> steps;
    auto progress = [&](int value) { steps.push_back({K::Progress, value, {}}); };
    auto wait = [&](int ms) { steps.push_back({K::Wait, ms, {}}); };
    auto create = [&](std::string_view screen) { steps.push_back({K::Create, 0, screen}); };
    auto check = [&] { steps.push_back({K::StopCheck, 0, {}}); };

    // The first screen created is the main window.
    if (animationEnabled) create("Tform9");
    create("Tform0");
    progress(10);
    wait(1000);
    for (auto s : {"TForm6", "TEstadisticas", "TFormEstGra", "TForm7"}) create(s);
    check();
    progress(20);
    create("TForm1");
    create("TForm8");
    check();
    progress(30);
    create("TFormCon");
    create("TForm2");
    check();
    progress(40);
    create("TForm5");
    progress(50);
    create("TForm3");
    progress(60);
    create("TForm4");
    progress(70);
    create("TFIniPro");
    check();
    progress(80);
    wait(1000);
    create("TCertifica");
    check();
    progress(90);
    create("Tprofe");
    check();
    progress(100);
    create("TFormCat");
    create("TFlomce");
    check();
    wait(1000);
    return steps;
}

}  // namespace velmora
