// The lighting record's layout and decoding, the mode table and the effect-list map.
#include <gtest/gtest.h>

#include <cstring>

#include "lighting/lighting_block.h"
#include "lighting/lighting_state.h"
#include "lighting/mode_table.h"

namespace quovex {
namespace {

LightingBlock BlockFromBytes(std::initializer_list<uint8_t> bytes) {
    LightingBlock block{};
    std::memcpy(&block, std::data(bytes), std::min(bytes.size(), sizeof block));
    return block;
}

TEST(LightingBlockTest, DefaultBlockDecodesToTheDocumentedSettings) {
    LightingBlock block{};
    std::memcpy(&block, kDefaultLightingBlock.data(), kDefaultLightingBlock.size());
    LightingState state;
    state.triggerGrid = true;
    DecodeLightingBlock(block, state);

    EXPECT_EQ(state.currentMode, 1);
    EXPECT_EQ(state.brightness, 4);
    EXPECT_EQ(state.speed, 1);
    EXPECT_EQ(state.direction, 0);
    EXPECT_TRUE(state.multiColour);
    EXPECT_EQ(state.effectColour, kRgbRed);
    EXPECT_EQ(state.reportRate, 3) << "report-rate byte FF reads as the highest index";
    EXPECT_EQ(state.swatch, 0);
    EXPECT_FALSE(state.triggerGrid);
    EXPECT_EQ(state.stoneColour, kRgbWhite);
    EXPECT_FALSE(state.stoneMultiColour);
    EXPECT_EQ(state.ribbonColour, kRgbWhite);
    EXPECT_FALSE(state.ribbonMultiColour);
}

TEST(LightingBlockTest, DecodesEveryFieldFromItsOffset) {
    LightingBlock block = BlockFromBytes({12, 2, 3, 0xFF, 1, 10, 20, 30});
    block.reportRate = 2;
    block.swatch = 7;  // kept as read; the panel shows red and resets it
    block.triggerKind = 1;
    block.stoneColour[0] = 1, block.stoneColour[1] = 2, block.stoneColour[2] = 3;
    block.stoneMultiColour = 9;
    block.ribbonColour[0] = 4, block.ribbonColour[1] = 5, block.ribbonColour[2] = 6;
    block.ribbonMultiColour = 0;

    LightingState state;
    DecodeLightingBlock(block, state);
    EXPECT_EQ(state.currentMode, 12);
    EXPECT_EQ(state.brightness, 2);
    EXPECT_EQ(state.speed, 3);
    EXPECT_EQ(state.direction, 255);
    EXPECT_TRUE(state.multiColour);
    EXPECT_EQ(state.effectColour, (Rgb{10, 20, 30}));
    EXPECT_EQ(state.reportRate, 2);
    EXPECT_EQ(state.swatch, 7);
    EXPECT_TRUE(state.triggerGrid);
    EXPECT_EQ(state.stoneColour, (Rgb{1, 2, 3}));
    EXPECT_TRUE(state.stoneMultiColour);
    EXPECT_EQ(state.ribbonColour, (Rgb{4, 5, 6}));
    EXPECT_FALSE(state.ribbonMultiColour);
}

TEST(LightingBlockTest, TriggerByteOtherThanZeroOrOneKeepsThePreviousValue) {
    for (bool before : {false, true}) {
        LightingState state;
        state.triggerGrid = before;
        LightingBlock block{};
        block.triggerKind = 5;
        DecodeLightingBlock(block, state);
        EXPECT_EQ(state.triggerGrid, before);
    }
}

TEST(LightingBlockTest, ProfileBlocksLieFortyTwoBytesApart) {
    EXPECT_EQ(LightingAddress(0, lighting_field::kMode), 0);
    EXPECT_EQ(LightingAddress(1, lighting_field::kSwatch), 42 + 17);
    EXPECT_EQ(LightingAddress(2, lighting_field::kMode), 84);
    EXPECT_EQ(LightingAddress(2, 41), 125);
}

TEST(ModeTableTest, EveryKnownModeHasOneEntryAndOthersNone) {
    for (int id = 0; id <= 255; ++id) {
        const bool known = (id >= 1 && id <= 18) || id == 20;
        const ModeInfo* mode = FindMode(id);
        ASSERT_EQ(mode != nullptr, known) << "mode " << id;
        if (mode) {
            EXPECT_EQ(mode->id, id);
        }
    }
    EXPECT_EQ(ModeTable().size(), 19u);
}

TEST(ModeTableTest, WritesWhenChosenFollowTheModeKinds) {
    const struct {
        int mode;
        ModeWrite write;
    } cases[] = {{1, ModeWrite::kModeAndMultiColour}, {4, ModeWrite::kModeOnly},
                 {6, ModeWrite::kModeOnly},           {10, ModeWrite::kMultiColourOnThenMode},
                 {15, ModeWrite::kModeAndMultiColour}, {16, ModeWrite::kModeOnly},
                 {18, ModeWrite::kModeOnly},          {20, ModeWrite::kModeThenKeyColours}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(FindMode(c.mode)->write, c.write);
    }
}

// The panel's visibility rule, row by row, against the modes that show each group.
TEST(ModeTableTest, ControlsShownForEachMode) {
    auto shown = [](auto member, std::initializer_list<int> modes) {
        for (int id = 0; id <= 21; ++id) {
            const bool expected = std::find(modes.begin(), modes.end(), id) != modes.end();
            EXPECT_EQ(LightingControlsForMode(id).*member, expected) << "mode " << id;
        }
    };
    shown(&LightingControls::effectListAndBrightness, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20});
    shown(&LightingControls::speed, {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    shown(&LightingControls::direction, {1, 2, 3, 12, 18});
    shown(&LightingControls::swatches, {17});
    shown(&LightingControls::firstColourGroup, {6, 16});
    shown(&LightingControls::secondColourGroup, {1, 2, 3, 5, 7, 8, 9, 13, 14, 15});
    shown(&LightingControls::userMode, {20});
    EXPECT_EQ(LightingControlsForMode(19), LightingControls{}) << "mode 19 hides everything";
}

TEST(EffectListMapTest, ListIndexesSkipGapsAndFindTheFirstDuplicate) {
    EffectListMap map;
    EXPECT_EQ(map.Append(4), 0);
    EXPECT_EQ(map.Append(20), 1);
    EXPECT_EQ(map.Append(4), 2);
    EXPECT_EQ(map.ListIndexOfMode(4), 0);
    EXPECT_EQ(map.ListIndexOfMode(20), 1);
    EXPECT_EQ(map.ListIndexOfMode(7), -1);
    EXPECT_EQ(map.ModeAtListIndex(2), 4);
    EXPECT_EQ(map.ModeAtListIndex(3), -1);
    EXPECT_EQ(map.ModeAtListIndex(-1), -1);
}

TEST(EffectListMapTest, HoldsAtMostThirtyTwoEntries) {
    EffectListMap map;
    for (int i = 0; i < 32; ++i) ASSERT_EQ(map.Append(1), i);
    EXPECT_EQ(map.Append(2), -1);
    EXPECT_EQ(map.Size(), 32u);
    map.Clear();
    EXPECT_EQ(map.Size(), 0u);
    EXPECT_EQ(map.ListIndexOfMode(1), -1);
}

}  // namespace
}  // namespace quovex
