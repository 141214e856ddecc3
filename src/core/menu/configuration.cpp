#include "core/menu/configuration.h"

#include "core/menu/scene_images.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_paths.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"

namespace velmora {
namespace {

constexpr int kRestartNotice = 607;
constexpr int kYes = 141;
constexpr int kNo = 140;

}  // namespace

Configuration::Configuration(Enlace& enlace, SettingsStore store)
    : enlace_(enlace), store_(std::move(store)) {}

QString Configuration::LanguageName(int code) {
    if (code < 0 || code >= kLanguageCount) code = 0;
    return QString::fromUtf8(kLanguages[code].nameUtf8);
}

void Configuration::open() {
    language_ = enlace_.settings.languageCode;
    animationRow_ = SceneLibrariesPresent(enlace_.paths);
    animation_ = enlace_.settings.animation;
    visible_ = true;
}

void Configuration::chooseLanguage(int code) {
    if (code >= 0 && code < kLanguageCount) language_ = code;
}

void Configuration::chooseAnimation(bool on) {
    animation_ = on;
}

QString Configuration::languageCaption() const {
    return LanguageName(language_);
}

QString Configuration::animationCaption() const {
    return cp1252::Decode(enlace_.texts[animation_ ? kYes : kNo]);
}

void Configuration::save() {
    // Without the row the animation is not the user's to change: the stored value stays.
    const bool animation = animationRow_ ? animation_ : enlace_.settings.animation;
    const bool changed =
        language_ != enlace_.settings.languageCode || animation != enlace_.settings.animation;
    visible_ = false;
    if (!store_.SaveLanguageAndAnimation(language_, animation)) {
        // Not saying so would let the user believe the change was kept.
        enlace_.messages.showMessage(
            QStringLiteral("No se ha podido guardar la configuración en %1").arg(store_.file()));
        return;
    }
    enlace_.settings.languageCode = language_;
    enlace_.settings.animation = animation;
    if (changed) enlace_.messages.showMessage(cp1252::Decode(enlace_.texts[kRestartNotice]));
}

void Configuration::back() {
    visible_ = false;
}

}  // namespace velmora
