#include "ui/shared/qt_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace velmora {

void QtMessages::showMessage(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QString(), text);
}

void QtMessages::reportError(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Velmora"), text);
}

bool QtMessages::askYesNo(const QString& title, const QString& text) {
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace velmora
