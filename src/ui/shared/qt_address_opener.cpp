#include "ui/shared/qt_address_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace velmora {

QtAddressOpener::~QtAddressOpener() {
    // The program is ending: a run still going is no longer the student's concern, and no
    // message may come after the screens are gone.
    for (QProcess* process : launches_.findChildren<QProcess*>()) process->disconnect();
}

void QtAddressOpener::open(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void QtAddressOpener::openDocument(const QString& path, std::function<void()> failed) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (tool.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)) && failed) failed();
        return;
    }
    auto* process = new QProcess(&launches_);
    process->setProgram(tool);
    process->setArguments({path});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || code != 0) && failed) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         if (failed) failed();
                         process->deleteLater();
                     });
    process->start();
}

}  // namespace velmora
