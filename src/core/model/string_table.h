// The strings of the working profile: one slot per key entry (slot i belongs
// to entry i), used by program paths (ASSIGN_PROGRAM) and text blocks
// (ASSIGN_TEXT). A slot is empty or holds a UTF-16 string whose length in the
// string area is (characters + 1) x 2 bytes with its NUL. The running total of
// all slot lengths is the `string_bytes` of every image built from the
// working profile.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/profile_image.h"

namespace quovex {

class StringTable {
public:
    StringTable() : slots_(kKeyEntryCount) {}

    // The slot's string, or nullptr when the slot is empty (or out of range).
    const std::u16string* Get(int index) const;
    // The slot's length in the string area, 0 when empty.
    uint32_t SlotBytes(int index) const;
    uint32_t Total() const { return total_; }

    // Stores `text` up to its first NUL. False (nothing changed) for an index
    // outside 0..2047 or when the total would pass 4 GiB.
    bool Set(int index, std::u16string_view text);
    void Clear(int index);
    void ClearAll();

private:
    std::vector<std::optional<std::u16string>> slots_;
    uint32_t total_ = 0;
};

// Packs the strings of the entries of type 3 or 6 whose slot is not empty,
// in entry order, each with its NUL, into a zeroed block of Total() bytes, and
// stores each string's offset in its entry's `value`. A slot whose entry is no
// longer of type 3 or 6 is left out; its bytes stay zero.
std::vector<uint8_t> PackStrings(std::span<KeyEntry, kKeyEntryCount> entries, const StringTable& strings);

}  // namespace quovex
