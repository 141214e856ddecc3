// Counted lists, counted bytes and the degree lists.
#include "fuzz/fuzz_support.h"

#include <memory>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::Harness h;
    static std::vector<IntGrid> sections(4, MakeCountedListTable());
    static ByteGrid bytes = MakeCountedBytesTable();
    static auto offerings = std::make_unique<DegreeOfferings>();
    // The first bytes choose the section lengths and the number of degrees, as the other files
    // would.
    std::vector<int> lengths(4, 3);
    int degrees = 2;
    if (size >= 5) {
        for (int i = 0; i < 4; ++i) lengths[static_cast<size_t>(i)] = data[i] % 8;
        degrees = data[4] % 8;
        data += 5;
        size -= 5;
    }
    const QString path = fuzz::WriteInput(data, size);
    std::vector<IntGrid*> tables;
    for (IntGrid& t : sections) tables.push_back(&t);
    fuzz::Tolerating([&] { h.readers.ReadCountedLists(path, lengths, tables); });
    fuzz::Tolerating([&] { h.readers.ReadCountedBytes(path, bytes); });
    fuzz::Tolerating([&] { h.readers.ReadDegreeLists(path, degrees, *offerings); });
    return 0;
}
