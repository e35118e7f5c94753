#include "lighting/lighting_state.h"

#include <algorithm>

namespace quovex {

bool ModeListContains(const ModeList& modeList, int modeId) {
    return modeId > 0 && std::ranges::find(modeList, modeId) != modeList.end();
}

int EffectListMap::Append(int modeId) {
    if (count_ == entries_.size()) return -1;
    const int listIndex = static_cast<int>(count_);
    entries_[count_++] = Entry{listIndex, modeId};
    return listIndex;
}

int EffectListMap::ListIndexOfMode(int modeId) const {
    for (const Entry& entry : Entries()) {
        if (entry.modeId == modeId) return entry.listIndex;
    }
    return -1;
}

int EffectListMap::ModeAtListIndex(int listIndex) const {
    for (const Entry& entry : Entries()) {
        if (entry.listIndex == listIndex) return entry.modeId;
    }
    return -1;
}

namespace {
Rgb ColourAt(const uint8_t (&bytes)[3]) { return Rgb{bytes[0], bytes[1], bytes[2]}; }
}  // namespace

void DecodeLightingBlock(const LightingBlock& block, LightingState& state) {
    state.currentMode = block.mode;
    state.brightness = block.brightness;
    state.speed = block.speed;
    state.direction = block.direction;
    if (block.triggerKind == 0) state.triggerGrid = false;
    if (block.triggerKind == 1) state.triggerGrid = true;
    state.effectColour = ColourAt(block.effectColour);
    state.reportRate = std::min<int>(block.reportRate, kHighestReportRate);
    state.swatch = block.swatch;
    state.multiColour = block.multiColour != 0;
    state.stoneColour = ColourAt(block.stoneColour);
    state.stoneMultiColour = block.stoneMultiColour != 0;
    state.ribbonColour = ColourAt(block.ribbonColour);
    state.ribbonMultiColour = block.ribbonMultiColour != 0;
}

}  // namespace quovex
