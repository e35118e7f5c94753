// Key maps: every assignment type encoded at a position, key maps read back
// from the keyboard decoded into a profile block, and the built-in default map.
#include "keys/key_map.h"

#include <gtest/gtest.h>

#include "model/assign_type.h"
#include "model/key_tables.h"

namespace quovex {
namespace {

// Positions of the built-in default map used below.
constexpr int kPositionEsc = 8;          // 02 02 29
constexpr int kPositionLeftCtrl = 13;    // 02 01 01
constexpr int kPositionA = 19;           // 02 02 04
constexpr int kPositionPrevTrack = 112;  // 03 B6 00

KeyEntry Entry(uint16_t type, uint32_t value) {
    KeyEntry entry{};
    entry.type = type;
    entry.value = value;
    return entry;
}

MacroRecord MacroWithId(uint16_t id) {
    MacroRecord macro{};
    macro.id = id;
    return macro;
}

TEST(KeyMap, OnlyDefaultEntriesEncodeToTheDefaultMap) {
    const ProfileBlock block = DefaultProfileBlock();
    EXPECT_EQ(EncodeKeyMap(block, {}, kBuiltInDefaultKeyMap), kBuiltInDefaultKeyMap);
    KeyMap other_default{};
    for (size_t i = 0; i < other_default.size(); ++i) other_default[i] = static_cast<uint8_t>(i * 7);
    EXPECT_EQ(EncodeKeyMap(block, {}, other_default), other_default);
}

TEST(KeyMap, EncodingOfEachAssignment) {
    const std::vector<MacroRecord> macros = {MacroWithId(5), MacroWithId(2), MacroWithId(9)};
    struct Case {
        const char* what;
        KeyEntry entry;
        KeyMapRecord expected;
    };
    const KeyMapRecord a_default{2, 2, 0x04};
    const Case cases[] = {
        {"default", Entry(ASSIGN_DEFAULT, 0), a_default},
        {"disabled", Entry(ASSIGN_DISABLED, 0), {0, 0, 0}},
        {"Right Shift", Entry(ASSIGN_KEY, 0x036), {2, 1, 0x20}},
        {"Right Ctrl", Entry(ASSIGN_KEY, 0x11D), {2, 1, 0x10}},
        {"Right Shift's second slot is no modifier", Entry(ASSIGN_KEY, 0x136), {2, 2, 0xE5}},
        {"Num Lock", Entry(ASSIGN_KEY, 0x145), {2, 2, 0x53}},
        {"media key through type 2", Entry(ASSIGN_KEY, 0x130), {2, 2, 0x00}},
        {"key with no usage", Entry(ASSIGN_KEY, 0x054), {2, 2, 0x00}},
        {"target past 16 bits", Entry(ASSIGN_KEY, 0x1001E), {2, 2, 0x00}},
        {"program", Entry(ASSIGN_PROGRAM, 40), a_default},
        {"macro id 2 at position 1", Entry(ASSIGN_MACRO, 2), {5, 1, 1}},
        {"macro id 9 at position 2", Entry(ASSIGN_MACRO, 9), {5, 1, 2}},
        {"missing macro id", Entry(ASSIGN_MACRO, 7), {5, 1, 0}},
        {"stop macro", Entry(ASSIGN_STOP_MACRO, 0), {5, 2, 0}},
        {"text", Entry(ASSIGN_TEXT, 0), {0, 0, 0}},
        {"media Volume Up", Entry(ASSIGN_MEDIA, 6), {3, 0xE9, 0x00}},
        {"media Mail", Entry(ASSIGN_MEDIA, 17), {3, 0x8A, 0x01}},
        {"media index outside the table", Entry(ASSIGN_MEDIA, 18), a_default},
        {"function Zoom+", Entry(ASSIGN_FUNCTION, 10), {5, 5, 10}},
        {"function low byte", Entry(ASSIGN_FUNCTION, 0x103), {5, 5, 3}},
        {"unknown type", Entry(9, 1), a_default},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileBlock block = DefaultProfileBlock();
        block[SlotFromKeyCode(0x01E)] = c.entry;
        const KeyMap map = EncodeKeyMap(block, macros, kBuiltInDefaultKeyMap);
        EXPECT_EQ(RecordAt(map, kPositionA), c.expected);
        // Nothing else moved.
        KeyMap expected = kBuiltInDefaultKeyMap;
        SetRecordAt(expected, kPositionA, c.expected);
        EXPECT_EQ(map, expected);
    }
}

TEST(KeyMap, PositionsNamingTheSameKeyGetTheSameRecord) {
    ProfileBlock block = DefaultProfileBlock();
    block[SlotFromKeyCode(KeyCodeFromUsage(7, 0x2E))] =
        Entry(ASSIGN_DISABLED, 0);  // "=", positions 54 and 105
    const KeyMap map = EncodeKeyMap(block, {}, kBuiltInDefaultKeyMap);
    EXPECT_EQ(RecordAt(kBuiltInDefaultKeyMap, 54), (KeyMapRecord{2, 2, 0x2E}));
    EXPECT_EQ(RecordAt(kBuiltInDefaultKeyMap, 105), (KeyMapRecord{2, 2, 0x2E}));
    EXPECT_EQ(RecordAt(map, 54), (KeyMapRecord{0, 0, 0}));
    EXPECT_EQ(RecordAt(map, 105), (KeyMapRecord{0, 0, 0}));
}

TEST(KeyMap, KeyCodeFromRecord) {
    const std::pair<KeyMapRecord, KeyCode> cases[] = {
        {{2, 2, 0x04}, 0x01E},    {{2, 1, 0x20}, 0x036},    {{2, 7, 0x01}, 0x01D},
        {{3, 0xB6, 0x00}, 0x110}, {{3, 0xCD, 0x00}, 0x122}, {{4, 0x82, 0x00}, 0x15F},
        {{5, 0, 0}, 0},           {{0, 0, 0}, 0},           {{7, 2, 4}, 0},
    };
    for (const auto& [record, code] : cases) EXPECT_EQ(KeyCodeFromRecord(record), code);
}

TEST(KeyMap, DecodingOfKeyboardRecords) {
    struct Case {
        const char* what;
        KeyMapRecord record;
        KeyEntry expected;
    };
    const Case cases[] = {
        {"equal to the default", {2, 2, 0x04}, Entry(ASSIGN_DEFAULT, 0)},
        {"macro position 3", {5, 1, 3}, Entry(ASSIGN_MACRO, 4)},
        {"stop macro", {5, 2, 9}, Entry(ASSIGN_STOP_MACRO, 0)},
        {"function", {5, 5, 4}, Entry(ASSIGN_FUNCTION, 4)},
        {"unknown function sub", {5, 0, 0}, Entry(ASSIGN_DISABLED, 0)},
        {"Volume Up", {3, 0xE9, 0x00}, Entry(ASSIGN_MEDIA, 6)},
        {"consumer usage outside the media table", {3, 0x00, 0x01}, Entry(ASSIGN_DISABLED, 0)},
        {"key B", {2, 2, 0x05}, Entry(ASSIGN_KEY, 0x030)},
        {"keyboard usage of no key", {2, 2, 0xF0}, Entry(ASSIGN_DISABLED, 0)},
        {"modifier Right Alt", {2, 1, 0x40}, Entry(ASSIGN_KEY, 0x138)},
        {"keyboard with another sub", {2, 3, 0x04}, Entry(ASSIGN_DISABLED, 0)},
        {"no function", {0, 0, 0}, Entry(ASSIGN_DISABLED, 0)},
        {"system control", {4, 0x81, 0}, Entry(ASSIGN_DISABLED, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyMap map = kBuiltInDefaultKeyMap;
        SetRecordAt(map, kPositionA, c.record);
        const ProfileBlock block = DecodeKeyMap(map, kBuiltInDefaultKeyMap);
        EXPECT_EQ(block[SlotFromKeyCode(0x01E)], c.expected);
        ProfileBlock expected = DefaultProfileBlock();
        expected[SlotFromKeyCode(0x01E)] = c.expected;
        EXPECT_EQ(block, expected);
    }
}

TEST(KeyMap, DecodingKeepsDefaultRecordsEvenWhenTheyAreMacros) {
    KeyMap default_map = kBuiltInDefaultKeyMap;
    SetRecordAt(default_map, kPositionEsc, {5, 1, 2});  // a keyboard whose default plays a macro
    const ProfileBlock block = DecodeKeyMap(default_map, default_map);
    EXPECT_EQ(block, DefaultProfileBlock());
}

TEST(KeyMap, LaterPositionOverwritesAnEarlierOneForTheSameKey) {
    KeyMap map = kBuiltInDefaultKeyMap;
    SetRecordAt(map, 54, {0, 0, 0});
    SetRecordAt(map, 105, {5, 2, 0});
    const ProfileBlock block = DecodeKeyMap(map, kBuiltInDefaultKeyMap);
    EXPECT_EQ(block[SlotFromKeyCode(KeyCodeFromUsage(7, 0x2E))], Entry(ASSIGN_STOP_MACRO, 0));
}

TEST(KeyMap, EncodeThenDecodeKeepsEveryAssignmentTheKeyboardCanHold) {
    const std::vector<MacroRecord> macros = {MacroWithId(1), MacroWithId(2), MacroWithId(3)};
    ProfileBlock block = DefaultProfileBlock();
    block[SlotFromKeyCode(0x01E)] = Entry(ASSIGN_KEY, 0x030);
    block[SlotFromKeyCode(0x001)] = Entry(ASSIGN_MACRO, 3);
    block[SlotFromKeyCode(0x01D)] = Entry(ASSIGN_KEY, 0x15C);
    block[SlotFromKeyCode(0x03B)] = Entry(ASSIGN_MEDIA, 11);
    block[SlotFromKeyCode(0x03C)] = Entry(ASSIGN_FUNCTION, 8);
    block[SlotFromKeyCode(0x03D)] = Entry(ASSIGN_DISABLED, 0);
    block[SlotFromKeyCode(0x03E)] = Entry(ASSIGN_STOP_MACRO, 0);
    const ProfileBlock decoded =
        DecodeKeyMap(EncodeKeyMap(block, macros, kBuiltInDefaultKeyMap), kBuiltInDefaultKeyMap);
    EXPECT_EQ(decoded, block);
    EXPECT_EQ(RecordAt(kBuiltInDefaultKeyMap, kPositionLeftCtrl), (KeyMapRecord{2, 1, 0x01}));
    EXPECT_EQ(KeyCodeFromRecord(RecordAt(kBuiltInDefaultKeyMap, kPositionPrevTrack)), 0x110);
}

}  // namespace
}  // namespace quovex
