#pragma once

#include <array>
#include <string>

#include "core/shared/tables.h"

namespace velmora {

// The interface text table as the screens read it: slot N holds line N of "textos" cut to its
// slot width W(N). Filled once at start-up and only read afterwards.
class InterfaceTexts {
public:
    static constexpr int kFirstSlot = 2;
    static constexpr int kLastSlot = 749;
    static constexpr int kTableSize = 1101;  // entries 0..1100 of the text table
    static constexpr int kEntryCapacity = 75;

    // W(N); 0 for a line that is copied into no slot (line 1, the exclusions, 750 and beyond).
    static int SlotWidth(int n);
    static bool IsDistributed(int n);

    // Interface text N (bytes, Windows-1252); empty for a line without a slot.
    const std::string& operator[](int n) const;

    // DistributeInterfaceTexts: copies every distributed line of the table into its slot.
    void Distribute(const LineTable& table);

private:
    std::array<std::string, kLastSlot + 1> slots_;
};

}  // namespace velmora
