// The preview's building blocks: stepping, fading, and wave sets travelling over the grid.
#include <gtest/gtest.h>

#include <cstdlib>

#include "lighting/preview_waves.h"

namespace quovex::preview {
namespace {

TEST(PreviewWavesTest, StepWrapsInBothDirections) {
    const struct {
        bool forward;
        int position, step, period, expected;
    } cases[] = {{true, 0, 9, 192, 9},  {true, 189, 9, 192, 6}, {true, 183, 9, 192, 0},
                 {false, 0, 2, 192, 190}, {false, 2, 2, 192, 0}, {false, 5, 7, 96, 94}};
    for (const auto& c : cases) {
        EXPECT_EQ(Step(c.forward, c.position, c.step, c.period), c.expected)
            << c.forward << " " << c.position << " by " << c.step;
    }
}

TEST(PreviewWavesTest, DecayFallsFasterForBrightKeysAndInMode14) {
    const struct {
        int level, standard, fast;
    } cases[] = {{255, 235, 225}, {128, 108, 98}, {127, 111, 107}, {64, 48, 44}, {63, 53, 53},
                 {32, 22, 22},    {31, 26, 26},   {17, 12, 12},    {16, 15, 15}, {1, 0, 0},   {0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(Decay(static_cast<uint8_t>(c.level), DecayRule::kStandard), c.standard);
        EXPECT_EQ(Decay(static_cast<uint8_t>(c.level), DecayRule::kFast), c.fast);
    }
}

TEST(PreviewWavesTest, ScaleRoundsEachChannelDown) {
    EXPECT_EQ(Scale({255, 128, 1}, 255), (Rgb{255, 128, 1}));
    EXPECT_EQ(Scale({255, 128, 1}, 128), (Rgb{128, 64, 0}));
    EXPECT_EQ(Scale({255, 255, 255}, 0), (Rgb{0, 0, 0}));
}

bool BitAt(const WaveSet& set, int column, int row) {
    return column >= 0 && column < kGridColumns && (set.ColumnUnion(column) >> row & 1) != 0;
}

TEST(PreviewWavesTest, OneBitGrowsIntoADiamondRingOneCellPerTick) {
    constexpr int kColumn = 11, kRow = 3;
    WaveSet set;
    set.SetInAllPlanes(kColumn, 1u << kRow);
    for (int tick = 1; tick <= 4; ++tick) {
        MoveWaves(set);
        for (int column = 0; column < kGridColumns; ++column) {
            for (int row = 0; row < 8; ++row) {
                const int distance = std::abs(column - kColumn) + std::abs(row - kRow);
                EXPECT_EQ(BitAt(set, column, row), distance == tick)
                    << "tick " << tick << " cell " << column << "," << row;
            }
        }
    }
}

TEST(PreviewWavesTest, MoveDownMovesTheFirstTwoPlanesDownAndTheOthersUp) {
    WaveSet set;
    for (auto& plane : set.planes) plane[5] = 0b0000'1000;
    MoveDown(set);
    EXPECT_EQ(set.planes[kLeftDown][5], 0b0001'0000);
    EXPECT_EQ(set.planes[kRightDown][5], 0b0001'0000);
    EXPECT_EQ(set.planes[kRightUp][5], 0b0000'0100);
    EXPECT_EQ(set.planes[kLeftUp][5], 0b0000'0100);
    EXPECT_EQ(set.ColumnUnion(4) | set.ColumnUnion(6), 0) << "nothing moves sideways";
}

class ZeroRandom final : public PreviewRandom {
public:
    uint8_t NextHue() override { return 77; }
};

// Backspace (1043, key index 34), \ (1042, 55) and Right Alt (1086, 109) each fill two cells.
TEST(PreviewWavesTest, AWideKeyIsLitFromEitherOfItsCells) {
    const struct {
        int column, row;
        uint8_t keyIndex;
    } cases[] = {{14, 1, 34}, {15, 1, 34}, {14, 2, 55}, {15, 2, 55}, {9, 5, 109}, {10, 5, 109}};
    ZeroRandom random;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.column << "," << c.row);
        WaveSet set;
        set.planes[kRightUp][c.column] = static_cast<uint8_t>(1u << c.row);
        LevelPair pair;
        LightFront(set, pair, true, random);
        EXPECT_EQ(pair.level[c.keyIndex], 255);
        EXPECT_EQ(pair.hue[c.keyIndex], 77);
        int lit = 0;
        for (uint8_t level : pair.level) lit += level != 0;
        EXPECT_EQ(lit, 1);
    }
}

TEST(PreviewWavesTest, BitsBelowTheBottomRowAndSingleColourHuesLightNothingExtra) {
    ZeroRandom random;
    WaveSet set;
    set.SetInAllPlanes(9, kBelowGridBit | 0x80);
    LevelPair pair;
    LightFront(set, pair, false, random);
    for (uint8_t level : pair.level) EXPECT_EQ(level, 0);

    set.Clear();
    set.SetInAllPlanes(9, kTopRowBit);
    pair.hue.fill(5);
    LightFront(set, pair, false, random);
    EXPECT_EQ(pair.level[6], 255) << "F6 sits in column 9 of the top row";
    EXPECT_EQ(pair.hue[6], 5) << "without multi-colour the hue is left alone";
}

}  // namespace
}  // namespace quovex::preview
