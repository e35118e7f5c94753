#include "lighting/mode_table.h"

#include <array>

namespace quovex {
namespace {

using enum DirectionPair;
using enum ColourGroup;
using enum ModeWrite;

constexpr std::array<ModeInfo, 19> kModes = {{
    // id speed direction      colour   swatch perKey write                   placement
    {1, true, kLeftRight, kSecond, false, false, kModeAndMultiColour, "2"},
    {2, true, kLeftRight, kSecond, false, false, kModeAndMultiColour, "2"},
    {3, true, kLeftRight, kSecond, false, false, kModeAndMultiColour, "2"},
    {4, true, kNoPair, kNoGroup, false, false, kModeOnly, ""},
    {5, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {6, false, kNoPair, kFirst, false, false, kModeOnly, ""},
    {7, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {8, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {9, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {10, true, kNoPair, kNoGroup, false, false, kMultiColourOnThenMode, ""},
    {11, true, kNoPair, kNoGroup, false, false, kModeOnly, ""},
    {12, true, kUpDown, kNoGroup, false, false, kModeOnly, "3"},
    {13, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {14, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {15, true, kNoPair, kSecond, false, false, kModeAndMultiColour, ""},
    {16, false, kNoPair, kFirst, false, false, kModeOnly, ""},
    {17, false, kNoPair, kNoGroup, true, false, kModeOnly, ""},
    {18, false, kSpreadGather, kNoGroup, false, false, kModeOnly, ""},
    {20, false, kNoPair, kNoGroup, false, true, kModeThenKeyColours, ""},
}};

}  // namespace

std::span<const ModeInfo> ModeTable() { return kModes; }

const ModeInfo* FindMode(int modeId) {
    for (const ModeInfo& mode : kModes) {
        if (mode.id == modeId) return &mode;
    }
    return nullptr;
}

LightingControls LightingControlsForMode(int modeId) {
    const ModeInfo* mode = FindMode(modeId);
    if (mode == nullptr) return {};
    return LightingControls{
        .effectListAndBrightness = true,
        .speed = mode->speed,
        .direction = mode->directionPair != DirectionPair::kNoPair,
        .swatches = mode->swatches,
        .firstColourGroup = mode->colourGroup == ColourGroup::kFirst,
        .secondColourGroup = mode->colourGroup == ColourGroup::kSecond,
        .userMode = mode->perKeyColours,
    };
}

}  // namespace quovex
