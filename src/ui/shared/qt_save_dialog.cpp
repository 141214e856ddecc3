#include "ui/shared/qt_save_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {

std::optional<QString> QtSaveDialog::askSavePath(const QString& proposedName,
                                                 const QString& defaultSuffix) {
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder_.isEmpty()) folder_ = QDir::homePath();
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // Asking before an existing file is replaced is the dialog's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters({QStringLiteral("*.%1 *.%2").arg(defaultSuffix, defaultSuffix.toLower()),
                           QStringLiteral("*")});
    dialog.setDirectory(folder_);
    dialog.selectFile(proposedName + QLatin1Char('.') + defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

}  // namespace velmora
