// The key layout table read back against the key tables and the rules that
// tie a button to its key, slot, skin key and light slot.
#include "model/key_layout.h"

#include <gtest/gtest.h>

#include <set>

#include "model/key_tables.h"

namespace quovex {
namespace {

TEST(KeyLayout, EveryPositionNamesItsKeyAndOwnsItsIdsAndSlots) {
    const TextTable texts;
    std::set<int> control_ids, key_slots, light_slots;
    for (int q = 0; q < kLayoutKeyCount; ++q) {
        const KeyPosition& key = kKeyPositions[q];
        SCOPED_TRACE(q);
        EXPECT_EQ(KeyName(key.code, texts), key.name);
        EXPECT_TRUE(control_ids.insert(key.control_id).second);
        EXPECT_TRUE(key_slots.insert(SlotFromKeyCode(key.code)).second);
        EXPECT_TRUE(light_slots.insert(key.light_slot).second);
        EXPECT_LT(key.light_slot, kGKeyLightSlot);
        EXPECT_NE(key.light_slot, kFnLightSlot);
    }
    for (int id : kGKeyControlIds) EXPECT_TRUE(control_ids.insert(id).second);
    EXPECT_TRUE(control_ids.insert(kFnControlId).second);
}

TEST(KeyLayout, KnownRows) {
    struct Row {
        int q, control_id;
        KeyCode code;
        const char* skin_key;
        int light_slot;
    };
    const Row rows[] = {
        {0, 1058, 0x01E, "KEY_01E", 64},   {37, 1022, 0x001, "KEY_001", 0},  {64, 1091, 0x137, "KEY_0B7", 14},
        {80, 1089, 0x11D, "KEY_09D", 113}, {82, 1081, 0x036, "KEY_036", 97}, {97, 1104, 0x145, "KEY_0C5", 38},
        {103, 1111, 0x04E, "KEY_04E", 62}, {72, 1103, 0x148, "KEY_0C8", 99},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.q);
        EXPECT_EQ(kKeyPositions[row.q].control_id, row.control_id);
        EXPECT_EQ(kKeyPositions[row.q].code, row.code);
        EXPECT_EQ(KeySkinKey(row.q), row.skin_key);
        EXPECT_EQ(kKeyPositions[row.q].light_slot, row.light_slot);
    }
}

TEST(KeyLayout, ButtonsMapToTheirKeys) {
    const auto right_ctrl = FindKeyButton(1089);
    ASSERT_TRUE(right_ctrl);
    EXPECT_EQ(SlotFromKeyCode(kKeyPositions[right_ctrl->index].code), 0x9D);

    const auto second_enter = FindKeyButton(kSecondEnterControlId);
    ASSERT_TRUE(second_enter);
    EXPECT_EQ(second_enter->kind, KeyButton::Kind::kKey);
    EXPECT_EQ(SlotFromKeyCode(kKeyPositions[second_enter->index].code), 0x1C);

    const auto g3 = FindKeyButton(1002);
    ASSERT_TRUE(g3);
    EXPECT_EQ(g3->kind, KeyButton::Kind::kGKey);
    EXPECT_EQ(GKeySlot(g3->index, 1), 267);
    EXPECT_EQ(GKeyLightEntry(g3->index, 1), 11);
    EXPECT_EQ(kKeyPositions[11].name, "L") << "the light word of G3 in bank B is also the flag of L";
    EXPECT_EQ(GKeySkinKey(g3->index), "FUNC_G3");

    EXPECT_EQ(FindKeyButton(kFnControlId)->kind, KeyButton::Kind::kFn);
    EXPECT_FALSE(FindKeyButton(1007));
}

}  // namespace
}  // namespace quovex
