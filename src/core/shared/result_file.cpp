#include "core/shared/result_file.h"

#include <QSaveFile>

#include "core/shared/messages.h"
#include "core/shared/save_dialog.h"

namespace velmora {

QString WriteResultFile(const QString& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const QString why = file.errorString();
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
