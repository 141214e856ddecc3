#pragma once

#include <QStringList>

#include "core/shared/sound.h"

namespace velmora::testing {

// Records every sound instead of playing it.
class RecordingSound final : public Sound {
  public:
    void playWave(const QString& path) override { played << path; }
    void stopWave() override { ++stops; }
    void exclamation() override { ++exclamations; }
    void beep() override { ++beeps; }

    QStringList played;
    int stops = 0;
    int exclamations = 0;
    int beeps = 0;
};

}  // namespace velmora::testing
