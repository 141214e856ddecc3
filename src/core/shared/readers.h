#pragma once

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "core/shared/tables.h"

namespace velmora {

class Messages;

// The shared buffer of the readers that split lines into numbers; what it holds is only
// meaningful until the next such reader runs.
struct LineBuffer {
    static constexpr int kCapacity = 4400;
    std::vector<std::string> lines = std::vector<std::string>(kCapacity + 1);  // lines 1..count
    int count = 0;
};

// What "datcarnphp" fills: three byte lists per degree (entry i of each describes the same
// offering) and the distinct specific titles of each degree.
struct DegreeOfferings {
    static constexpr int kDegrees = 350;
    static constexpr int kEntries = 125;
    static constexpr int kDistinct = 15;
    ByteGrid places{kDegrees, kEntries + 1};
    ByteGrid cutOffTenths{kDegrees, kEntries + 1};
    ByteGrid titles{kDegrees, kEntries + 1};
    IntGrid distinctTitles{kDegrees, kDistinct + 1};  // column 0 = how many
};

// The data readers. Two reactions to a missing or unreadable file:
//  - message kind (functions returning bool): the message "Faltan ficheros (path). Vuelva a
//    instalar el programa", the stop flag set, the table untouched, false returned;
//  - unchecked kind: a DataError thrown, to be caught by the screen set-up that called it.
// Data that breaks a capacity or a format rule throws DataError with the file and line in both
// kinds, and the table is left as it was: every reader checks the whole file before storing.
class Readers {
public:
    Readers(Messages& messages, bool& stopFlag, LineBuffer& buffer)
        : messages_(messages), stopFlag_(stopFlag), buffer_(buffer) {}

    // Entry 0 = path, entry N = line N without trailing blanks, cut to 75; at most 1100 lines.
    bool ReadTextTable(const QString& path, LineTable& table);

    // Entry 0 = path, entry N = line N padded to width w (then cut to the entry capacity).
    // ReadPaddedTable75 is the same reader on a table of 75-character entries.
    bool ReadPaddedTable(const QString& path, LineTable& table, int width);
    bool ReadPaddedTable75(const QString& path, LineTable& table, int width) {
        return ReadPaddedTable(path, table, width);
    }

    // Entry 0 = path, entry N = the first entry-capacity characters of line N as they are.
    // ReadRawTable90 is the same reader on a table of 250 entries of 90 characters.
    bool ReadRawTable(const QString& path, LineTable& table);
    bool ReadRawTable90(const QString& path, LineTable& table) { return ReadRawTable(path, table); }

    // Line k in entry k-1, padded to width w; no path entry.
    bool ReadFixedLines(const QString& path, LineTable& table, int width);
    // The same layout, padded to width 60, of the unchecked kind.
    void ReadFixedLines120(const QString& path, LineTable& table);

    // Only lines starting with "-": their columns 2..w+1 padded to w in entries 1..; the file
    // line number of entry k in lineNumbers[k-1]; table.count = how many.
    bool ReadMarkedLines(const QString& path, LineTable& table, std::vector<int>& lineNumbers,
                         int width);

    // Blocks of `period` lines (26 or 51): the first line of each block is a header stored
    // nowhere, the next period-1 lines are fields 0..period-2, padded to width 60.
    bool ReadBlocks26(const QString& path, BlockTable& blocks) { return ReadBlocks(path, blocks, 26); }
    bool ReadBlocks51(const QString& path, BlockTable& blocks) { return ReadBlocks(path, blocks, 51); }

    // Fills the line buffer with the file's lines; returns their count. Unchecked kind.
    int LoadLineBuffer(const QString& path);

    // Row r = the first `columns` fields of line r as integers; rows 1..count are cleared first.
    void ReadIntegerRows(const QString& path, int columns, IntGrid& rows);

    // Consecutive sections of the given line counts; line k of a section holds n;v1;...;vn and
    // fills row k, columns 0..n, of that section's table (n < 0 leaves the row as it was).
    void ReadCountedLists(const QString& path, const std::vector<int>& sectionLengths,
                          const std::vector<IntGrid*>& sections);

    // Lines 1..20: n;v1;...;vn; every value above 0 is stored in its column as a byte.
    void ReadCountedBytes(const QString& path, ByteGrid& table);

    // "datcarnphp": three sections of `degrees` lines, then the distinct titles of each degree.
    void ReadDegreeLists(const QString& path, int degrees, DegreeOfferings& offerings);

    // The missing-file message of the message kind.
    static QString MissingFileMessage(const QString& path);

private:
    bool ReadBlocks(const QString& path, BlockTable& blocks, int period);
    // Reads a file for a message-kind reader: on a missing or unreadable file shows the message,
    // sets the stop flag and returns false.
    bool ReadForMessageKind(const QString& path, struct TextLines& out);

    Messages& messages_;
    bool& stopFlag_;
    LineBuffer& buffer_;
};

}  // namespace velmora

namespace velmora {

// The table shapes each reader fills, allocated once for their full capacity.
inline LineTable MakeTextTable() { return LineTable(1101, 75); }
inline LineTable MakePaddedTable() { return LineTable(1101, 60); }
inline LineTable MakePaddedTable75() { return LineTable(1101, 75); }
inline LineTable MakeRawTable() { return LineTable(1101, 60); }
inline LineTable MakeRawTable90() { return LineTable(251, 90); }
inline LineTable MakeFixedLinesTable() { return LineTable(600, 100); }
inline LineTable MakeFixedLines120Table() { return LineTable(350, 120); }
inline LineTable MakeMarkedLinesTable() { return LineTable(1101, 60); }
inline BlockTable MakeBlocks26() { return BlockTable(200, 25); }
inline BlockTable MakeBlocks51() { return BlockTable(50, 60); }
inline IntGrid MakeCountedListTable() { return IntGrid(1100, 26); }
inline ByteGrid MakeCountedBytesTable() { return ByteGrid(20, 51); }

}  // namespace velmora
