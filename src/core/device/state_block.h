// Reading the keyboard's 44-byte state block (CMD_READ_STATE). Only bytes 10
// and 11 and the mode list have a meaning to the program; every other byte is
// kept as read when the block is written back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/command_set.h"

namespace quovex {

inline constexpr size_t kStateCurrentProfileOffset = 10;  // current on-board profile, 0..2
inline constexpr size_t kStateMacroMemoryOffset = 11;     // macro memory size in units of 128 bytes
inline constexpr size_t kStateModeListOffset = 12;        // 32 one-byte slots: 0 = empty, else a mode id
inline constexpr size_t kStateModeListSlots = 32;
inline constexpr size_t kMacroMemoryUnit = 128;
static_assert(kStateModeListOffset + kStateModeListSlots == kStateBlockSize);

// The current on-board profile 0..2, or -1 when the keyboard reports another value.
int CurrentProfileOf(const StateBlock& state);

// The macro memory size in bytes.
size_t MacroMemorySizeOf(const StateBlock& state);

// The mode ids of the non-empty slots of the mode list, in slot order.
std::vector<uint8_t> LightingModesOf(const StateBlock& state);

}  // namespace quovex
