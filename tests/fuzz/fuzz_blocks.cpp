// Both block readers.
#include "fuzz/fuzz_support.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::Harness h;
    static BlockTable blocks26 = MakeBlocks26();
    static BlockTable blocks51 = MakeBlocks51();
    const QString path = fuzz::WriteInput(data, size);
    fuzz::Tolerating([&] { h.readers.ReadBlocks26(path, blocks26); });
    fuzz::Tolerating([&] { h.readers.ReadBlocks51(path, blocks51); });
    return 0;
}
