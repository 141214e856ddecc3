#pragma once

#include <QStringList>

#include "core/shared/address_opener.h"

namespace velmora::testing {

// Records every address and document the program asks the system to open; documents open
// unless told otherwise.
class RecordingOpener final : public AddressOpener {
  public:
    void open(const QString& address) override { opened << address; }
    void openDocument(const QString& path, std::function<void()> failed) override {
        documents << path;
        if (!documentsOpen && failed) failed();
    }
    QStringList opened;
    QStringList documents;
    bool documentsOpen = true;
};

}  // namespace velmora::testing
