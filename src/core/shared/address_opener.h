#pragma once

#include <QString>
#include <functional>

namespace velmora {

// The system's "open" action: a web address in the default browser, a document in its default
// viewer.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    virtual void open(const QString& address) = 0;
    // A document (a file path) in its default viewer. `failed` is called, at once or once the
    // system has tried, when nothing could open it.
    virtual void openDocument(const QString& path, std::function<void()> failed) = 0;
};

}  // namespace velmora
