#pragma once

#include <QObject>

#include "core/shared/address_opener.h"

namespace velmora {

// Opens web addresses in the default browser and documents (plain paths) in their default
// viewer. A document goes to the desktop's "xdg-open" when there is one, so that a type no
// program opens, or a viewer that refuses the file, is heard of: its exit status says so.
class QtAddressOpener final : public AddressOpener {
  public:
    QtAddressOpener() = default;
    ~QtAddressOpener() override;
    QtAddressOpener(const QtAddressOpener&) = delete;
    QtAddressOpener& operator=(const QtAddressOpener&) = delete;

    void open(const QString& address) override;
    void openDocument(const QString& path, std::function<void()> failed) override;

  private:
    QObject launches_;  // the "xdg-open" runs still going
};

}  // namespace velmora
