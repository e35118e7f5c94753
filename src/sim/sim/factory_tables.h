// The keyboard's factory contents: its default key map, the default lighting
// block and the lighting modes it offers.
#pragma once

#include <array>
#include <cstdint>

#include "sim/keyboard_state.h"

namespace quovex::sim {

// One key-map record: kind, sub, code (kind 2 sub 2 = keyboard usage, kind 2
// sub 1 = modifier bits, kind 3 = consumer usage lo/hi, kind 5 = macro and
// special functions, 0 0 0 = no function).
struct KeyMapRecord {
    uint8_t kind;
    uint8_t sub;
    uint8_t code;
};
static_assert(sizeof(KeyMapRecord) == 3);

inline constexpr size_t kKeyMapPositions = kKeyMapSize / sizeof(KeyMapRecord);  // 126

// The key map every profile holds at the factory, and the default key map.
extern const std::array<KeyMapRecord, kKeyMapPositions> kFactoryKeyMap;

// The first 35 bytes of each profile's lighting block at the factory (the other
// 7 bytes are zero): mode 1, brightness 4, speed 1, direction 0, multi-colour on,
// red, report-rate FF, swatch red, single-key trigger, white stone and ribbon.
inline constexpr std::array<uint8_t, 35> kDefaultLightingBlock = {
    0x01, 0x04, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0xFF, 0xFF, 0xFF,
    0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00,
    0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00};

// The lighting modes offered, in state bytes 12 onward.
inline constexpr std::array<uint8_t, 19> kFactoryModeList = {1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                             11, 12, 13, 14, 15, 16, 17, 18, 20};

inline constexpr uint8_t kFactoryMacroUnits = 32;  // 4096 bytes of macro memory

}  // namespace quovex::sim
