#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/shared/notice.h"

class QWidget;

namespace velmora {

class AddressOpener;
class Enlace;
class MenuNavigation;
class QtDisplay;
class SettingsStore;
class SharedPictures;
class Shutdown;
class Sound;
class TForm4;

// The notice dialog as the screens hold it: screens created before TForm4 keep this and reach
// the dialog once it exists.
class NoticeSlot final : public Notice {
  public:
    void set(TForm4* dialog);
    bool question(const QString& text) override;
    std::optional<QString> askName(const QString& prompt, const QString& proposal) override;

  private:
    QPointer<QObject> dialog_;
    Notice* notice_ = nullptr;
};

// What a screen's set-up may use.
struct ScreenContext {
    Enlace& enlace;
    SharedPictures& pictures;
    QtDisplay& display;
    Shutdown& shutdown;
    NoticeSlot& notice;
    const SettingsStore& settingsStore;
    AddressOpener& opener;
    MenuNavigation& navigation;
    Sound& sound;
    std::map<std::string, QPointer<QWidget>, std::less<>> screens;  // by class name, as created

    QWidget* screen(std::string_view name) const;
};

// Creates a screen, running its set-up. The screen is a top-level window with the class name as
// its objectName; nullptr when the screen cannot run (the scene without its pictures).
using ScreenFactory = std::function<QWidget*(ScreenContext&)>;

// The screens this build has, by class name. The start-up creates them in its fixed order and
// passes over the names that have no screen yet. A screen joins by adding its line here.
const std::map<std::string_view, ScreenFactory>& ScreenFactories();

}  // namespace velmora
