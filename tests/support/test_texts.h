#pragma once

#include <string>
#include <vector>

#include "core/shared/interface_texts.h"
#include "core/shared/keyed_lines.h"

namespace velmora::testing {

// Interface text N reads "texto N" (cut to its slot's width), so that a test can tell which line
// a caption was made of.
inline void NumberTexts(InterfaceTexts& texts) {
    LineTable table(InterfaceTexts::kTableSize, InterfaceTexts::kEntryCapacity);
    for (int n = 1; n < InterfaceTexts::kTableSize; ++n) table.set(n, "texto " + std::to_string(n));
    texts.Distribute(table);
}

// Keyed explanation lines as the reader leaves them: each padded to the table's width.
inline void FillKeyedLines(KeyedLines& keyed, const std::vector<std::string>& lines) {
    for (size_t k = 0; k < lines.size(); ++k)
        keyed.table().set(static_cast<int>(k), PadToWidth(lines[k], KeyedLines::kWidth));
    keyed.table().count = static_cast<int>(lines.size());
}

}  // namespace velmora::testing
