// The line buffer and ReadIntegerRows in its three uses.
#include "fuzz/fuzz_support.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::Harness h;
    static IntGrid higher(200, 25);
    static IntGrid middle(200, 7);
    static IntGrid degrees(350, 14);
    const QString path = fuzz::WriteInput(data, size);
    fuzz::Tolerating([&] { h.readers.ReadIntegerRows(path, 24, higher); });
    fuzz::Tolerating([&] { h.readers.ReadIntegerRows(path, 7, middle); });
    fuzz::Tolerating([&] { h.readers.ReadIntegerRows(path, 14, degrees); });
    return 0;
}
