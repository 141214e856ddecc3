// Every reader over a data folder in which each file is at its capacity, against the floor:
// reading the same files and splitting them into lines with the plainest loop.
#include <benchmark/benchmark.h>

#include <QFile>
#include <memory>

#include "core/shared/messages.h"
#include "core/shared/readers.h"
#include "ratio.h"
#include "support/silent_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using NoMessages = testing::SilentMessages;

std::string Lines(int count, const std::string& line) {
    std::string out;
    out.reserve(static_cast<size_t>(count) * (line.size() + 2));
    for (int i = 0; i < count; ++i) out += line + "\r\n";
    return out;
}

std::string CountedLine(int n, int value) {
    std::string line = std::to_string(n);
    for (int i = 0; i < n; ++i) line += ";" + std::to_string(value);
    return line;
}

// The files, each at the capacity of its reader.
struct CapacityFolder {
    CapacityFolder() {
        const std::string text(60, 'a');
        files = {
            folder.write(QStringLiteral("textos"), Lines(1100, std::string(75, 't'))),
            folder.write(QStringLiteral("padded"), Lines(1100, "Grado en Ingeniería Informática")),
            folder.write(QStringLiteral("raw90"), Lines(250, std::string(90, 'r'))),
            folder.write(QStringLiteral("fixed"), Lines(600, "13" + std::string(58, 'i'))),
            folder.write(QStringLiteral("fixed120"), Lines(350, text)),
            folder.write(QStringLiteral("marked"), Lines(1100, "-" + text)),
            folder.write(QStringLiteral("blocks26"), Lines(5000, text)),
            folder.write(QStringLiteral("blocks51"), Lines(2500, text)),
            folder.write(QStringLiteral("rows24"), Lines(200, CountedLine(23, 123))),
            folder.write(QStringLiteral("rows14"), Lines(350, CountedLine(13, 123))),
            folder.write(QStringLiteral("counted"), Lines(4400, CountedLine(25, 1099))),
            folder.write(QStringLiteral("bytes"), Lines(20, CountedLine(50, 200))),
            folder.write(QStringLiteral("degrees"), Lines(3 * 350, CountedLine(125, 15))),
        };
    }
    testing::TempFolder folder;
    std::vector<QString> files;
};

CapacityFolder& Folder() {
    static CapacityFolder folder;
    return folder;
}

// Every reader with its tables, allocated once as the program does.
struct AllReaders {
    NoMessages messages;
    bool stop = false;
    LineBuffer buffer;
    Readers readers{messages, stop, buffer};
    LineTable text = MakeTextTable(), padded = MakePaddedTable(), raw90 = MakeRawTable90(),
              fixed = MakeFixedLinesTable(), fixed120 = MakeFixedLines120Table(),
              marked = MakeMarkedLinesTable();
    std::vector<int> numbers;
    BlockTable blocks26 = MakeBlocks26(), blocks51 = MakeBlocks51();
    IntGrid rows24{200, 25}, rows14{350, 14};
    std::vector<IntGrid> sections = std::vector<IntGrid>(4, MakeCountedListTable());
    ByteGrid bytes = MakeCountedBytesTable();
    std::unique_ptr<DegreeOfferings> offerings = std::make_unique<DegreeOfferings>();

    static constexpr int kCount = 13;
    void read(int which) {
        const auto& f = Folder().files;
        switch (which) {
            case 0: readers.ReadTextTable(f[0], text); break;
            case 1: readers.ReadPaddedTable(f[1], padded, 60); break;
            case 2: readers.ReadRawTable90(f[2], raw90); break;
            case 3: readers.ReadFixedLines(f[3], fixed, 60); break;
            case 4: readers.ReadFixedLines120(f[4], fixed120); break;
            case 5: readers.ReadMarkedLines(f[5], marked, numbers, 60); break;
            case 6: readers.ReadBlocks26(f[6], blocks26); break;
            case 7: readers.ReadBlocks51(f[7], blocks51); break;
            case 8: readers.ReadIntegerRows(f[8], 24, rows24); break;
            case 9: readers.ReadIntegerRows(f[9], 14, rows14); break;
            case 10: {
                std::vector<IntGrid*> tables;
                for (IntGrid& t : sections) tables.push_back(&t);
                readers.ReadCountedLists(f[10], {1100, 1100, 1100, 1100}, tables);
                break;
            }
            case 11: readers.ReadCountedBytes(f[11], bytes); break;
            case 12: readers.ReadDegreeLists(f[12], 350, *offerings); break;
        }
    }
};

void BM_AllReaders(benchmark::State& state) {
    AllReaders all;
    for (auto _ : state) {
        for (int which = 0; which < AllReaders::kCount; ++which) all.read(which);
        benchmark::DoNotOptimize(all.offerings->distinctTitles.at(350, 0));
    }
}
BENCHMARK(BM_AllReaders)->Unit(benchmark::kMillisecond);

// One reader at a time, to see where the time goes.
void BM_OneReader(benchmark::State& state) {
    AllReaders all;
    const int which = static_cast<int>(state.range(0));
    for (auto _ : state) all.read(which);
}
BENCHMARK(BM_OneReader)->DenseRange(0, AllReaders::kCount - 1)->Unit(benchmark::kMicrosecond);


// The floor: the same files opened, read and cut into lines, nothing more.
void BM_Floor(benchmark::State& state) {
    const auto& f = Folder().files;
    for (auto _ : state) {
        size_t lines = 0;
        for (const QString& path : f) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            std::vector<std::string> split;
            qsizetype start = 0;
            for (qsizetype i = 0; i < bytes.size(); ++i) {
                if (bytes[i] == '\n') {
                    split.emplace_back(bytes.constData() + start, static_cast<size_t>(i - start));
                    start = i + 1;
                }
            }
            lines += split.size();
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond);

const bench::RegisterComparison kReaders({"all readers at capacity", "BM_AllReaders", "BM_Floor", 3.0});

}  // namespace
}  // namespace velmora
