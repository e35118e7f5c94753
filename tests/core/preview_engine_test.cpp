// Each preview routine on small facts that can be checked by hand. A white single
// colour makes a key's frame colour equal to its level.
#include <gtest/gtest.h>

#include "lighting/preview_engine.h"
#include "lighting/preview_tables.h"

namespace quovex {
namespace {

using preview::kColourWheel;
using preview::kKeyGrid;
using preview::PreviewKeyIndex;

constexpr Rgb Grey(int level) {
    return Rgb{static_cast<uint8_t>(level), static_cast<uint8_t>(level), static_cast<uint8_t>(level)};
}

// Column 9, rows 0..5: F6, 8, I, K, ",", Right Alt.
constexpr uint16_t kColumn9[6] = {1015, 1037, 1051, 1065, 1078, 1086};

class PreviewEngineTest : public testing::Test {
protected:
    PreviewEngineTest() {
        state.lightingView = true;
        state.direction = 255;
        state.multiColour = true;
        state.effectColour = kRgbWhite;
    }

    const PreviewFrame& Tick(int mode) {
        state.currentMode = mode;
        return engine.PreviewTick(state);
    }
    const PreviewFrame& TickTimes(int mode, int ticks) {
        for (int i = 1; i < ticks; ++i) Tick(mode);
        return Tick(mode);
    }

    // The frame colour of a key button; fails the test when the tick did not draw it.
    static Rgb ColourOf(const PreviewFrame& frame, uint16_t controlId) {
        const uint8_t k = PreviewKeyIndex(controlId);
        EXPECT_TRUE(k < preview::kKeyIndexes && frame.drawn[k]) << "key " << controlId << " not drawn";
        return k < preview::kKeyIndexes ? frame.colours[k] : Rgb{};
    }
    static int LitKeys(const PreviewFrame& frame) {
        int lit = 0;
        for (int k = 0; k < preview::kKeyIndexes; ++k) lit += frame.drawn[k] && frame.colours[k] != Rgb{};
        return lit;
    }

