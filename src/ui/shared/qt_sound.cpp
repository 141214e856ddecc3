#include "ui/shared/qt_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

namespace velmora {
namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

bool QtSound::AudioAvailable() {
    static const bool available = [] {
        // Without a sound server the backend prints its failure to connect; the program runs on
        // silently instead.
        const QtMessageHandler previous = qInstallMessageHandler(Quiet);
        const bool any = !QMediaDevices::audioOutputs().isEmpty();
        qInstallMessageHandler(previous);
        return any;
    }();
    return available;
}

void QtSound::playWave(const QString& path) {
    if (!AudioAvailable()) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

void QtSound::stopWave() {
    if (effect_) effect_->stop();
}

// The desktop has no exclamation sound of its own; the warning sounds as the bell does.
void QtSound::exclamation() {
    QApplication::beep();
}

void QtSound::beep() {
    QApplication::beep();
}

}  // namespace velmora
