#pragma once

#include <QString>

namespace velmora {

class AddressOpener;
class Messages;

// Opens a document of the data folder (a file path) with the system's viewer. A document that is
// not there, or that no viewer could open, is reported with its path: the student would
// otherwise double-click and see nothing happen.
void OpenDocument(AddressOpener& opener, Messages& messages, const QString& path);

// What OpenDocument shows for each failure.
QString DocumentMissingMessage(const QString& path);
QString DocumentNotOpenedMessage(const QString& path);

}  // namespace velmora
