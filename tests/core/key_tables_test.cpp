// Key code tables: names, the key-choice list, HID usages, modifier bits and
// keyboard events, against the examples the keyboard's tables are known by.
#include "model/key_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace quovex {
namespace {

TEST(KeyTables, SlotAndCodeConvertBothWays) {
    const std::pair<KeyCode, uint8_t> cases[] = {{0x001, 0x01}, {0x07F, 0x7F}, {0x11D, 0x9D},
                                                 {0x145, 0xC5}, {0x17F, 0xFF}, {0x137, 0xB7}};
    for (const auto& [code, slot] : cases) {
        EXPECT_EQ(SlotFromKeyCode(code), slot);
        EXPECT_EQ(KeyCodeFromSlot(slot), code);
    }
}

TEST(KeyTables, KeyNames) {
    TextTable texts;
    EXPECT_EQ(KeyName(0x000, texts), "Unknown Key: 000");
    EXPECT_EQ(KeyName(0x059, texts), "Unknown Key: 059");
    EXPECT_EQ(KeyName(0x17F, texts), "Unknown Key: 17f");
    EXPECT_EQ(KeyName(0x145, texts), "Num Lock");
    EXPECT_EQ(KeyName(0x045, texts), "Pause");
    EXPECT_EQ(KeyName(0x148, texts), "↑");
    EXPECT_EQ(KeyName(0x02B, texts), "\\");
    EXPECT_EQ(KeyName(0x130, texts), "Hello world") << "media names come from the text table";
}

TEST(KeyTables, TableHoldsEveryListedSlotOnce) {
    int filled = 0;
    std::set<int> list_positions;
    for (const KeyInfo& info : kKeyInfoTable) {
        if (info.name.empty() && info.name_text_key.empty()) {
            EXPECT_EQ(info.usage_byte, 0);
            EXPECT_EQ(info.list_position, kNoListPosition);
            continue;
        }
        ++filled;
        if (info.list_position != kNoListPosition) list_positions.insert(info.list_position);
    }
    EXPECT_EQ(filled, 155);
    // Right Shift fills two slots with list position 103; every place 0..105 names one key.
    EXPECT_EQ(list_positions.size(), 106u);
    EXPECT_EQ(*list_positions.rbegin(), 105);
}

TEST(KeyTables, KeyChoiceList) {
    EXPECT_EQ(KeyCodeFromListPosition(103), 0x036);
    EXPECT_EQ(KeyCodeFromListPosition(0), 0x01E);
    EXPECT_EQ(KeyCodeFromListPosition(106), kNoKey);
    EXPECT_EQ(KeyCodeFromListPosition(-1), kNoKey);
    EXPECT_EQ(ListName(106), "");
    EXPECT_EQ(ListName(0), "A");
    EXPECT_EQ(ListName(105), "Right Win");
    EXPECT_EQ(ListPositionFromKeyCode(0x136), 103);
    EXPECT_EQ(ListPositionFromKeyCode(0x054), kNoListPosition);
    for (int position = 0; position < kListPositionCount; ++position) {
        EXPECT_EQ(ListPositionFromKeyCode(KeyCodeFromListPosition(position)), position);
    }
}

TEST(KeyTables, UsagesOfKeys) {
    const std::pair<KeyCode, HidUsage> cases[] = {
        {0x11D, {7, 0xE4}},   {0x130, {12, 0x0E9}}, {0x15E, {1, 0x81}}, {0x163, {1, 0x83}},
        {0x174, {12, 0}},     {0x17B, {12, 0}},     {0x054, {0, 0}},    {0x000, {0, 0}},
        {0x16D, {12, 0x183}}, {0x146, {7, 0x48}},
    };
    for (const auto& [code, usage] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(UsageFromKeyCode(code), usage);
    }
}

TEST(KeyTables, KeysOfUsages) {
    struct Case {
        uint16_t page, usage;
        KeyCode expected;
    };
    const Case cases[] = {
        {7, 0x04, 0x01E},
        {7, 0xE5, 0x036},
        {7, 0x48, 0x045},  // Pause before Break: first slot wins
        {12, 0x0CD, 0x122},
        {12, 0, 0x174},
        {12, 0x999, 0},
        {1, 0x84, 0},
        {1, 0x82, 0x15F},
        {7, 0, 0},
        {7, 0xFF, 0},
        {3, 0x04, 0},
        {7, 0x104, 0},
        // Page 7 looks at the usage byte itself, so a page-7 usage equal to a consumer
        // or system key's usage byte names that key.
        {7, 0xD3, 0x175},
        {7, 0xC0, 0x130},
        {7, 0x81, 0x15E},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.usage));
        EXPECT_EQ(KeyCodeFromUsage(c.page, c.usage), c.expected);
    }
    // Every key with a usage comes back from it, apart from keys that share a usage with an earlier slot.
    for (int slot = 0; slot < kKeySlots; ++slot) {
        const KeyCode code = KeyCodeFromSlot(static_cast<uint8_t>(slot));
        const HidUsage usage = UsageFromKeyCode(code);
        if (usage.page == kUsagePageNone || code == 0x136 || code == 0x146) continue;
        if (usage.page == kUsagePageConsumer && usage.usage == 0) continue;
        EXPECT_EQ(KeyCodeFromUsage(usage.page, usage.usage), code) << std::hex << code;
    }
}

