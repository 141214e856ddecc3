#include "core/shared/readers.h"

#include <algorithm>
#include <optional>
#include <span>
#include <stdexcept>

#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/fields.h"
#include "core/shared/messages.h"
#include "core/shared/text_file.h"

namespace velmora {
namespace {

constexpr int kTextEntryCapacity = 75;
constexpr int kTextLines = 1100;
constexpr int kBlocks26Lines = 5000;
constexpr int kBlocks51Lines = 2500;
constexpr int kCountedBytesRows = 20;
constexpr int kCountedBytesColumns = 51;

int LineCount(const TextLines& lines) {
    return static_cast<int>(lines.lines.size());
}

// The lines a table with entries 1..size-1 can take.
void RequireTableRoom(const TextLines& lines, const LineTable& table, const QString& path) {
    RequireAtMost(lines, static_cast<size_t>(table.size() - 1), path);
}

std::int32_t FieldAsInteger(std::string_view field, const QString& path, int line) {
    const auto value = ToInteger(field);
    if (!value) {
        throw DataError(
            DataError::Kind::Conversion, path, line,
            QStringLiteral("«%1» no es un número entero").arg(cp1252::Decode(field.substr(0, 40))));
    }
    return *value;
}

// Lines of counted lists (n;v1;...;vn), parsed into one flat store so that thousands of lines
// cost no allocation each. Line i's fields 0..n are values()[offset .. offset + n]; a line with
// a negative n is kept as empty (its row is then left as it was).
class CountedLines {
  public:
    // Refuses n > maxCount, missing fields and values outside [minValue, maxValue].
    void add(std::string_view line, int maxCount, std::int64_t minValue, std::int64_t maxValue,
             const QString& path, int lineNo) {
        if (addWellFormed(line, maxCount, minValue, maxValue)) return;
        // Something is off: the careful path below finds it and says what.
        SplitFieldsInto(line, fields_);
        const std::int32_t n = FieldAsInteger(fields_[0], path, lineNo);
        if (n < 0) {
            spans_.push_back({values_.size(), 0});
            return;
        }
        if (n > maxCount) {
            throw DataError::Capacity(
                path, lineNo,
                QStringLiteral("la cuenta %1 pasa de %2 valores").arg(n).arg(maxCount));
        }
        if (fields_.size() < static_cast<size_t>(n) + 1) {
            throw DataError::Format(path, lineNo,
                                    QStringLiteral("la cuenta dice %1 valores y la línea trae %2")
                                        .arg(n)
                                        .arg(fields_.size() - 1));
        }
        spans_.push_back({values_.size(), static_cast<size_t>(n) + 1});
        values_.push_back(n);
        for (int j = 1; j <= n; ++j) {
            const std::int32_t v = FieldAsInteger(fields_[static_cast<size_t>(j)], path, lineNo);
            if (v > maxValue || v < minValue) {
                throw DataError::Format(path, lineNo,
                                        QStringLiteral("el valor %1 está fuera de %2..%3")
                                            .arg(v)
                                            .arg(minValue)
                                            .arg(maxValue));
            }
            values_.push_back(v);
        }
    }

    // The common case in one pass over the line: every field a plain integer, n within
    // maxCount, exactly the values it announces or more, each within range. Returns false,
    // storing nothing, on anything else.
    bool addWellFormed(std::string_view line, int maxCount, std::int64_t minValue,
                       std::int64_t maxValue) {
        const size_t start = values_.size();
        const char* p = line.data();
        const char* const end = p + line.size();
        std::int64_t n = -1;
        while (true) {
            bool negative = false;
            if (p != end && (*p == '-' || *p == '+')) negative = *p++ == '-';
            const char* digits = p;
            std::int64_t v = 0;
            while (p != end && *p >= '0' && *p <= '9' && p - digits < 10) v = v * 10 + (*p++ - '0');
            if (p == digits || (p != end && *p != ';')) break;  // empty, too long or not a digit
            if (negative) v = -v;
            if (v < INT32_MIN || v > INT32_MAX) break;
            if (n < 0) {
                if (v < 0 || v > maxCount) break;  // a negative count or too many values
                n = v;
                values_.push_back(static_cast<std::int32_t>(v));
            } else if (static_cast<std::int64_t>(values_.size() - start) <= n) {
                if (v < minValue || v > maxValue) break;
                values_.push_back(static_cast<std::int32_t>(v));
            }
            if (p == end) {
                if (n >= 0 && static_cast<std::int64_t>(values_.size() - start) == n + 1) {
                    spans_.push_back({start, values_.size() - start});
                    return true;
                }
                break;
            }
            ++p;  // the separator
        }
        values_.resize(start);
        return false;
    }

