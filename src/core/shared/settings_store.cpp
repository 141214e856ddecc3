#include "core/shared/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

namespace velmora {
namespace {

const QString kSchool = QStringLiteral("velmora/school");
const QString kLanguage = QStringLiteral("velmora/language");
const QString kAnimation = QStringLiteral("velmora/animation");
const QString kFillScreen = QStringLiteral("velmora/fill_screen");

std::optional<bool> ReadBool(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
    return std::nullopt;
}

// An INI value with an unquoted comma reads as a list: a school name typed by hand as
// "Colegio San José, Madrid" stays whole.
QString ReadText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool Saved(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

SettingsStore::SettingsStore() : file_(DefaultFile()) {}

SettingsStore::SettingsStore(QString file) : file_(std::move(file)) {}

QString SettingsStore::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velmora/velmora20_21.ini");
}

Settings SettingsStore::Read() const {
    Settings settings;
    if (!QFileInfo(file_).isFile()) return settings;
    const QSettings store(file_, QSettings::IniFormat);
    settings.schoolName = ReadText(store.value(kSchool)).trimmed();
    bool number = false;
    const int code = store.value(kLanguage).toString().trimmed().toInt(&number);
    if (number && code >= 0 && code <= 3) settings.languageCode = code;
    settings.animation = ReadBool(store.value(kAnimation).toString()).value_or(false);
    settings.fillScreen = ReadBool(store.value(kFillScreen).toString()).value_or(false);
    return settings;
}

bool SettingsStore::SaveLanguageAndAnimation(int languageCode, bool animation) {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings store(file_, QSettings::IniFormat);
    store.setValue(kLanguage, languageCode);
    store.setValue(kAnimation, animation);
    return Saved(store);
}

bool SettingsStore::SaveSchoolName(const QString& name) {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings store(file_, QSettings::IniFormat);
    store.setValue(kSchool, name.trimmed());
    return Saved(store);
}

}  // namespace velmora
