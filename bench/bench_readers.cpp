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

void BM_AllReaders(benchmark::State& state) {
    const auto& f = Folder().files;
    NoMessages messages;
    bool stop = false;
    LineBuffer buffer;
    Readers readers(messages, stop, buffer);
    LineTable text = MakeTextTable(), padded = MakePaddedTable(), raw90 = MakeRawTable90(),
              fixed = MakeFixedLinesTable(), fixed120 = MakeFixedLines120Table(),
              marked = MakeMarkedLinesTable();
    std::vector<int> numbers;
    BlockTable blocks26 = MakeBlocks26(), blocks51 = MakeBlocks51();
    IntGrid rows24(200, 25), rows14(350, 14);
    std::vector<IntGrid> sections(4, MakeCountedListTable());
    std::vector<IntGrid*> tables;
    for (IntGrid& t : sections) tables.push_back(&t);
    ByteGrid bytes = MakeCountedBytesTable();
    auto offerings = std::make_unique<DegreeOfferings>();
    for (auto _ : state) {
        readers.ReadTextTable(f[0], text);
        readers.ReadPaddedTable(f[1], padded, 60);
        readers.ReadRawTable90(f[2], raw90);
        readers.ReadFixedLines(f[3], fixed, 60);
        readers.ReadFixedLines120(f[4], fixed120);
        readers.ReadMarkedLines(f[5], marked, numbers, 60);
        readers.ReadBlocks26(f[6], blocks26);
        readers.ReadBlocks51(f[7], blocks51);
        readers.ReadIntegerRows(f[8], 24, rows24);
        readers.ReadIntegerRows(f[9], 14, rows14);
        readers.ReadCountedLists(f[10], {1100, 1100, 1100, 1100}, tables);
        readers.ReadCountedBytes(f[11], bytes);
        readers.ReadDegreeLists(f[12], 350, *offerings);
        benchmark::DoNotOptimize(offerings->distinctTitles.at(350, 0));
    }
}
BENCHMARK(BM_AllReaders)->Unit(benchmark::kMillisecond);

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
