#include "core/printing/report_buffer.h"

#include <algorithm>

namespace velmora {

void ReportBuffer::set(int k, std::string_view text) {
    if (k < 0 || k > kLastEntry) return;
    entries_.set(k, text);
}

void ReportBuffer::EmptyFrom(int first) {
    for (int k = std::max(first, 0); k <= kLastEntry; ++k) entries_.set(k, {});
}

void ResultReport::add(std::string line, bool bold) {
    lines.push_back(std::move(line));
    if (bold) boldLines.push_back(count());
}

bool BoldLines::Add(int line) {
    if (count() >= kCapacity) return false;
    lines_.push_back(line);
    return true;
}

bool BoldLines::Contains(int line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

}  // namespace velmora
