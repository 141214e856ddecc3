#include "core/shared/documents.h"

#include <QFileInfo>

#include "core/shared/address_opener.h"
#include "core/shared/messages.h"

namespace velmora {

QString DocumentMissingMessage(const QString& path) {
    return QStringLiteral("Falta el documento (") + path +
           QStringLiteral("). Vuelva a instalar el programa");
}

QString DocumentNotOpenedMessage(const QString& path) {
    return QStringLiteral("No se puede abrir el documento (") + path +
           QStringLiteral("): el sistema no tiene un programa que lo abra");
}

void OpenDocument(AddressOpener& opener, Messages& messages, const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        messages.showMessage(DocumentMissingMessage(path));
        return;
    }
    // The viewer may fail after this returns; Messages outlives every screen.
    opener.openDocument(
        path, [&messages, path] { messages.showMessage(DocumentNotOpenedMessage(path)); });
}

}  // namespace velmora
