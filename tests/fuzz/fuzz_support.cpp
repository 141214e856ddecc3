#include "fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace velmora::fuzz {

QString WriteInput(const uint8_t* data, size_t size) {
    static const QString path = QDir::tempPath() + QStringLiteral("/velmora-fuzz-%1").arg(getpid());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    return path;
}

}  // namespace velmora::fuzz
