#pragma once

#include <QString>

namespace velmora {

// The single-instance lock "VelmoraWindows20_21.exe", held for the life of the process. It is an
// advisory lock (flock) on a file in the user's runtime folder: the system lets it go when the
// process ends in any way, so a copy that crashed or was killed never keeps the school out, and
// the file it leaves behind means nothing by itself.
class SingleInstance {
  public:
    static constexpr const char* kName = "VelmoraWindows20_21.exe";

    // The lock in the user's runtime folder (XDG_RUNTIME_DIR, or the temporary folder).
    SingleInstance();
    // A lock file of one's own (tests).
    explicit SingleInstance(QString file);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock; false when another copy holds it. A lock file
    // that cannot be created at all does not keep the program from starting.
    bool Acquire();
    bool held() const { return fd_ >= 0; }
    const QString& file() const { return file_; }

    static QString DefaultFile();

  private:
    QString file_;
    int fd_ = -1;
};

}  // namespace velmora
