#include "model/key_tables.h"

#include <algorithm>

#include "app/text_format.h"

namespace quovex {

const KeyInfo& KeyInfoOf(KeyCode code) {
    return kKeyInfoTable[SlotFromKeyCode(code)];
}

std::string KeyName(KeyCode code, const TextTable& texts) {
    const KeyInfo& info = KeyInfoOf(code);
    std::string name = info.name_text_key.empty() ? std::string(info.name) : texts.Text(info.name_text_key);
    if (name.empty()) name = FormatText(texts.Text("UNKNOWN_KEY"), int64_t{code});
    return name;
}

std::string_view ListName(int position) {
    const KeyCode code = KeyCodeFromListPosition(position);
    return code == kNoKey ? std::string_view{} : KeyInfoOf(code).name;
}

KeyCode KeyCodeFromListPosition(int position) {
    if (position < 0) return kNoKey;
    for (int slot = 0; slot < kKeySlots; ++slot) {
        if (kKeyInfoTable[slot].list_position == position) return KeyCodeFromSlot(static_cast<uint8_t>(slot));
    }
    return kNoKey;
}

int ListPositionFromKeyCode(KeyCode code) {
    return KeyInfoOf(code).list_position;
}

HidUsage UsageFromKeyCode(KeyCode code) {
    const uint8_t usage_byte = KeyInfoOf(code).usage_byte;
    if (usage_byte == 0 || usage_byte == 0xFF) return {};
    if (usage_byte >= kUsageByteSystemFirst && usage_byte <= kUsageByteSystemLast) {
        return {kUsagePageSystem, usage_byte};
    }
    if (usage_byte >= kUsageByteConsumerFirst && usage_byte <= kUsageByteConsumerLast) {
        return {kUsagePageConsumer, kConsumerUsages[usage_byte - kUsageByteConsumerFirst]};
    }
    return {kUsagePageKeyboard, usage_byte};
}

KeyCode KeyCodeFromUsage(uint16_t page, uint16_t usage) {
    unsigned usage_byte = 0;
    if (page == kUsagePageKeyboard) {
        usage_byte = usage;
    } else if (page == kUsagePageSystem) {
        usage_byte = (usage >= kUsageByteSystemFirst && usage <= kUsageByteSystemLast) ? usage : 0;
    } else if (page == kUsagePageConsumer) {
        const auto found = std::find(kConsumerUsages.begin(), kConsumerUsages.end(), usage);
        if (found != kConsumerUsages.end()) {
            usage_byte = kUsageByteConsumerFirst + static_cast<unsigned>(found - kConsumerUsages.begin());
        }
    }
    if (usage_byte == 0 || usage_byte > 0xFF) return kNoKey;
    for (int slot = 0; slot < kKeySlots; ++slot) {
        if (kKeyInfoTable[slot].usage_byte == usage_byte) return KeyCodeFromSlot(static_cast<uint8_t>(slot));
    }
    return kNoKey;
}

KeyCode KeyCodeFromModifierBits(uint8_t bits) {
    for (size_t bit = 0; bit < kModifierKeys.size(); ++bit) {
        if (bits & (1u << bit)) return kModifierKeys[bit];
    }
    return kNoKey;
}

uint8_t ModifierBitFromKeyCode(KeyCode code) {
    for (size_t bit = 0; bit < kModifierKeys.size(); ++bit) {
        if (kModifierKeys[bit] == code) return static_cast<uint8_t>(1u << bit);
    }
    return 0;
}

KeyCode KeyCodeFromEvent(uint32_t virtual_key, uint32_t lparam) {
    constexpr uint32_t kRightShiftScanCode = 0x036;
    constexpr uint32_t kNoVirtualKey = 0xFF;
    const auto scan_code =
        static_cast<KeyCode>((lparam >> 16) & 0x1FF);  // scan code + extended flag as 0x100
    const uint8_t table_slot = virtual_key <= 0xFF ? kVirtualKeyTable[virtual_key] : 0;
    const KeyCode from_virtual_key = KeyCodeFromSlot(table_slot);

    if (scan_code == kRightShiftScanCode) return scan_code;
    if (virtual_key == kNoVirtualKey) return scan_code;
    if ((scan_code & 0xFF) == 0) return from_virtual_key;
    const KeyInfo& info = KeyInfoOf(scan_code);
    if (info.virtual_key == virtual_key || info.virtual_key_num_lock_off == virtual_key) return scan_code;
    if ((scan_code & 0xFF) == table_slot) return scan_code;
    return from_virtual_key;
}

bool IsMediaKey(KeyCode code) {
    return std::any_of(kMediaKeys.begin(), kMediaKeys.end(),
                       [code](const MediaKey& key) { return key.code == code; });
}

bool IsReleaseOnlyKey(KeyCode code) {
    return std::find(kReleaseOnlyKeys.begin(), kReleaseOnlyKeys.end(), code) != kReleaseOnlyKeys.end();
}

}  // namespace quovex
