// The preview's fixed tables hang together: every id they name is a drawn key,
// the key order list is a set, the rings and the twinkle order cover every key.
#include <gtest/gtest.h>

#include <set>

#include "lighting/preview_tables.h"

namespace quovex::preview {
namespace {

TEST(PreviewTablesTest, ColourWheelSegmentsRiseAndFallOneChannelAtATime) {
    const struct {
        int entry;
        Rgb colour;
    } cases[] = {{0, {255, 1, 0}},   {31, {255, 255, 0}}, {32, {248, 255, 0}}, {63, {0, 255, 0}},
                 {64, {0, 255, 1}},  {96, {0, 248, 255}}, {127, {0, 0, 255}},  {128, {1, 0, 255}},
                 {159, {255, 0, 255}}, {160, {255, 0, 248}}, {191, {255, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(kColourWheel[c.entry], c.colour);
    }
    EXPECT_EQ(ExtendedWheel(192), kColourWheel[0]);
    EXPECT_EQ(ExtendedWheel(255), kColourWheel[63]);
}

TEST(PreviewTablesTest, LevelCurvesHaveTheirShape) {
    EXPECT_EQ(kW96[0], 22);
    EXPECT_EQ(kW96[47], 255);
    EXPECT_EQ(kW96[48], 255);
    EXPECT_EQ(kW96[95], 22);
    EXPECT_EQ(kW128[0], 3);
    EXPECT_EQ(kW128[63], 255);
    EXPECT_EQ(kW128[64], 255);
    EXPECT_EQ(kW128[127], 3);
    EXPECT_EQ(kW129[16], 255);
    EXPECT_EQ(kW129[79], 1);
    for (size_t i = 80; i < kW129.size(); ++i) EXPECT_EQ(kW129[i], 0) << i;
}

TEST(PreviewTablesTest, KeyOrderListNamesEachKeyAndIndexOnce) {
    std::set<uint16_t> ids;
    std::set<uint8_t> indexes;
    for (const OrderedKey& key : kKeyOrder) {
        ids.insert(key.controlId);
        indexes.insert(key.keyIndex);
        EXPECT_LT(key.keyIndex, kNoKey);
    }
    EXPECT_EQ(ids.size(), 104u);
    EXPECT_EQ(indexes.size(), 104u);
    EXPECT_EQ(PreviewKeyIndex(1174), 110) << "Fn takes part in the preview";
    EXPECT_EQ(PreviewKeyIndex(1087), kNoKey) << "Right Win has no cell in the picture's grid";
    EXPECT_EQ(PreviewKeyIndex(0), kNoKey);
}

TEST(PreviewTablesTest, EveryGridCellAndScriptedKeyIsInTheKeyOrderList) {
    std::set<uint16_t> gridIds;
    for (const auto& row : kKeyGrid) {
        for (uint16_t id : row) {
            if (id == 0) continue;
            gridIds.insert(id);
            EXPECT_NE(PreviewKeyIndex(id), kNoKey) << id;
        }
    }
    EXPECT_EQ(gridIds.size(), 104u) << "the grid shows every key of the key order list";
    for (const auto& step : kStepTable) {
        for (uint16_t id : step) {
            if (id != 0) {
            EXPECT_NE(PreviewKeyIndex(id), kNoKey) << id;
        }
        }
    }
    for (const auto& pair : kPairTable) {
        for (uint16_t id : pair) EXPECT_NE(PreviewKeyIndex(id), kNoKey) << id;
    }
}

TEST(PreviewTablesTest, RingsAndTwinkleOrderCoverEveryKeyOnce) {
    std::multiset<uint16_t> ringIds;
    for (const auto& ring : kRingTable) {
        for (uint16_t id : ring) {
            if (id != 0) ringIds.insert(id);
        }
    }
    EXPECT_EQ(ringIds.size(), 104u);
    for (const OrderedKey& key : kKeyOrder) EXPECT_EQ(ringIds.count(key.controlId), 1u) << key.controlId;
    EXPECT_EQ(kRingTable[0][0], 1052) << "ring 1 is the centre";

    std::set<uint8_t> positions(kRandomOrder.begin(), kRandomOrder.end());
    EXPECT_EQ(positions.size(), 104u);
    EXPECT_EQ(*positions.rbegin(), 103);
}

}  // namespace
}  // namespace quovex::preview
