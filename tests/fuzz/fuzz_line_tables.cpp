// The line-table readers: text table, padded, raw, fixed and marked lines.
#include "fuzz/fuzz_support.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::Harness h;
    static LineTable text = MakeTextTable();
    static LineTable padded = MakePaddedTable();
    static LineTable padded75 = MakePaddedTable75();
    static LineTable raw90 = MakeRawTable90();
    static LineTable fixed = MakeFixedLinesTable();
    static LineTable fixed120 = MakeFixedLines120Table();
    static LineTable marked = MakeMarkedLinesTable();
    static std::vector<int> numbers;
    const int width = size > 0 ? data[0] % 100 : 60;
    const QString path = fuzz::WriteInput(data, size);
    fuzz::Tolerating([&] { h.readers.ReadTextTable(path, text); });
    fuzz::Tolerating([&] { h.readers.ReadPaddedTable(path, padded, width); });
    fuzz::Tolerating([&] { h.readers.ReadPaddedTable75(path, padded75, width); });
    fuzz::Tolerating([&] { h.readers.ReadRawTable90(path, raw90); });
    fuzz::Tolerating([&] { h.readers.ReadFixedLines(path, fixed, width); });
    fuzz::Tolerating([&] { h.readers.ReadFixedLines120(path, fixed120); });
    fuzz::Tolerating([&] { h.readers.ReadMarkedLines(path, marked, numbers, width); });
    return 0;
}
