#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

class Enlace;
class SettingsStore;

// Loads the shared pictures by name; the Qt side keeps them as images.
class PictureLoader {
  public:
    virtual ~PictureLoader() = default;
    // Loads the picture at `path` into the shared image `slot`; false when it is missing or is
    // no picture.
    virtual bool load(std::string_view slot, const QString& path) = 0;
};

// The shared pictures of the start-up, in loading order: the file in the data folder and the
// shared image it fills ("marco" fills two). The maps say "Faltan ficheros" when missing.
struct StartupPicture {
    std::string_view file;
    std::string_view slot;
    bool isMap;
};
std::span<const StartupPicture> StartupPictures();

// The message of a second copy, which then ends without a window.
QString AlreadyRunningMessage();

// What stands for the platform in the shared loading.
struct StartupPlatform {
    PictureLoader& pictures;
    // The graphics layer's version; the scene needs 7 or more.
    int graphicsLayerVersion = 0;
};

// ShellStartupLoad: the shared loading that runs once before any window exists, with the stored
// settings and the command line's positional parameters. Afterwards the stop flag says whether
// the program may go on.
void ShellStartupLoad(Enlace& enlace, const SettingsStore& settings, const QStringList& parameters,
                      StartupPlatform platform);

// Whether the scene can be used: asked for, both image libraries present, graphics layer 7+.
bool AnimationAvailable(bool wanted, bool sceneLibraryPresent, bool vectorLibraryPresent,
                        int graphicsLayerVersion);

// The main sequence after the splash is up: progress, waits, the screens created in their fixed
// order by class name, and the stop checks.
struct StartupStep {
    enum class Kind { Progress, Wait, Create, StopCheck };
    Kind kind;
    int value = 0;            // progress or milliseconds
    std::string_view screen;  // Create
};
std::vector<StartupStep> ScreenCreationOrder(bool animationEnabled);

}  // namespace velmora
