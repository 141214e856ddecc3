#pragma once

#include <QSoundEffect>
#include <memory>

#include "core/shared/sound.h"

namespace velmora {

// Sounds through Qt Multimedia. Without an audio output nothing plays and nothing is reported.
class QtSound final : public Sound {
  public:
    QtSound();
    ~QtSound() override;

    void playWave(const QString& path) override;
    void stopWave() override;
    void exclamation() override;
    void beep() override;

    // Asked once per run; the sound system's own complaints on a machine without audio are
    // kept off the terminal.
    static bool AudioAvailable();

  private:
    std::unique_ptr<QSoundEffect> effect_;  // made only where there is audio
};

}  // namespace velmora
