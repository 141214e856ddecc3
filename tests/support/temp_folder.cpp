#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace velmora::testing {

TempFolder::TempFolder() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString TempFolder::path() const { return dir_.path() + QLatin1Char('/'); }

QString TempFolder::write(const QString& name, std::string_view bytes) const {
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile out(full);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write a fixture file");
    out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return full;
}

QString TempFolder::writeLines(const QString& name, const std::vector<std::string>& lines) const {
    return write(name, CrLf(lines));
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace velmora::testing
