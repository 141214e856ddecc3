#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// A temporary folder in which a test writes the data files it needs, byte for byte.
class TempFolder {
public:
    TempFolder();

    // The folder's path with a trailing separator.
    QString path() const;
    QString file(const QString& name) const { return path() + name; }

    // Writes `bytes` as they are (folders created as needed); returns the full path.
    QString write(const QString& name, std::string_view bytes) const;
    // Writes the lines with CR LF after each one.
    QString writeLines(const QString& name, const std::vector<std::string>& lines) const;

private:
    QTemporaryDir dir_;
};

// "a", "b" -> "a\r\nb\r\n"
std::string CrLf(const std::vector<std::string>& lines);

}  // namespace velmora::testing