    SeededPreviewRandom random{1};
    PreviewEngine engine{random};
    LightingState state;
};

TEST_F(PreviewEngineTest, DrawsNothingWhileTheLightingViewIsOff) {
    state.lightingView = false;
    EXPECT_EQ(Tick(1).look, PreviewLook::kUnchanged);
    EXPECT_TRUE(Tick(1).drawn.none());
}

TEST_F(PreviewEngineTest, LookOfModesWithoutAnimation) {
    const struct {
        int mode;
        PreviewLook look;
    } cases[] = {{7, PreviewLook::kPlain},  {8, PreviewLook::kPlain},  {9, PreviewLook::kPlain},
                 {17, PreviewLook::kPlain}, {19, PreviewLook::kPlain}, {0, PreviewLook::kPlain},
                 {20, PreviewLook::kUnchanged}, {1, PreviewLook::kFramed}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        const PreviewFrame& frame = Tick(c.mode);
        EXPECT_EQ(frame.look, c.look);
        if (c.look != PreviewLook::kFramed) {
            EXPECT_TRUE(frame.drawn.none());
        }
    }
}

TEST_F(PreviewEngineTest, Mode1ShiftsTheRainbowAcrossColumnsAndTheLastCellOfAWideKeyWins) {
    const PreviewFrame& frame = Tick(1);  // position 9
    EXPECT_EQ(ColourOf(frame, 1083), kColourWheel[9]) << "column 0";
    EXPECT_EQ(ColourOf(frame, 1022), kColourWheel[9 + 18]) << "column 2";
    EXPECT_EQ(ColourOf(frame, 1043), kColourWheel[9 + 9 * 15]) << "Backspace spans columns 14 and 15";
    EXPECT_EQ(ColourOf(frame, 1107), kColourWheel[(9 + 9 * 22) % 192]);
    EXPECT_EQ(frame.drawn.count(), 104u);
}

TEST_F(PreviewEngineTest, Mode4CyclesBackwardsWithDirectionZero) {
    state.direction = 0;
    EXPECT_EQ(ColourOf(Tick(4), 1052), kColourWheel[190]);
    const PreviewFrame& frame = Tick(4);
    for (const auto& key : preview::kKeyOrder) EXPECT_EQ(frame.colours[key.keyIndex], kColourWheel[188]);

    state.direction = 255;
    EXPECT_EQ(ColourOf(Tick(4), 1052), kColourWheel[190]);
}

TEST_F(PreviewEngineTest, Mode6ShowsAFixedRainbowWhoseLastColumnRepeatsTheFirstColour) {
    for (int tick = 0; tick < 3; ++tick) {
        const PreviewFrame& frame = Tick(6);
        EXPECT_EQ(ColourOf(frame, 1083), kColourWheel[0]) << "column 0";
        EXPECT_EQ(ColourOf(frame, 1029), kColourWheel[9]) << "column 1";
        EXPECT_EQ(ColourOf(frame, 1106), kColourWheel[189]) << "column 21";
        for (uint16_t lastColumn : {1107, 1111, 1118}) {
            EXPECT_EQ(ColourOf(frame, lastColumn), kColourWheel[0]) << "column 22, key " << lastColumn;
        }
    }
    state.multiColour = false;
    state.effectColour = Rgb{10, 20, 30};
    const PreviewFrame& single = Tick(6);
    for (const auto& key : preview::kKeyOrder) EXPECT_EQ(single.colours[key.keyIndex], (Rgb{10, 20, 30}));
}

TEST_F(PreviewEngineTest, Mode10LightsThreeKeysPerTickInTheTwinkleOrder) {
    state.multiColour = false;
    const PreviewFrame& first = Tick(10);
    EXPECT_EQ(LitKeys(first), 3);
    for (int i = 1; i <= 3; ++i) {
        const auto& key = preview::kKeyOrder[preview::kRandomOrder[i]];
        EXPECT_EQ(first.colours[key.keyIndex], Grey(235)) << "lit at 255, faded once";
    }
    const PreviewFrame& second = Tick(10);
    EXPECT_EQ(LitKeys(second), 6);
    EXPECT_EQ(second.colours[preview::kKeyOrder[preview::kRandomOrder[1]].keyIndex], Grey(215));
    EXPECT_EQ(second.colours[preview::kKeyOrder[preview::kRandomOrder[4]].keyIndex], Grey(235));
}

TEST_F(PreviewEngineTest, Mode10WrapsItsIndexAfterTheLastKey) {
    state.multiColour = false;
    const PreviewFrame& frame = TickTimes(10, 35);  // tick 35 lights indexes 103, 0 and 1
    for (int index : {103, 0, 1}) {
        EXPECT_EQ(frame.colours[preview::kKeyOrder[preview::kRandomOrder[index]].keyIndex], Grey(235)) << index;
    }
}

TEST_F(PreviewEngineTest, Mode15AfterARestartClimbsColumn9FromTheBottomRowOneRowPerTick) {
    state.multiColour = false;
    engine.RestartPreview();
    EXPECT_EQ(ColourOf(Tick(15), 1086), Grey(0)) << "the light starts below the bottom row";
    for (int row = 5; row >= 0; --row) {
        const PreviewFrame& frame = Tick(15);
        EXPECT_EQ(ColourOf(frame, kColumn9[row]), Grey(235)) << "row " << row;
        // (Row 1 is lit again on the last tick by a raindrop that fell into column 9.)
        if (row > 0 && row < 5) {
            EXPECT_EQ(ColourOf(frame, kColumn9[row + 1]), Grey(215)) << "the row below fades";
        }
    }
}

TEST_F(PreviewEngineTest, Mode15DropsThreeRaindropsSpacedThreeColumnsApart) {
    state.multiColour = false;
    // Running column 0: drops in columns 7, 10 and 13 (the top row has no key in column 7).
    const PreviewFrame& frame = Tick(15);
    EXPECT_EQ(ColourOf(frame, kKeyGrid[0][10]), Grey(235));
    EXPECT_EQ(ColourOf(frame, kKeyGrid[0][13]), Grey(235));
    EXPECT_EQ(LitKeys(frame), 2);
    // Then columns 20, 0 and 3 (only column 3 has a top-row key); the first drops fall a row.
    const PreviewFrame& next = Tick(15);
    EXPECT_EQ(ColourOf(next, kKeyGrid[0][3]), Grey(235));
    for (int column : {7, 10, 13}) EXPECT_EQ(ColourOf(next, kKeyGrid[1][column]), Grey(235)) << column;
    EXPECT_EQ(ColourOf(next, kKeyGrid[0][10]), Grey(215));
    EXPECT_EQ(ColourOf(next, kColumn9[5]), Grey(235)) << "the climbing light of the restart";
    EXPECT_EQ(LitKeys(next), 7);
}

TEST_F(PreviewEngineTest, Mode18GoingDownFromZeroJumpsTo192) {
    state.direction = 0;
    engine.RestartPreview();
    const PreviewFrame& first = Tick(18);  // running column 192
    EXPECT_EQ(ColourOf(first, 1052), kColourWheel[(192 + 21) % 192]) << "ring 1";
    EXPECT_EQ(ColourOf(first, 1107), kColourWheel[(192 + 21 * 12) % 192]) << "ring 12";
    EXPECT_EQ(ColourOf(Tick(18), 1052), kColourWheel[(190 + 21) % 192]);

    state.direction = 255;
    engine.RestartPreview();
    EXPECT_EQ(ColourOf(Tick(18), 1052), kColourWheel[2 + 21]);
}

TEST_F(PreviewEngineTest, Mode13StartsANewWaveFromTheTopWhenTheLastOneLeavesAtTheTop) {
    state.multiColour = false;
    // The first wave rises from below the grid up column 9 and leaves it at the
    // top after seven ticks; on tick 8 the wave from the top reaches row 1.
    const PreviewFrame* frame = nullptr;
    for (int tick = 1; tick <= 7; ++tick) frame = &Tick(13);
    EXPECT_EQ(ColourOf(*frame, kColumn9[0]), Grey(235)) << "tick 7: the rising wave reaches the top row";
    for (int row = 1; row <= 5; ++row) {
        frame = &Tick(13);
        EXPECT_EQ(ColourOf(*frame, kColumn9[row]), Grey(235)) << "the new wave falls through row " << row;
    }
}

TEST_F(PreviewEngineTest, RestartResetsTheRipplesButNotTheWaveRoutines) {
    TickTimes(4, 2);  // position 4
    TickTimes(18, 3);  // running column 6
    engine.RestartPreview();
    EXPECT_EQ(ColourOf(Tick(4), 1052), kColourWheel[6]) << "mode 4 continues";
    engine.RestartPreview();
    EXPECT_EQ(ColourOf(Tick(18), 1052), kColourWheel[2 + 21]) << "mode 18 starts from 0 again";
}

TEST_F(PreviewEngineTest, Mode14ScriptSweepsThenChasesThePairs) {
    state.multiColour = false;
    const PreviewFrame& first = Tick(14);
    EXPECT_EQ(ColourOf(first, 1022), Grey(225)) << "step 0 lights Esc; the fast fade takes 30";
    EXPECT_EQ(ColourOf(first, 1118), Grey(225)) << "and Num Enter";
    EXPECT_EQ(LitKeys(first), 2);
    const PreviewFrame& sweepEnd = TickTimes(14, 19);  // step 19: 0 and / ; then the chase starts
    EXPECT_EQ(ColourOf(sweepEnd, 1039), Grey(225));
    EXPECT_EQ(ColourOf(sweepEnd, 1080), Grey(225));
    const PreviewFrame& chase = Tick(14);  // pair 0: 9 and /
    EXPECT_EQ(ColourOf(chase, 1038), Grey(225));
    EXPECT_EQ(ColourOf(chase, 1080), Grey(225));
}

TEST_F(PreviewEngineTest, Mode14StartsItsSweepAfreshWhenAnotherModeLeftTheCounterHigh) {
    state.direction = 255;
    TickTimes(18, 40);  // running column 80, no restart in between
    state.multiColour = false;
    const PreviewFrame& frame = Tick(14);
    EXPECT_EQ(ColourOf(frame, 1022), Grey(225)) << "step 0";
    EXPECT_EQ(LitKeys(frame), 2);
}

}  // namespace
}  // namespace quovex
