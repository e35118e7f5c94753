// KeyCode: the one key identifier of the program. It is the PC scan code (set
// 1) of the key; keys sent with the E0 prefix have 0x100 added (Pause is 0x045,
// Num Lock 0x145). Codes 0x15E..0x17E also name system, mouse and shortcut
// keys. 0 = no key.
//
// Its key slot (0..255) indexes the key information table and the key entries
// of a profile block: slot = code below 0x100, (code - 0x80) mod 256 from 0x100.
#pragma once

#include <cstdint>

namespace quovex {

using KeyCode = uint16_t;
inline constexpr KeyCode kNoKey = 0;
inline constexpr int kKeySlots = 256;

constexpr uint8_t SlotFromKeyCode(KeyCode code) {
    return static_cast<uint8_t>(code < 0x100 ? code : (code - 0x80) & 0xFF);
}

constexpr KeyCode KeyCodeFromSlot(uint8_t slot) {
    return slot < 0x80 ? slot : static_cast<KeyCode>(slot + 0x80);
}

}  // namespace quovex
