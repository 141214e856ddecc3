#include "core/shared/keyed_lines.h"

namespace velmora {

std::string KeyedLines::KeyText(int key) {
    std::string text = std::to_string(key);
    if (text.size() < 2) text.insert(text.begin(), 2 - text.size(), ' ');
    return text;
}

std::vector<std::string> KeyedLines::linesForKey(std::string_view key) const {
    std::vector<std::string> out;
    for (int k = 0; k < table_.count; ++k) {
        const std::string& line = table_.entry(k);
        if (line.size() >= 2 && std::string_view(line).substr(0, 2) == key)
            out.emplace_back(line.substr(2));
    }
    return out;
}

std::vector<std::string> KeyedLines::linesForKey(int key) const { return linesForKey(KeyText(key)); }

std::string KeyedLines::positional(int n) const {
    if (n < 1 || n > table_.count) return {};
    const std::string& line = table_.entry(n - 1);
    if (line.size() < 4) return {};
    return std::string(Trim(std::string_view(line).substr(3, 60)));
}

}  // namespace velmora
