#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A data file's bytes split into lines. A line ends at CR LF or at a bare LF; the last line may
// lack its end. The views point into the bytes, which live on the heap so that moving a
// TextLines keeps them valid; it is moved, never copied.
struct TextLines {
    std::unique_ptr<const std::string> bytes;
    std::vector<std::string_view> lines;

    TextLines() = default;
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;
    TextLines(TextLines&&) noexcept = default;
    TextLines& operator=(TextLines&&) noexcept = default;
};

// Splits `bytes` into lines.
TextLines SplitLines(std::string bytes);

// True when `path` names a file that can be opened for reading.
bool FileReadable(const QString& path);

// Reads a whole file. Throws DataError (Missing or Unreadable) naming the path.
std::string ReadFileBytes(const QString& path);

// Reads and splits a file.
TextLines ReadTextFile(const QString& path);

// Throws DataError(Capacity) when `lines` holds more than `capacity` lines: the first line past
// the capacity is the one reported.
void RequireAtMost(const TextLines& lines, size_t capacity, const QString& path);

}  // namespace velmora
