#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Bounded text of capacity `capacity`: its first `capacity` bytes.
inline std::string_view Bounded(std::string_view text, size_t capacity) {
    return text.substr(0, capacity);
}

// Padding to width w: the line extended with w-1 blanks and cut to its first w characters, so a
// non-empty line becomes exactly w characters and an empty one w-1 blanks.
std::string PadToWidth(std::string_view line, size_t width);

// The text without trailing blanks or control characters.
std::string_view TrimRight(std::string_view text);

// The text without surrounding blanks or control characters.
std::string_view Trim(std::string_view text);

// A table of bounded texts with entries 0..size-1, allocated once for its full capacity. The
// readers say what entry 0 holds (the file's path in most tables) and where the lines go.
class LineTable {
public:
    LineTable(int size, int entryCapacity)
        : entries_(static_cast<size_t>(size)), entryCapacity_(entryCapacity) {}

    int size() const { return static_cast<int>(entries_.size()); }
    int entryCapacity() const { return entryCapacity_; }

    // Entry k; an index outside the table reads as empty.
    const std::string& entry(int k) const;
    const std::string& operator[](int k) const { return entry(k); }

    // Stores the first entryCapacity() bytes of `text` in entry k (0 <= k < size()).
    void set(int k, std::string_view text);

    // Number of lines the last reader stored.
    int count = 0;

private:
    std::vector<std::string> entries_;
    int entryCapacity_;
};

// A fixed table of integers (or bytes) with rows 1..rows and columns 0..columns-1. Row 0 exists
// and stays 0 so that row numbers can be used as they come from the files.
template <typename T>
class Grid {
public:
    Grid(int rows, int columns)
        : rows_(rows), columns_(columns), cells_(static_cast<size_t>((rows + 1) * columns)) {}

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // Cell (row, column); outside the table reads as 0.
    T at(int row, int column) const {
        if (!contains(row, column)) return T{};
        return cells_[index(row, column)];
    }
    // Row r's cells, columns 0..columns()-1; empty outside the table. For scans of whole rows.
    std::span<const T> row(int r) const {
        if (r < 0 || r > rows_) return {};
        return {cells_.data() + index(r, 0), static_cast<size_t>(columns_)};
    }
    // Writable cell; callers check bounds with contains() first.
    T& cell(int row, int column) { return cells_[index(row, column)]; }
    bool contains(int row, int column) const {
        return row >= 0 && row <= rows_ && column >= 0 && column < columns_;
    }
    void clearRow(int row) {
        for (int c = 0; c < columns_; ++c) cell(row, c) = T{};
    }

private:
    size_t index(int row, int column) const {
        return static_cast<size_t>(row) * static_cast<size_t>(columns_) +
               static_cast<size_t>(column);
    }
    int rows_;
    int columns_;
    std::vector<T> cells_;
};

using IntGrid = Grid<std::int32_t>;
using ByteGrid = Grid<std::uint8_t>;

// Blocks of fields (the subject lists of titles and courses): blocks 1..blocks, each with fields
// 0..fieldsPerBlock-1 of capacity 60.
class BlockTable {
public:
    BlockTable(int blocks, int fieldsPerBlock)
        : blocks_(blocks),
          fieldsPerBlock_(fieldsPerBlock),
          fields_(static_cast<size_t>((blocks + 1) * fieldsPerBlock)) {}

    static constexpr int kFieldCapacity = 60;

    int blocks() const { return blocks_; }
    int fieldsPerBlock() const { return fieldsPerBlock_; }

    // Field f of block b; outside the table reads as empty.
    const std::string& field(int block, int f) const;
    void set(int block, int f, std::string_view text);

    // Number of blocks the last reader filled.
    int count = 0;

private:
    int blocks_;
    int fieldsPerBlock_;
    std::vector<std::string> fields_;
};

}  // namespace velmora