TEST(KeyTables, ModifierBits) {
    EXPECT_EQ(KeyCodeFromModifierBits(0x22), 0x02A);
    EXPECT_EQ(KeyCodeFromModifierBits(0x00), kNoKey);
    EXPECT_EQ(KeyCodeFromModifierBits(0x80), 0x15C);
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(ModifierBitFromKeyCode(KeyCodeFromModifierBits(uint8_t(1 << bit))), 1 << bit);
    EXPECT_EQ(ModifierBitFromKeyCode(0x136), 0) << "only 0x036 is Right Shift's modifier code";
    EXPECT_EQ(ModifierBitFromKeyCode(0x01E), 0);
}

TEST(KeyTables, KeyCodeFromEvent) {
    constexpr uint32_t kExtended = 1u << 24;
    auto lparam = [](uint32_t scan, uint32_t flags = 0) { return (scan << 16) | flags | 1u; };
    struct Case {
        const char* what;
        uint32_t vk, lparam;
        KeyCode expected;
    };
    const Case cases[] = {
        {"Delete", 0x2E, lparam(0x53, kExtended), 0x153},
        {"Num .", 0x6E, lparam(0x53), 0x053},
        {"Num . with Num Lock off", 0x2E, lparam(0x53), 0x053},
        {"Right Shift", 0xA1, lparam(0x36), 0x036},
        {"Right Shift, generic VK", 0x10, lparam(0x36), 0x036},
        {"Num Lock", 0x90, lparam(0x45, kExtended), 0x145},
        {"Pause", 0x13, lparam(0x45), 0x045},
        {"scan code 0", 0x41, lparam(0x00), 0x01E},
        {"VK 0xFF names the scan code", 0xFF, lparam(0x59), 0x059},
        {"generic Ctrl from a right Ctrl scan", 0x11, lparam(0x1D, kExtended), 0x11D},
        {"generic Shift with scan 0", 0x10, lparam(0x00), 0x02A},
        {"disagreeing scan code: the VK wins", 0x41, lparam(0x30), 0x01E},
        {"Print Screen", 0x2C, lparam(0x37, kExtended), 0x137},
        {"Num Enter", 0x0D, lparam(0x1C, kExtended), 0x11C},
        {"Enter", 0x0D, lparam(0x1C), 0x01C},
        {"VK out of range", 0x1FF, lparam(0x00), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(KeyCodeFromEvent(c.vk, c.lparam), c.expected);
    }
}

TEST(KeyTables, MediaAndReleaseOnlySets) {
    for (const MediaKey& key : kMediaKeys) {
        EXPECT_TRUE(IsMediaKey(key.code));
        EXPECT_EQ(UsageFromKeyCode(key.code), (HidUsage{kUsagePageConsumer, key.consumer_usage}));
        EXPECT_EQ(KeyInfoOf(key.code).name_text_key, key.name_text_key);
    }
    EXPECT_FALSE(IsMediaKey(0x174));
    EXPECT_TRUE(IsReleaseOnlyKey(0x137));
    EXPECT_TRUE(IsReleaseOnlyKey(0x054));
    EXPECT_FALSE(IsReleaseOnlyKey(0x037));
}

}  // namespace
}  // namespace quovex
