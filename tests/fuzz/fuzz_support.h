#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

#include "core/shared/data_error.h"
#include "core/shared/messages.h"
#include "core/shared/readers.h"
#include "support/silent_messages.h"

namespace velmora::fuzz {

using testing::SilentMessages;

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
