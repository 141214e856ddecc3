#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QWidget>
#include <cstring>

#include "app/check_data.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "ui/shared/qt_messages.h"

int main(int argc, char* argv[]) {
    // The data checker needs no display: it runs before any window system is touched.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--check-data") == 0) {
            QCoreApplication core(argc, argv);
            return velmora::RunDataCheck(QString::fromLocal8Bit(argv[i + 1]));
        }
    }

    QApplication app(argc, argv);
    velmora::QtMessages messages;
    velmora::Enlace enlace(
        messages, velmora::DataPaths::ForProgramFolder(QCoreApplication::applicationDirPath()));
    if (!enlace.LoadInterfaceTexts()) return 1;
    enlace.LoadKeyedLines();
    if (enlace.stopFlag) return 1;

    QWidget window;
    window.setObjectName(QStringLiteral("Tform0"));
    window.setFixedSize(1024, 768);
    window.setWindowTitle(QStringLiteral("Velmora 2020/21"));
    window.show();
    return app.exec();
}
