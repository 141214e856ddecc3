#include "core/shared/text_file.h"

#include <QFile>

#include "core/shared/data_error.h"

namespace velmora {

TextLines SplitLines(std::string bytes) {
    TextLines out;
    out.bytes = std::make_unique<const std::string>(std::move(bytes));
    const std::string_view all(*out.bytes);
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = all.size();
        size_t stop = end;
        if (!last && stop > start && all[stop - 1] == '\r') --stop;
        out.lines.push_back(all.substr(start, stop - start));
        start = last ? end : end + 1;
    }
    return out;
}

bool FileReadable(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

std::string ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        throw DataError(DataError::Kind::Missing, path, 0, QStringLiteral("el fichero no existe"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw DataError(DataError::Kind::Unreadable, path, 0,
                        QStringLiteral("no se puede leer: ") + file.errorString());
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw DataError(DataError::Kind::Unreadable, path, 0,
                        QStringLiteral("error de lectura: ") + file.errorString());
    }
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

TextLines ReadTextFile(const QString& path) { return SplitLines(ReadFileBytes(path)); }

void RequireAtMost(const TextLines& lines, size_t capacity, const QString& path) {
    if (lines.lines.size() > capacity) {
        throw DataError(DataError::Kind::Capacity, path, static_cast<int>(capacity) + 1,
                        QStringLiteral("el fichero tiene %1 líneas y caben %2")
                            .arg(lines.lines.size())
                            .arg(capacity));
    }
}

}  // namespace velmora
