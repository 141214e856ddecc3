#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

// Splits a line at ";": k separators give k+1 fields, empty fields kept; a line without ";" is
// one field.
std::vector<std::string_view> SplitFields(std::string_view line);
// The same into `fields`, reusing its storage (for readers that split thousands of lines).
void SplitFieldsInto(std::string_view line, std::vector<std::string_view>& fields);

// Strict decimal conversion: an optional sign and at least one digit, nothing else, within the
// 32-bit range. Anything else (empty, blanks, letters, overflow) gives no value.
std::optional<std::int32_t> ToInteger(std::string_view field);

}  // namespace velmora
