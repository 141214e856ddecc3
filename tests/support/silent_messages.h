#pragma once

#include <QString>

#include "core/shared/messages.h"

namespace velmora::testing {

// Swallows every message and answers no: for benchmarks and fuzzers, which run the readers
// millions of times and look at timings and crashes, not texts.
class SilentMessages final : public Messages {
public:
    void showMessage(const QString&) override {}
    void reportError(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
};

}  // namespace velmora::testing
