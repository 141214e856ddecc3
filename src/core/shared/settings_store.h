#pragma once

#include <QString>

#include "core/shared/settings.h"

namespace velmora {

// The settings kept between runs, in an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Velmora/velmora20_21.ini, usually ~/.config/Velmora/velmora20_21.ini):
//
//   [velmora]
//   school=IES Rosalía de Castro
//   language=0
//   animation=false
//   fill_screen=false
//
// A missing, unreadable or nonsensical value reads as its default: no school name, Castilian (0),
// no animation. The school name loses its surrounding blanks when read.
class SettingsStore {
  public:
    // The store in the user's configuration folder.
    SettingsStore();
    // A store in a given file (tests, tools).
    explicit SettingsStore(QString file);

    const QString& file() const { return file_; }

    Settings Read() const;

    // The configuration panel saves these two for the next start.
    bool SaveLanguageAndAnimation(int languageCode, bool animation);
    // Set once by the school (`velmora --school "Name"`).
    bool SaveSchoolName(const QString& name);

    static QString DefaultFile();

  private:
    QString file_;
};

}  // namespace velmora
