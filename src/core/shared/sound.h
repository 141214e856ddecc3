#pragma once

#include <QString>

namespace velmora {

class DataPaths;

// The platform's sounds. The ui plays them; tests record them. A machine without audio plays
// nothing and says nothing.
class Sound {
  public:
    virtual ~Sound() = default;

    // Starts a wave file without waiting for it; a wave already playing is replaced.
    virtual void playWave(const QString& path) = 0;
    // Stops the wave started last, if it still plays.
    virtual void stopWave() = 0;
    // The system's exclamation sound (a warning) and its default beep.
    virtual void exclamation() = 0;
    virtual void beep() = 0;
};

// Where "motor.wav" is found: the copy installed with the data folder (the program's own
// registered sound), else the file in the working folder. Empty when neither exists.
QString MotorSoundPath(const DataPaths& paths);

// PlayMotorSound(flag): with flag set, the engine sound starts without waiting; otherwise
// nothing happens.
void PlayMotorSound(Sound& sound, const DataPaths& paths, bool flag);

}  // namespace velmora
