#pragma once

#include <QString>

#include "core/shared/settings_store.h"

namespace velmora {

class Enlace;

// The configuration panel: the interface language and, when the scene can run at all, the
// animation. What it saves takes effect at the next start.
class Configuration {
public:
    Configuration(Enlace& enlace, SettingsStore store);

    // LabelConfigClick: the radio buttons from the settings, the animation row only when both
    // scene libraries are in the data folder.
    void open();
    // casClick / siClick.
    void chooseLanguage(int code);
    void chooseAnimation(bool on);
    // ButtonGrabarClick: saves both values; interface text 607 when either changed.
    void save();
    // ButtonRetroConfClick: hides the panel, saving nothing.
    void back();

    bool visible() const { return visible_; }
    int checkedLanguage() const { return language_; }
    bool animationRowVisible() const { return animationRow_; }
    bool animationChecked() const { return animation_; }
    // LabelIdiomaSel and LabelSINO.
    QString languageCaption() const;
    QString animationCaption() const;

    // The radio captions, each language in its own name.
    static QString LanguageName(int code);

private:
    Enlace& enlace_;
    SettingsStore store_;
    bool visible_ = false;
    int language_ = 0;
    bool animation_ = false;
    bool animationRow_ = false;
};

}  // namespace velmora
