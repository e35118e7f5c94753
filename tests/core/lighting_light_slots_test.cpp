// Light slots of the keyboard picture's buttons, the preview's key order
// against them, and the eight key colour reports of one profile.
#include <gtest/gtest.h>

#include <set>

#include "lighting/key_colour_table.h"
#include "lighting/light_slots.h"
#include "lighting/preview_tables.h"

namespace quovex {
namespace {

TEST(LightSlotsTest, EveryButtonHasTheSlotOfItsKey) {
    const struct {
        int controlId;
        int slot;
    } cases[] = {
        {1022, 0},   {1058, 64},  {1070, 76},  {1057, 76},   // Esc, A, Enter and the second Enter
        {1089, 113}, {1087, 112}, {1111, 62},                // Right Ctrl, Right Win, Num +
        {1174, 110},                                         // Fn
        {1000, 125}, {1004, 125}, {1140, 125}, {1143, 125},  // G keys
        {1006, 0},   {9999, 0},                              // not a key: slot 0
    };
    for (const auto& c : cases) EXPECT_EQ(LightSlotOfControl(c.controlId), c.slot) << c.controlId;

    std::set<int> slots;
    for (int q = 0; q < kLayoutKeyCount; ++q) slots.insert(kColourButtons[q].lightSlot);
    slots.insert(kColourButtons[kFnColourButton].lightSlot);
    EXPECT_EQ(slots.size(), 105u) << "the 104 keys and Fn have slots of their own";
    EXPECT_LT(*slots.rbegin(), kLightSlots);
    EXPECT_EQ(ColourButtonIndex(1057), ColourButtonIndex(1070));
    EXPECT_EQ(ColourButtonIndex(1006), -1);
}

// The preview draws a key at its preview key index; that index must be the
// light slot the key paints, or the preview and the painted colours disagree.
TEST(LightSlotsTest, PreviewKeyOrderAgreesWithTheLightSlotsOfTheKeyPositionList) {
    std::set<int> ordered;
    for (const preview::OrderedKey& key : preview::kKeyOrder) {
        SCOPED_TRACE("control id " + std::to_string(key.controlId));
        ordered.insert(key.controlId);
        ASSERT_GE(ColourButtonIndex(key.controlId), 0) << "every previewed key is a colour button";
        EXPECT_EQ(key.keyIndex, LightSlotOfControl(key.controlId));
    }
    for (int q = 0; q < kLayoutKeyCount; ++q) {
        const int id = kKeyPositions[q].control_id;
        if (id == 1087) continue;  // Right Win has no cell in the preview's picture
        EXPECT_TRUE(ordered.contains(id)) << "key " << kKeyPositions[q].name << " is previewed";
    }
    EXPECT_TRUE(ordered.contains(kFnControlId));
}

TEST(KeyColourTableTest, EightReportsOf54BytesCarryOneProfileWithZeroPastSlot125) {
    KeyColourTable table;
    for (int slot = 0; slot < kLightSlots; ++slot) {
        table.SetColour(1, slot, Rgb{static_cast<uint8_t>(slot), 7, static_cast<uint8_t>(255 - slot)});
    }
    table.SetColour(0, 5, kRgbWhite);
    table.SetColour(3, 5, kRgbWhite);    // no profile 3: ignored
    table.SetColour(1, 126, kRgbWhite);  // no slot 126: ignored

    const auto reports = table.Reports(1);
    ASSERT_EQ(reports.size(), 8u);
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE("report " + std::to_string(k));
        EXPECT_EQ(reports[k].address, 512 + 54 * k);
        for (int i = 0; i < 18; ++i) {
            const int slot = 18 * k + i;
            const Rgb expected = slot < kLightSlots
                                     ? Rgb{static_cast<uint8_t>(slot), 7, static_cast<uint8_t>(255 - slot)}
                                     : kRgbBlack;
            EXPECT_EQ(
                (Rgb{reports[k].bytes[3 * i], reports[k].bytes[3 * i + 1], reports[k].bytes[3 * i + 2]}),
                expected)
                << "slot " << slot;
        }
    }
    EXPECT_EQ(table.Reports(2)[7].address, 1024 + 378);
    EXPECT_EQ(table.Colour(0, 5), kRgbWhite);
    EXPECT_EQ(table.Colour(2, 5), kRgbBlack);
    EXPECT_EQ(table.Colour(-1, 5), kRgbBlack);
}

}  // namespace
}  // namespace quovex
