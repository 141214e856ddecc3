#include "core/shared/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

namespace velmora {

SingleInstance::SingleInstance() : file_(DefaultFile()) {}

SingleInstance::SingleInstance(QString file) : file_(std::move(file)) {}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) ::close(fd_);  // closing lets the lock go; the file may stay
}

QString SingleInstance::DefaultFile() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return folder + QLatin1Char('/') + QLatin1String(kName) + QStringLiteral(".lock");
}

bool SingleInstance::Acquire() {
    if (fd_ >= 0) return true;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    const QByteArray path = QFile::encodeName(file_);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;  // nowhere to keep a lock: better a second copy than no copy
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        // A folder whose system keeps no locks must not keep the program from starting either.
        return !heldElsewhere;
    }
    fd_ = fd;
    // The holder's process number, for a person who looks; the lock does not depend on it.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written =
            ::write(fd_, pid.constData(), static_cast<size_t>(pid.size()));
    }
    return true;
}

}  // namespace velmora
