#include "core/shared/result_file.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "core/shared/messages.h"
#include "core/shared/save_dialog.h"

namespace velmora {
namespace {

// Why a write failed: the file's own reason, or the system's when the file gives none (a write
// the file system cuts short leaves the file with no reason of its own).
QString Reason(const QFileDevice& file, int systemError) {
    if (file.error() != QFileDevice::NoError &&
        file.errorString() != QStringLiteral("Unknown error"))
        return file.errorString();
    if (systemError != 0) return QString::fromLocal8Bit(std::strerror(systemError));
    return QStringLiteral("el archivo no se ha podido escribir entero");
}

}  // namespace

QString WriteResultFile(const QString& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    // A write the file system cuts short (full, over quota) shows only when the buffer is
    // flushed, and committing would then put the short file in the earlier one's place: the
    // bytes are flushed and checked first.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        const QString why = Reason(file, errno);
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

QString SafeFileName(const QString& text) {
    static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : text) name += c.unicode() < 0x20 || kRefused.contains(c) ? u'_' : c;
    name = name.trimmed();
    while (name.startsWith(u'.') || name.endsWith(u'.'))
        name = (name.startsWith(u'.') ? name.mid(1) : name.chopped(1)).trimmed();
    return name.isEmpty() ? QStringLiteral("resultado") : name;
}

SaveOutcome SaveResultLines(SaveDialog& dialog, Messages& messages, const QString& proposedName,
                            const std::vector<std::string>& lines) {
    const std::optional<QString> path =
        dialog.askSavePath(SafeFileName(proposedName), QStringLiteral("TXT"));
    if (!path || path->isEmpty()) return SaveOutcome::Cancelled;
    const QString why = WriteResultFile(*path, lines);
    if (why.isEmpty()) return SaveOutcome::Saved;
    messages.showMessage(
        QStringLiteral("No se ha podido guardar el resultado en %1: %2").arg(*path, why));
    return SaveOutcome::Failed;
}

}  // namespace velmora
