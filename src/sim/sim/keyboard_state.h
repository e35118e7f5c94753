// Everything the virtual keyboard keeps between runs: its memories, whether it
// is plugged in, its G-key bank, and the test settings (latency, faults). This
// is exactly what the state file holds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "quovex/sim_control.h"

namespace quovex::sim {

inline constexpr size_t kStateSize = 44;
inline constexpr size_t kKeyMapSize = 378;  // 126 records of 3 bytes
inline constexpr size_t kOnBoardProfiles = 3;
inline constexpr size_t kKeyMapsSize = kKeyMapSize * kOnBoardProfiles;
inline constexpr size_t kLightingSize = 128;
inline constexpr size_t kLightingBlockStride = 42;  // profile p's block at p x 42
inline constexpr size_t kKeyColoursSize = 1536;
inline constexpr size_t kKeyColourProfileStride = 512;  // profile p, slot s at p x 512 + s x 3
inline constexpr size_t kMacroUnit = 128;               // state byte 11 counts macro memory in these

// Offsets in the state block.
inline constexpr size_t kStateCurrentProfile = 10;  // 0..2
inline constexpr size_t kStateMacroUnits = 11;      // macro memory size / 128
inline constexpr size_t kStateModeList = 12;        // 32 one-byte lighting mode ids, 0 = empty slot

struct KeyboardMemories {
    std::array<uint8_t, kStateSize> state{};
    std::array<uint8_t, kKeyMapsSize> key_maps{};
    std::array<uint8_t, kKeyMapSize> default_key_map{};
    std::vector<uint8_t> macros;  // always state[kStateMacroUnits] x 128 bytes
    std::array<uint8_t, kLightingSize> lighting{};
    std::array<uint8_t, kKeyColoursSize> key_colours{};

    size_t MacroSize() const { return size_t{state[kStateMacroUnits]} * kMacroUnit; }
    std::span<uint8_t> Bytes(Memory memory);
    std::span<const uint8_t> Bytes(Memory memory) const;

    bool operator==(const KeyboardMemories&) const = default;
};

struct KeyboardState {
    bool present = true;
    int bank = 0;  // 0 = A, 1 = B
    KeyboardMemories memories;
    uint32_t latency_ms = 0;
    FaultCounters faults;

    bool operator==(const KeyboardState&) const = default;
};

// The keyboard as it leaves the factory.
KeyboardState FactoryState();
KeyboardMemories FactoryMemories();

}  // namespace quovex::sim
