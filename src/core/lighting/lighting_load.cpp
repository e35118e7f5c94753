#include "lighting/lighting_load.h"

#include <algorithm>
#include <cstring>

#include "device/state_block.h"
#include "lighting/access_group.h"
#include "lighting/key_colour_operations.h"
#include "lighting/lighting_skin_texts.h"
#include "lighting/mode_table.h"

namespace quovex {
namespace {

static_assert(kModeListStateOffset == kStateModeListOffset && kModeListSlots == kStateModeListSlots);

void ClearEffectList(LightingContext& lighting) {
    lighting.state.effectMap.Clear();
    lighting.effectSelection = -1;
    lighting.view.SetEffectList({});
}

// Steps shared by both loads. The blocks are read with the keyboard's full
// chunk answer; the first 42 bytes are the block.
int Load(LightingContext& lighting, bool withPresets) {
    LightingState& state = lighting.state;
    ClearEffectList(lighting);
    state.modeList.fill(0);

    StateBlock stateBlock{};
    if (lighting.commands.ReadState(stateBlock) != kResultDone) return -1;
    std::copy_n(stateBlock.begin() + kModeListStateOffset, kModeListSlots, state.modeList.begin());

    {
        AccessGroup group(lighting.commands);
        if (withPresets && ModeListContains(state.modeList, kPerKeyColourModeId)) {
            FillPresetList(lighting);
            ApplyPresetToKeyboard(lighting);
        }
        for (int profile = 0; profile < kLightingProfiles; ++profile) {
            LightingChunk chunk{};
            const uint16_t address = LightingAddress(profile, 0);
            if (lighting.commands.ReadLighting(kChunkSize, address, chunk) != kResultDone) continue;
            std::memcpy(&state.blocks[profile], chunk.data(), kLightingBlockSize);
        }
    }

    DecodeLightingBlock(state.blocks[state.profileIndex], state);
    state.lightingView = lighting.presets.ReadLightingView();
    return 0;
}

}  // namespace

int LoadLighting(LightingContext& lighting) {
    return Load(lighting, false);
}

int LoadLightingWithPresets(LightingContext& lighting) {
    return Load(lighting, true);
}

std::vector<EffectListItem> BuildEffectList(LightingContext& lighting) {
    const int language = LanguageNumber(lighting.languageFile);
    lighting.state.effectMap.Clear();
    std::vector<EffectListItem> items;
    for (const uint8_t modeId : lighting.state.modeList) {
        if (modeId == 0) continue;
        lighting.state.effectMap.Append(modeId);
        items.push_back({ModeDisplayName(lighting.mainSkin, language, modeId), modeId});
    }
    lighting.effectSelection = -1;
    lighting.view.SetEffectList(items);
    return items;
}

}  // namespace quovex
