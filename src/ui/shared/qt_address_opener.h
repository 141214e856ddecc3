#pragma once

#include <QDesktopServices>
#include <QUrl>

#include "core/shared/address_opener.h"

namespace velmora {

// Opens web addresses in the default browser and documents (plain paths) in their default
// viewer.
class QtAddressOpener final : public AddressOpener {
public:
    void open(const QString& address) override {
        QDesktopServices::openUrl(QUrl::fromUserInput(address));
    }
};

}  // namespace velmora
