#pragma once

#include <QStringList>

#include "core/shared/address_opener.h"

namespace velmora::testing {

// Records every address the program asks the system to open.
class RecordingOpener final : public AddressOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

}  // namespace velmora::testing
