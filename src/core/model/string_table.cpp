#include "model/string_table.h"

#include <cstring>
#include <limits>

#include "model/assign_type.h"

namespace quovex {

namespace {

uint64_t BytesOf(const std::u16string& text) {
    return (uint64_t{text.size()} + 1) * 2;
}

bool InRange(int index) {
    return index >= 0 && index < kKeyEntryCount;
}

}  // namespace

const std::u16string* StringTable::Get(int index) const {
    return InRange(index) && slots_[index] ? &*slots_[index] : nullptr;
}

uint32_t StringTable::SlotBytes(int index) const {
    const std::u16string* text = Get(index);
    return text ? static_cast<uint32_t>(BytesOf(*text)) : 0;
}

bool StringTable::Set(int index, std::u16string_view text) {
    if (!InRange(index)) return false;
    text = text.substr(0, std::min(text.find(u'\0'), text.size()));
    const uint64_t new_total = uint64_t{total_} - SlotBytes(index) + (uint64_t{text.size()} + 1) * 2;
    if (new_total > std::numeric_limits<uint32_t>::max()) return false;
    slots_[index] = std::u16string(text);
    total_ = static_cast<uint32_t>(new_total);
    return true;
}

void StringTable::Clear(int index) {
    if (!InRange(index)) return;
    total_ -= SlotBytes(index);
    slots_[index].reset();
}

void StringTable::ClearAll() {
    for (auto& slot : slots_) slot.reset();
    total_ = 0;
}

std::vector<uint8_t> PackStrings(std::span<KeyEntry, kKeyEntryCount> entries, const StringTable& strings) {
    std::vector<uint8_t> block(strings.Total(), 0);
    uint64_t offset = 0;
    for (int i = 0; i < kKeyEntryCount; ++i) {
        const std::u16string* text = strings.Get(i);
        const uint32_t length = strings.SlotBytes(i);
        if (!text || offset + length > block.size() || !UsesString(entries[i].type)) continue;
        std::memcpy(block.data() + offset, text->c_str(), length);  // c_str() ends with the NUL
        entries[i].value = static_cast<uint32_t>(offset);
        offset += length;
    }
    return block;
}

}  // namespace quovex