    // Fields 0..n of the i-th line added (from 0); empty for a negative n.
    std::span<const std::int32_t> line(size_t i) const {
        const auto [offset, length] = spans_[i];
        return std::span<const std::int32_t>(values_).subspan(offset, length);
    }

  private:
    std::vector<std::string_view> fields_;
    std::vector<std::int32_t> values_;
    std::vector<std::pair<size_t, size_t>> spans_;
};

}  // namespace

QString Readers::MissingFileMessage(const QString& path) {
    return QStringLiteral("Faltan ficheros (") + path +
           QStringLiteral("). Vuelva a instalar el programa");
}

bool Readers::ReadForMessageKind(const QString& path, TextLines& out) {
    try {
        out = ReadTextFile(path);
        return true;
    } catch (const DataError& error) {
        if (error.kind() != DataError::Kind::Missing && error.kind() != DataError::Kind::Unreadable)
            throw;
        messages_.showMessage(MissingFileMessage(path));
        stopFlag_ = true;
        return false;
    }
}

bool Readers::ReadTextTable(const QString& path, LineTable& table) {
    TextLines file;
    if (!ReadForMessageKind(path, file)) return false;
    RequireAtMost(file, std::min(kTextLines, table.size() - 1), path);
    table.set(0, Bounded(cp1252::Encode(path), kTextEntryCapacity));
    int k = 0;
    for (std::string_view line : file.lines) {
        table.set(++k, Bounded(TrimRight(line), kTextEntryCapacity));
    }
    table.count = k;
    return true;
}

bool Readers::ReadPaddedTable(const QString& path, LineTable& table, int width) {
    TextLines file;
    if (!ReadForMessageKind(path, file)) return false;
    RequireTableRoom(file, table, path);
    table.set(0, cp1252::Encode(path));
    int k = 0;
    for (std::string_view line : file.lines) {
        table.set(++k, PadToWidth(line, static_cast<size_t>(width)));
    }
    table.count = k;
    return true;
}

bool Readers::ReadRawTable(const QString& path, LineTable& table) {
    TextLines file;
    if (!ReadForMessageKind(path, file)) return false;
    RequireTableRoom(file, table, path);
    table.set(0, cp1252::Encode(path));
    int k = 0;
    for (std::string_view line : file.lines) table.set(++k, line);
    table.count = k;
    return true;
}

namespace {
void StoreFixedLines(const TextLines& file, LineTable& table, int width, const QString& path) {
    RequireAtMost(file, static_cast<size_t>(table.size()), path);
    int k = 0;
    for (std::string_view line : file.lines) {
        table.set(k++, PadToWidth(line, static_cast<size_t>(width)));
    }
    table.count = k;
}
}  // namespace

bool Readers::ReadFixedLines(const QString& path, LineTable& table, int width) {
    TextLines file;
    if (!ReadForMessageKind(path, file)) return false;
    StoreFixedLines(file, table, width, path);
    return true;
}

void Readers::ReadFixedLines120(const QString& path, LineTable& table) {
    StoreFixedLines(ReadTextFile(path), table, 60, path);
}

bool Readers::ReadMarkedLines(const QString& path, LineTable& table, std::vector<int>& lineNumbers,
                              int width) {
    TextLines file;
    if (!ReadForMessageKind(path, file)) return false;
    std::vector<int> marked;
    for (int i = 0; i < LineCount(file); ++i) {
        if (!file.lines[static_cast<size_t>(i)].starts_with('-')) continue;
        marked.push_back(i + 1);
        if (static_cast<int>(marked.size()) > table.size() - 1) {
            throw DataError::Capacity(
                path, i + 1,
                QStringLiteral("más de %1 líneas marcadas con «-»").arg(table.size() - 1));
        }
    }
    if (lineNumbers.size() < marked.size()) lineNumbers.resize(marked.size());
    for (size_t k = 0; k < marked.size(); ++k) {
        const std::string_view line = file.lines[static_cast<size_t>(marked[k] - 1)];
        table.set(static_cast<int>(k) + 1, PadToWidth(line.substr(1), static_cast<size_t>(width)));
        lineNumbers[k] = marked[k];
    }
    table.count = static_cast<int>(marked.size());
    return true;
}

bool Readers::ReadBlocks(const QString& path, BlockTable& blocks, int period) {
    const int maxLines = period == 26 ? kBlocks26Lines : kBlocks51Lines;
    if (blocks.fieldsPerBlock() < period - 1 || blocks.blocks() < (maxLines + period - 1) / period)
        throw std::logic_error("block table too small for its reader");
    TextLines file;
    if (!ReadForMessageKind(path, file)) return false;
    RequireAtMost(file, static_cast<size_t>(maxLines), path);
    int block = 0;
    for (int j = 0; j < LineCount(file); ++j) {
        const int field = j % period;
        if (field == 0) {
            ++block;  // a header line opens the block and is kept nowhere
            continue;
        }
        blocks.set(block, field - 1, PadToWidth(file.lines[static_cast<size_t>(j)], 60));
    }
    blocks.count = block;
    return true;
}

int Readers::LoadLineBuffer(const QString& path) {
    const TextLines file = ReadTextFile(path);
    RequireAtMost(file, LineBuffer::kCapacity, path);
    int k = 0;
    for (std::string_view line : file.lines) buffer_.lines[static_cast<size_t>(++k)].assign(line);
    buffer_.count = k;
    return k;
}

void Readers::ReadIntegerRows(const QString& path, int columns, IntGrid& rows) {
    if (columns > rows.columns()) throw std::logic_error("integer table narrower than its file");
    const int count = LoadLineBuffer(path);
    if (count > rows.rows()) {
        throw DataError::Capacity(
            path, rows.rows() + 1,
            QStringLiteral("el fichero tiene %1 filas y caben %2").arg(count).arg(rows.rows()));
    }
    std::vector<std::int32_t> parsed(static_cast<size_t>(count) * static_cast<size_t>(columns));
    for (int r = 1; r <= count; ++r) {
        const std::vector<std::string_view> fields =
            SplitFields(buffer_.lines[static_cast<size_t>(r)]);
        if (fields.size() < static_cast<size_t>(columns)) {
            throw DataError::Format(path, r,
                                    QStringLiteral("la línea tiene %1 campos y se esperan %2")
                                        .arg(fields.size())
                                        .arg(columns));
        }
        for (int c = 0; c < columns; ++c) {
            parsed[static_cast<size_t>((r - 1) * columns + c)] =
                FieldAsInteger(fields[static_cast<size_t>(c)], path, r);
        }
    }
    for (int r = 1; r <= count; ++r) {
        rows.clearRow(r);
        for (int c = 0; c < columns; ++c)
            rows.cell(r, c) = parsed[static_cast<size_t>((r - 1) * columns + c)];
    }
}

void Readers::ReadCountedLists(const QString& path, const std::vector<int>& sectionLengths,
                               const std::vector<IntGrid*>& sections) {
    if (sectionLengths.size() != sections.size())
        throw std::logic_error("one table per section of a counted list");
    const int count = LoadLineBuffer(path);
    struct Row {
        IntGrid* table;
        int row;
    };
    std::vector<Row> rows;
    CountedLines parsed;
    int first = 1;
    for (size_t s = 0; s < sections.size(); ++s) {
        IntGrid& table = *sections[s];
        const int length = sectionLengths[s];
        if (length > table.rows()) {
            throw DataError::Capacity(path, first + table.rows(),
                                      QStringLiteral("la sección %1 tiene %2 líneas y caben %3")
                                          .arg(s + 1)
                                          .arg(length)
                                          .arg(table.rows()));
        }
        for (int k = 1; k <= length && first + k - 1 <= count; ++k) {
            const int lineNo = first + k - 1;
            parsed.add(buffer_.lines[static_cast<size_t>(lineNo)], table.columns() - 1, INT32_MIN,
                       INT32_MAX, path, lineNo);
            rows.push_back({&table, k});
        }
        first += length;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto values = parsed.line(i);
        for (size_t j = 0; j < values.size(); ++j)
            rows[i].table->cell(rows[i].row, static_cast<int>(j)) = values[j];
    }
}

void Readers::ReadCountedBytes(const QString& path, ByteGrid& table) {
    if (table.rows() < kCountedBytesRows || table.columns() < kCountedBytesColumns)
        throw std::logic_error("counted byte table too small");
    const int count = LoadLineBuffer(path);
    if (count > kCountedBytesRows) {
        throw DataError::Capacity(path, kCountedBytesRows + 1,
                                  QStringLiteral("el fichero tiene %1 filas y caben %2")
                                      .arg(count)
                                      .arg(kCountedBytesRows));
    }
    CountedLines parsed;
    for (int k = 1; k <= count; ++k) {
        parsed.add(buffer_.lines[static_cast<size_t>(k)], kCountedBytesColumns - 1, INT32_MIN, 255,
                   path, k);
    }
    for (int k = 1; k <= count; ++k) {
        const auto values = parsed.line(static_cast<size_t>(k - 1));
        for (size_t j = 0; j < values.size(); ++j) {
            if (values[j] > 0)
                table.cell(k, static_cast<int>(j)) = static_cast<std::uint8_t>(values[j]);
        }
    }
}

void Readers::ReadDegreeLists(const QString& path, int degrees, DegreeOfferings& offerings) {
    if (degrees < 0 || degrees > DegreeOfferings::kDegrees) {
        throw DataError::Capacity(
            path, 0,
            QStringLiteral("%1 grados y caben %2").arg(degrees).arg(DegreeOfferings::kDegrees));
    }
    const int count = LoadLineBuffer(path);
    if (count < 3 * degrees) {
        throw DataError::Format(
            path, count + 1,
            QStringLiteral("faltan líneas: hay %1 y se esperan %2 (tres por grado)")
                .arg(count)
                .arg(3 * degrees));
    }
    CountedLines parsed;
    for (int lineNo = 1; lineNo <= 3 * degrees; ++lineNo) {
        parsed.add(buffer_.lines[static_cast<size_t>(lineNo)], DegreeOfferings::kEntries, 0, 255,
                   path, lineNo);
    }
    // The distinct titles are worked out on copies so that a refusal leaves every table as it was.
    ByteGrid places = offerings.places;
    ByteGrid titles = offerings.titles;
    auto apply = [&](ByteGrid& table, int section, int d) {
        const auto values = parsed.line(static_cast<size_t>(section * degrees + d - 1));
        for (size_t j = 0; j < values.size(); ++j)
            table.cell(d, static_cast<int>(j)) = static_cast<std::uint8_t>(values[j]);
    };
    for (int d = 1; d <= degrees; ++d) {
        apply(places, 0, d);
        apply(titles, 2, d);
    }
    IntGrid distinct = offerings.distinctTitles;
    for (int d = 1; d <= degrees; ++d) {
        std::vector<int> list;
        const int n = places.at(d, 0);
        for (int i = 1; i <= n; ++i) {
            const int t = titles.at(d, i);
            if (t == 0 || std::find(list.begin(), list.end(), t) != list.end()) continue;
            if (static_cast<int>(list.size()) == DegreeOfferings::kDistinct) {
                throw DataError::Capacity(
                    path, 2 * degrees + d,
                    QStringLiteral("el grado %1 tiene más de %2 títulos distintos")
                        .arg(d)
                        .arg(DegreeOfferings::kDistinct));
            }
            list.push_back(t);
        }
        distinct.clearRow(d);
        distinct.cell(d, 0) = static_cast<int>(list.size());
        for (size_t k = 0; k < list.size(); ++k)
            distinct.cell(d, static_cast<int>(k) + 1) = list[k];
    }
    offerings.places = std::move(places);
    offerings.titles = std::move(titles);
    for (int d = 1; d <= degrees; ++d) apply(offerings.cutOffTenths, 1, d);
    offerings.distinctTitles = std::move(distinct);
}

}  // namespace velmora
