#pragma once

#include <QString>

namespace velmora {

// The interface languages: code, language subfolder and the name shown in the language chooser.
struct Language {
    int code;
    const char* folder;
    const char* nameUtf8;
};

inline constexpr Language kLanguages[] = {
    {0, "cas/", "Castellano"},
    {1, "catVal/", "Català/Valencià"},
    {2, "galego/", "Galego"},
    {3, "euskera/", "Euskera"},
};
inline constexpr int kLanguageCount = 4;

// Where the program finds its files: the data folder is the program folder + "velmora20_21/";
// language files lie in the language's subfolder of it. Folders end with a separator.
class DataPaths {
public:
    static constexpr const char* kDataSubfolder = "velmora20_21/";

    // Paths for a program installed in `programFolder`.
    static DataPaths ForProgramFolder(const QString& programFolder);
    // Paths over a given data folder (tests, the data checker).
    static DataPaths ForDataFolder(const QString& dataFolder);

    const QString& programFolder() const { return programFolder_; }
    const QString& dataFolder() const { return dataFolder_; }
    int languageCode() const { return languageCode_; }
    QString languageFolder() const;
    QString languageFolder(int code) const;

    // A language code outside 0..3 selects Castilian.
    void setLanguageCode(int code);

    QString dataFile(const QString& name) const { return dataFolder_ + name; }
    QString languageFile(const QString& name) const { return languageFolder() + name; }

private:
    QString programFolder_;
    QString dataFolder_;
    int languageCode_ = 0;
};

QString WithTrailingSeparator(QString folder);

}  // namespace velmora
