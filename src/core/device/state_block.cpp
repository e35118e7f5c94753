#include "device/state_block.h"

namespace quovex {

int CurrentProfileOf(const StateBlock& state) {
    const uint8_t profile = state[kStateCurrentProfileOffset];
    return profile < kOnBoardProfiles ? profile : -1;
}

size_t MacroMemorySizeOf(const StateBlock& state) {
    return state[kStateMacroMemoryOffset] * kMacroMemoryUnit;
}

std::vector<uint8_t> LightingModesOf(const StateBlock& state) {
    std::vector<uint8_t> modes;
    for (size_t slot = 0; slot < kStateModeListSlots; ++slot) {
        const uint8_t mode = state[kStateModeListOffset + slot];
        if (mode != 0) modes.push_back(mode);
    }
    return modes;
}

}  // namespace quovex
