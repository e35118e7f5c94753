// The keyboard's lighting record: one 42-byte block per on-board profile, three
// of them back to back in the lighting memory (profile p at address p x 42).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quovex {

inline constexpr size_t kLightingBlockSize = 42;
inline constexpr int kLightingProfiles = 3;

// Byte values of `direction`: the first picture of a direction pair (left, up,
// spread) or the second (right, down, gather).
inline constexpr uint8_t kDirectionFirst = 0xFF;
inline constexpr uint8_t kDirectionSecond = 0x00;

// The highest report-rate index; a stored byte above it reads as this index.
inline constexpr int kHighestReportRate = 3;

struct LightingBlock {
    uint8_t mode;               // 0: mode id (1..18, 20 known)
    uint8_t brightness;         // 1: 0..4
    uint8_t speed;              // 2: 0..4; the speed slider shows position 4 - speed
    uint8_t direction;          // 3: 0xFF first direction of the pair, 0x00 second
    uint8_t multiColour;        // 4: 0 single effect colour, non-zero multi-colour (written as 1)
    uint8_t effectColour[3];    // 5..7: red, green, blue
    uint8_t unknown8[7];        // 8..14: not interpreted; the defaults write 08 FF FF FF FF 00 00
    uint8_t reportRate;         // 15: report-rate index 0..3; above 3 reads as 3
    uint8_t unknown16;          // 16: not interpreted; the defaults write FF
    uint8_t swatch;             // 17: 0 red, 1 yellow, 2 green, 3 blue
    uint8_t unknown18;          // 18: not interpreted; the defaults write 00
    uint8_t triggerKind;        // 19: 0 single-key trigger, 1 grid trigger
    uint8_t unknown20[5];       // 20..24: not interpreted; the defaults write 00 FF FF 00 00
    uint8_t stoneColour[3];     // 25..27: red, green, blue of the stone-throw effect
    uint8_t stoneMultiColour;   // 28: 0 or non-zero
    uint8_t unknown29;          // 29: not interpreted; the defaults write 00
    uint8_t ribbonColour[3];    // 30..32: red, green, blue of the ribbon effect
    uint8_t ribbonMultiColour;  // 33: 0 or non-zero
    uint8_t unknown34;          // 34: not interpreted; the defaults write 00
    uint8_t unknown35[7];       // 35..41: never written by the program
};
static_assert(sizeof(LightingBlock) == kLightingBlockSize);
static_assert(offsetof(LightingBlock, effectColour) == 5);
static_assert(offsetof(LightingBlock, reportRate) == 15);
static_assert(offsetof(LightingBlock, swatch) == 17);
static_assert(offsetof(LightingBlock, triggerKind) == 19);
static_assert(offsetof(LightingBlock, stoneColour) == 25);
static_assert(offsetof(LightingBlock, ribbonColour) == 30);
static_assert(offsetof(LightingBlock, unknown35) == 35);

// Offsets of the fields the lighting operations write, for WriteLightingField.
namespace lighting_field {
inline constexpr uint8_t kMode = offsetof(LightingBlock, mode);
inline constexpr uint8_t kBrightness = offsetof(LightingBlock, brightness);
inline constexpr uint8_t kSpeed = offsetof(LightingBlock, speed);
inline constexpr uint8_t kDirection = offsetof(LightingBlock, direction);
inline constexpr uint8_t kMultiColour = offsetof(LightingBlock, multiColour);
inline constexpr uint8_t kEffectColour = offsetof(LightingBlock, effectColour);
inline constexpr uint8_t kReportRate = offsetof(LightingBlock, reportRate);
inline constexpr uint8_t kSwatch = offsetof(LightingBlock, swatch);
}  // namespace lighting_field

// The first 35 bytes of a block as RestoreLightingDefaults writes them: mode 1,
// brightness 4, speed 1, direction second, multi-colour on, effect colour red,
// report-rate byte FF, swatch red, single-key trigger, stone-throw and ribbon
// colours white with multi-colour off. Bytes 35..41 are never written.
inline constexpr std::array<uint8_t, 35> kDefaultLightingBlock = {
    0x01, 0x04, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0xFF, 0xFF, 0xFF,
    0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00,
    0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00};

// Address of a field of profile p's block in the keyboard's lighting memory.
constexpr uint16_t LightingAddress(int profile, int offset) {
    return static_cast<uint16_t>(profile * static_cast<int>(kLightingBlockSize) + offset);
}

}  // namespace quovex
