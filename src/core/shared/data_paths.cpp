#include "core/shared/data_paths.h"

namespace velmora {

QString WithTrailingSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

DataPaths DataPaths::ForProgramFolder(const QString& programFolder) {
    DataPaths paths;
    paths.programFolder_ = WithTrailingSeparator(programFolder);
    paths.dataFolder_ = paths.programFolder_ + QLatin1String(kDataSubfolder);
    return paths;
}

DataPaths DataPaths::ForDataFolder(const QString& dataFolder) {
    DataPaths paths;
    paths.dataFolder_ = WithTrailingSeparator(dataFolder);
    paths.programFolder_ = paths.dataFolder_;
    return paths;
}

QString DataPaths::languageFolder() const { return languageFolder(languageCode_); }

QString DataPaths::languageFolder(int code) const {
    if (code < 0 || code >= kLanguageCount) code = 0;
    return dataFolder_ + QLatin1String(kLanguages[code].folder);
}

void DataPaths::setLanguageCode(int code) {
    languageCode_ = (code >= 0 && code < kLanguageCount) ? code : 0;
}

}  // namespace velmora
