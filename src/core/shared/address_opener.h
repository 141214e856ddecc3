#pragma once

#include <QString>

namespace velmora {

// The system's "open" action: a web address in the default browser, a document in its default
// viewer.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    virtual void open(const QString& address) = 0;
};

}  // namespace velmora
