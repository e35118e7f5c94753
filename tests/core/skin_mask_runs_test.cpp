// The run-per-row rule that shapes a skinned dialog from its mask picture.
#include <gtest/gtest.h>

#include <vector>

#include "skin/mask_runs.h"

namespace quovex::skin {
namespace {

constexpr uint32_t W = 0xFFFFFFFF;  // white: transparent
constexpr uint32_t B = 0xFF000000;  // black: part of the window

TEST(MaskRunsTest, OneRowWithThreeRunsGivesThreeRuns) {
    const std::vector<uint32_t> row = {B, B, W, B, W, W, B, B, B, W};
    EXPECT_EQ(OpaqueRuns(row, 10, 1, 10), (std::vector<MaskRun>{{0, 0, 2}, {3, 0, 1}, {6, 0, 3}}));
}

TEST(MaskRunsTest, PureWhiteGivesNoRuns) {
    const std::vector<uint32_t> pixels(12, W);
    EXPECT_TRUE(OpaqueRuns(pixels, 4, 3, 4).empty());
}

TEST(MaskRunsTest, RowsComeFromTheTopAndStrideSkipsPadding) {
    // Two rows of three pixels, each followed by one padding word that must not be read.
    const std::vector<uint32_t> pixels = {W, B, B, B, B, W, W, W};
    EXPECT_EQ(OpaqueRuns(pixels, 3, 2, 4), (std::vector<MaskRun>{{1, 0, 2}, {0, 1, 1}}));
}

TEST(MaskRunsTest, OnlyWhiteWithinTheToleranceIsTransparent) {
    // Near-white, off-white in one channel, and alpha that is ignored.
    const std::vector<uint32_t> pixels = {0xFFFEFFFF, 0x00FFFFFF, 0xFFFFFFFE, W};
    EXPECT_EQ(OpaqueRuns(pixels, 4, 1, 4), (std::vector<MaskRun>{{0, 0, 1}, {2, 0, 1}}));

    // A tolerance widens the range upwards from the transparent colour, capped at 255.
    const std::vector<uint32_t> greys = {0xFF101010, 0xFF141414, 0xFF151515, 0xFF0F1010};
    EXPECT_EQ(OpaqueRuns(greys, 4, 1, 4, MaskColour{0x10, 0x10, 0x10}, 4),
              (std::vector<MaskRun>{{2, 0, 2}}));
    EXPECT_TRUE(OpaqueRuns(std::vector<uint32_t>{W}, 1, 1, 1, MaskColour{250, 250, 250}, 100).empty());
}

TEST(MaskRunsTest, RefusesASizeItsPixelsDoNotHold) {
    const std::vector<uint32_t> pixels(5, B);
    EXPECT_THROW(OpaqueRuns(pixels, 3, 2, 3), std::invalid_argument);
    EXPECT_THROW(OpaqueRuns(pixels, 4, 1, 3), std::invalid_argument);
    EXPECT_TRUE(OpaqueRuns(pixels, 0, 0, 0).empty());
}

}  // namespace
}  // namespace quovex::skin
