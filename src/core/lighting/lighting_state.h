// The lighting settings in memory: the keyboard's mode list, the effect list's
// map from list entries to mode ids, the three lighting blocks as last read and
// the decoded fields of the block the panel edits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "lighting/lighting_block.h"
#include "lighting/rgb.h"

namespace quovex {

// Bytes 12..43 of the keyboard's state block: 32 slots, each 0 (empty) or a mode
// id, in the order the effects are offered.
inline constexpr size_t kModeListSlots = 32;
inline constexpr size_t kModeListStateOffset = 12;
using ModeList = std::array<uint8_t, kModeListSlots>;

bool ModeListContains(const ModeList& modeList, int modeId);

// The effect list's entries in order: entry k is the k-th non-empty slot of the
// mode list. List indexes and slot indexes differ when the list has gaps, so
// every lookup goes through this map.
class EffectListMap {
public:
    struct Entry {
        int listIndex;
        int modeId;
    };

    void Clear() { count_ = 0; }
    // Appends a mode and returns its list index, or -1 when all 32 entries are taken.
    int Append(int modeId);
    // The first list index showing `modeId`, or -1.
    int ListIndexOfMode(int modeId) const;
    // The mode id of a list index, or -1 when the index is not in the list.
    int ModeAtListIndex(int listIndex) const;

    size_t Size() const { return count_; }
    std::span<const Entry> Entries() const { return {entries_.data(), count_}; }

private:
    std::array<Entry, kModeListSlots> entries_{};
    size_t count_ = 0;
};

struct LightingState {
    ModeList modeList{};
    EffectListMap effectMap;
    int profileIndex = 0;  // 0..2 (SetLightingProfileIndex): the block edited, the key colours sent
    std::array<LightingBlock, kLightingProfiles> blocks{};
    int currentMode = 0;
    int brightness = 0;    // 0..4
    int speed = 0;         // 0..4, block units (the slider shows 4 - speed)
    int direction = 0;     // 255 first direction of the pair, 0 second
    bool multiColour = false;
    Rgb effectColour{};
    int swatch = 0;        // 0 red, 1 yellow, 2 green, 3 blue
    int reportRate = 0;    // 0..3
    bool triggerGrid = false;
    Rgb stoneColour{};
    bool stoneMultiColour = false;
    Rgb ribbonColour{};
    bool ribbonMultiColour = false;
    bool lightingView = false;  // kept in lxkb.ini, not in the keyboard
};

// Takes the fields of `block` into `state`. A trigger byte other than 0 or 1
// leaves `triggerGrid` as it was; a report-rate byte above 3 reads as 3.
void DecodeLightingBlock(const LightingBlock& block, LightingState& state);

}  // namespace quovex
