#include "sim/keyboard_state.h"

#include <algorithm>
#include <cstring>

#include "sim/factory_tables.h"

namespace quovex::sim {

std::span<uint8_t> KeyboardMemories::Bytes(Memory memory) {
    switch (memory) {
        case Memory::kState:
            return state;
        case Memory::kKeyMaps:
            return key_maps;
        case Memory::kDefaultKeyMap:
            return default_key_map;
        case Memory::kMacros:
            return macros;
        case Memory::kLighting:
            return lighting;
        case Memory::kKeyColours:
            return key_colours;
    }
    return {};
}

std::span<const uint8_t> KeyboardMemories::Bytes(Memory memory) const {
    return const_cast<KeyboardMemories*>(this)->Bytes(memory);
}

KeyboardMemories FactoryMemories() {
    KeyboardMemories memories;
    memories.state[kStateCurrentProfile] = 0;
    memories.state[kStateMacroUnits] = kFactoryMacroUnits;
    std::copy(kFactoryModeList.begin(), kFactoryModeList.end(), memories.state.begin() + kStateModeList);

    std::memcpy(memories.default_key_map.data(), kFactoryKeyMap.data(), kKeyMapSize);
    for (size_t profile = 0; profile < kOnBoardProfiles; ++profile) {
        std::memcpy(memories.key_maps.data() + profile * kKeyMapSize, kFactoryKeyMap.data(), kKeyMapSize);
        std::copy(kDefaultLightingBlock.begin(), kDefaultLightingBlock.end(),
                  memories.lighting.begin() + profile * kLightingBlockStride);
    }
    memories.macros.assign(memories.MacroSize(), 0);
    return memories;
}

KeyboardState FactoryState() {
    KeyboardState state;
    state.memories = FactoryMemories();
    return state;
}

}  // namespace quovex::sim
