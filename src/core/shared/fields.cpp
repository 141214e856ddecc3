#include "core/shared/fields.h"

#include <charconv>

namespace velmora {

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    SplitFieldsInto(line, fields);
    return fields;
}

void SplitFieldsInto(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    size_t start = 0;
    while (true) {
        const size_t sep = line.find(';', start);
        if (sep == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return;
        }
        fields.push_back(line.substr(start, sep - start));
        start = sep + 1;
    }
}

std::optional<std::int32_t> ToInteger(std::string_view field) {
    if (field.empty()) return std::nullopt;
    bool negative = false;
    if (field.front() == '+' || field.front() == '-') {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty() || field.front() < '0' || field.front() > '9') return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace velmora
