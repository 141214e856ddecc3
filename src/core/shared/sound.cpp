#include "core/shared/sound.h"

#include <QDir>
#include <QFileInfo>

#include "core/shared/data_paths.h"

namespace velmora {

QString MotorSoundPath(const DataPaths& paths) {
    const QString installed = paths.dataFile(QStringLiteral("motor.wav"));
    if (QFileInfo(installed).isFile()) return installed;
    const QString working = QDir::current().filePath(QStringLiteral("motor.wav"));
    if (QFileInfo(working).isFile()) return working;
    return {};
}

void PlayMotorSound(Sound& sound, const DataPaths& paths, bool flag) {
    if (!flag) return;
    const QString path = MotorSoundPath(paths);
    // A lost sound file costs the student nothing but the noise.
    if (!path.isEmpty()) sound.playWave(path);
}

}  // namespace velmora
