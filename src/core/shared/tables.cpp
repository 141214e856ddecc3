#include "core/shared/tables.h"

namespace velmora {
namespace {
const std::string kEmpty;
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string PadToWidth(std::string_view line, size_t width) {
    if (width == 0) return {};
    std::string out(line.substr(0, width));
    const size_t target = line.empty() ? width - 1 : width;
    out.resize(target, ' ');
    return out;
}

std::string FitToWidth(std::string_view text, size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string_view TrimRight(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1])) --n;
    return text.substr(0, n);
}

std::string_view Trim(std::string_view text) {
    text = TrimRight(text);
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return text.substr(i);
}

const std::string& LineTable::entry(int k) const {
    if (k < 0 || k >= size()) return kEmpty;
    return entries_[static_cast<size_t>(k)];
}

void LineTable::set(int k, std::string_view text) {
    entries_.at(static_cast<size_t>(k)).assign(Bounded(text, static_cast<size_t>(entryCapacity_)));
}

const std::string& BlockTable::field(int block, int f) const {
    if (block < 0 || block > blocks_ || f < 0 || f >= fieldsPerBlock_) return kEmpty;
    return fields_[static_cast<size_t>(block * fieldsPerBlock_ + f)];
}

void BlockTable::set(int block, int f, std::string_view text) {
    fields_.at(static_cast<size_t>(block * fieldsPerBlock_ + f))
        .assign(Bounded(text, kFieldCapacity));
}

}  // namespace velmora
