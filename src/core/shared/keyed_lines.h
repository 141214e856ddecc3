#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/shared/tables.h"

namespace velmora {

// The keyed explanation lines ("informa_l", "materias_l"): line k of the file in entry k-1,
// exactly 60 characters; columns 1-2 hold a key such as " 5" or "13", columns 3-60 the text.
class KeyedLines {
public:
    static constexpr int kCapacity = 600;
    static constexpr int kWidth = 60;

    LineTable& table() { return table_; }
    const LineTable& table() const { return table_; }
    int count() const { return table_.count; }

    // The text part (columns 3-60) of every line whose key is `key`, in file order. A number
    // key is written right-aligned in two characters.
    std::vector<std::string> linesForKey(std::string_view key) const;
    std::vector<std::string> linesForKey(int key) const;

    // Line n of the file (from 1) read by position: characters 4-63 without surrounding blanks.
    std::string positional(int n) const;

    static std::string KeyText(int key);

private:
    LineTable table_{kCapacity, 100};
};

}  // namespace velmora
