#include "lighting/mode_table.h"

#include <array>

namespace quovex {
namespace {

using enum DirectionPair;
using enum ColourGroup;
using enum ModeWrite;
using enum RgbBoxTarget;

constexpr std::array<ModeInfo, 19> kModes = {{
    // id speed direction colour swatch perKey write, direction placement, RGB boxes
    {1, true, kLeftRight, kSecond, false, false, kModeAndMultiColour, "2", kEffectColour},
    {2, true, kLeftRight, kSecond, false, false, kModeAndMultiColour, "2", kEffectColour},
    {3, true, kLeftRight, kSecond, false, false, kModeAndMultiColour, "2", kEffectColour},
    {4, true, kNoPair, kNoGroup, false, false, kModeOnly, "", kNothing},
    {5, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {6, false, kNoPair, kFirst, false, false, kModeOnly, "", kEffectColour},
    {7, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {8, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {9, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {10, true, kNoPair, kNoGroup, false, false, kMultiColourOnThenMode, "", kEffectColour},
    {11, true, kNoPair, kNoGroup, false, false, kModeOnly, "", kNothing},
    {12, true, kUpDown, kNoGroup, false, false, kModeOnly, "3", kNothing},
    {13, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {14, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {15, true, kNoPair, kSecond, false, false, kModeAndMultiColour, "", kEffectColour},
    {16, false, kNoPair, kFirst, false, false, kModeOnly, "", kEffectColour},
    {17, false, kNoPair, kNoGroup, true, false, kModeOnly, "", kNothing},
    {18, false, kSpreadGather, kNoGroup, false, false, kModeOnly, "", kNothing},
    {20, false, kNoPair, kNoGroup, false, true, kModeThenKeyColours, "", kToolColour},
}};

}  // namespace

std::span<const ModeInfo> ModeTable() {
    return kModes;
}

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

bool ForcesMultiColour(int modeId) {
    const ModeInfo* mode = FindMode(modeId);
    return mode != nullptr && mode->write == ModeWrite::kMultiColourOnThenMode;
}

}  // namespace quovex
