#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

#include "core/shared/data_error.h"
#include "core/shared/messages.h"
#include "core/shared/readers.h"

namespace velmora::fuzz {

// Messages are swallowed: the fuzzers look for crashes and undefined behaviour, not texts.
class SilentMessages final : public Messages {
public:
    void showMessage(const QString&) override {}
    void reportError(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
};

// Writes the input as the file the readers open; returns its path.
QString WriteInput(const uint8_t* data, size_t size);

// The readers with their shared state, as Enlace wires them.
struct Harness {
    SilentMessages messages;
    bool stop = false;
    LineBuffer buffer;
    Readers readers{messages, stop, buffer};
};

// Runs a read; a DataError is an accepted outcome, anything else escapes and is a finding.
template <typename F>
void Tolerating(F&& read) {
    try {
        read();
    } catch (const DataError&) {
    }
}

}  // namespace velmora::fuzz
