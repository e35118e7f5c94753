// The macro memory block: sizes, encoding byte for byte, decoding, and the
// handling of blocks that say more than they hold.
#include "macros/macro_memory.h"

#include <gtest/gtest.h>

namespace quovex {
namespace {

MacroRecord Macro(uint16_t id, std::u16string_view name, std::initializer_list<MacroAction> actions,
                  uint8_t repeat_count = 1) {
    MacroRecord macro{};
    macro.id = id;
    macro.repeat_count = repeat_count;
    SetMacroName(macro, name);
    for (const MacroAction& action : actions) macro.actions[macro.action_count++] = action;
    return macro;
}

// "Ab": press A with 120 ms, release A with 0 ms.
MacroRecord AbMacro() {
    return Macro(1, u"Ab", {{120, 0x01E, kMacroPress}, {0, 0x01E, kMacroRelease}});
}

TEST(MacroMemory, NoMacrosIsTheBareHeader) {
    EXPECT_EQ(EncodeMacroMemory({}, true),
              (std::vector<uint8_t>{0xAA, 0x55, 16, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(MacroMemorySize({}).without_names, 16u);
}

TEST(MacroMemory, OneMacroByteForByte) {
    const std::vector<MacroRecord> macros = {AbMacro()};
    const MacroMemorySizes sizes = MacroMemorySize(macros);
    EXPECT_EQ(sizes.without_names, 30u);
    EXPECT_EQ(sizes.with_names, 34u);

    const std::vector<uint8_t> with_names = {
        0xAA, 0x55, 34,   0,    1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // header
        18,   0,                                                     // offset of macro 0
        0x02, 0x00, 0x01, 0x02,                                      // 2 actions, repeat 1, name length 2
        0x0C, 0xA0, 0x02, 0x04,                                      // press A, 12 units
        0x00, 0x20, 0x02, 0x04,                                      // release A
        'A',  0,    'b',  0,
    };
    EXPECT_EQ(EncodeMacroMemory(macros, true), with_names);

    const std::vector<uint8_t> without_names = {
        0xAA, 0x55, 30, 0,    1,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    18,   0,  0x02, 0x00, 0x01, 0x00, 0x0C, 0xA0, 0x02, 0x04, 0x00, 0x20, 0x02, 0x04,
    };
    EXPECT_EQ(EncodeMacroMemory(macros, false), without_names);
}

TEST(MacroMemory, ActionEncodings) {
    struct Case {
        const char* what;
        MacroAction action;
        std::array<uint8_t, 4> bytes;
        MacroAction read_back;
    };
    const Case cases[] = {
        {"Right Ctrl press", {0, 0x11D, kMacroPress}, {0x00, 0xA0, 0x01, 0x10}, {0, 0x11D, kMacroPress}},
        {"Volume Up press", {10, 0x130, kMacroPress}, {0x01, 0xB0, 0xE9, 0x00}, {10, 0x130, kMacroPress}},
        {"Power release", {0, 0x15E, kMacroRelease}, {0x00, 0x40, 0x81, 0x00}, {0, 0x15E, kMacroRelease}},
        {"delay rounds down",
         {12345, 0x01E, kMacroRelease},
         {0xD2, 0x24, 0x02, 0x04},
         {12340, 0x01E, kMacroRelease}},
        {"Zoom- has no usage", {0, 0x174, kMacroPress}, {0x00, 0xB0, 0x00, 0x00}, {0, 0x174, kMacroPress}},
        {"Zoom+ reads back as Zoom-",
         {0, 0x175, kMacroPress},
         {0x00, 0xB0, 0x00, 0x00},
         {0, 0x174, kMacroPress}},
        {"Word reads back as Zoom-",
         {0, 0x17B, kMacroPress},
         {0x00, 0xB0, 0x00, 0x00},
         {0, 0x174, kMacroPress}},
        {"Excel reads back as Zoom-",
         {0, 0x17C, kMacroPress},
         {0x00, 0xB0, 0x00, 0x00},
         {0, 0x174, kMacroPress}},
        {"no usage at all", {20, 0x16E, kMacroPress}, {0x02, 0x80, 0x00, 0x00}, {20, 0, kMacroPress}},
        {"longest delay",
         {40000, 0x01E, kMacroRelease},
         {0xA0, 0x2F, 0x02, 0x04},
         {40000, 0x01E, kMacroRelease}},
        {"delay past the limit is sent as the limit",
         {50000, 0x01E, kMacroRelease},
         {0xA0, 0x2F, 0x02, 0x04},
         {40000, 0x01E, kMacroRelease}},
        {"state other than 1 is a press", {0, 0x01E, 7}, {0x00, 0xA0, 0x02, 0x04}, {0, 0x01E, kMacroPress}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<MacroRecord> macros = {Macro(1, u"", {c.action})};
        const auto block = EncodeMacroMemory(macros, false);
        ASSERT_EQ(block.size(), 26u);
        EXPECT_EQ((std::array<uint8_t, 4>{block[22], block[23], block[24], block[25]}), c.bytes);
        const auto decoded = DecodeMacroMemory(block, "Macro");
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->size(), 1u);
        const MacroAction& action = (*decoded)[0].actions[0];
        EXPECT_EQ(action.delay_ms, c.read_back.delay_ms);
        EXPECT_EQ(action.key, c.read_back.key);
        EXPECT_EQ(action.state, c.read_back.state);
    }
}

TEST(MacroMemory, DecodeRenumbersAndNamesMacros) {
    const std::vector<MacroRecord> macros = {
        Macro(7, u"First", {{30, 0x02A, kMacroPress}}, 3),
        Macro(2, u"", {}),
        Macro(9, std::u16string(249, u'z'), {{0, 0x01E, kMacroRelease}}, 255),
    };
    for (const bool with_names : {true, false}) {
        SCOPED_TRACE(with_names);
        const auto decoded = DecodeMacroMemory(EncodeMacroMemory(macros, with_names), "Macro");
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ((*decoded)[i].id, i + 1);
            EXPECT_EQ((*decoded)[i].new_mark, 0);
            EXPECT_EQ((*decoded)[i].repeat_count, macros[i].repeat_count);
            EXPECT_EQ((*decoded)[i].action_count, macros[i].action_count);
        }
        EXPECT_EQ(MacroName((*decoded)[0]), with_names ? u"First" : u"Macro1");
        EXPECT_EQ(MacroName((*decoded)[1]), u"Macro2") << "an empty name travels as length 0";
        EXPECT_EQ(MacroName((*decoded)[2]), with_names ? std::u16string(249, u'z') : u"Macro3");
        EXPECT_EQ((*decoded)[0].actions[0].key, 0x02A);
    }
}

TEST(MacroMemory, NameThatIsEmptyUpToItsNulGetsTheBuiltName) {
    auto block = EncodeMacroMemory(std::vector<MacroRecord>{AbMacro()}, true);
    block[30] = 0, block[31] = 0;  // the name's first character is NUL
    const auto decoded = DecodeMacroMemory(block, "Macro");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(MacroName((*decoded)[0]), u"Macro1");
}

TEST(MacroMemory, BlocksThatSayMoreThanTheyHoldAreRefused) {
    const auto good = EncodeMacroMemory(std::vector<MacroRecord>{AbMacro()}, true);
    struct Case {
        const char* what;
        std::vector<uint8_t> block;
    };
    std::vector<Case> cases;
    cases.push_back({"cut inside the header", {good.begin(), good.begin() + 10}});
    cases.push_back({"cut inside the offsets", {good.begin(), good.begin() + 17}});
    cases.push_back({"cut inside the actions", {good.begin(), good.begin() + 26}});
    cases.push_back({"cut inside the name", {good.begin(), good.end() - 1}});
    auto bad_offset = good;
    bad_offset[16] = 0xF0;
    cases.push_back({"offset past the end", bad_offset});
    auto many_actions = good;
    many_actions[18] = 0xD1, many_actions[19] = 0x07;  // 2001
    cases.push_back({"2001 actions", many_actions});
    auto many_macros = good;
    many_macros[4] = 101;
    cases.push_back({"101 macros", many_macros});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        EXPECT_FALSE(DecodeMacroMemory(c.block, "Macro", &error));
        EXPECT_FALSE(error.empty());
    }
    // Without the magic word a block holds no macros; that is not an error.
    auto no_magic = good;
    no_magic[0] = 0;
    ASSERT_TRUE(DecodeMacroMemory(no_magic, "Macro"));
    EXPECT_TRUE(DecodeMacroMemory(no_magic, "Macro")->empty());
    EXPECT_TRUE(DecodeMacroMemory(std::vector<uint8_t>{}, "Macro")->empty());
}

TEST(MacroMemory, SizesAndTheLimitsOfABlock) {
    std::vector<MacroRecord> macros(9);
    for (auto& macro : macros) macro.action_count = 2000;
    EXPECT_EQ(MacroMemorySize(macros).without_names, 16u + 18u + 9u * (4u + 8000u));
    EXPECT_TRUE(EncodeMacroMemory(macros, false).empty()) << "a block says its size in 16 bits";
    macros[0].action_count = 60000;  // damaged count: taken as 2000
    EXPECT_EQ(MacroMemorySize(macros).without_names, 16u + 18u + 9u * (4u + 8000u));
    macros.resize(8);
    EXPECT_EQ(EncodeMacroMemory(macros, false).size(), 16u + 16u + 8u * (4u + 8000u));
}

TEST(MacroMemory, NamesAreCappedAt249Characters) {
    MacroRecord macro{};
    SetMacroName(macro, std::u16string(300, u'x'));
    EXPECT_EQ(MacroName(macro).size(), 249u);
    EXPECT_EQ(macro.name[249], u'\0');
    // A cut never keeps half of a surrogate pair.
    std::u16string name(248, u'x');
    name += u"\U0001F600";
    SetMacroName(macro, name);
    EXPECT_EQ(MacroName(macro), std::u16string(248, u'x'));
}

TEST(MacroMemory, IdsAndPositions) {
    std::vector<MacroRecord> macros = {Macro(1, u"a", {}), Macro(3, u"b", {}), Macro(2, u"c", {})};
    EXPECT_EQ(NewMacroId(macros), 4);
    macros[1].id = 5;
    EXPECT_EQ(NewMacroId(macros), 3);
    EXPECT_EQ(NewMacroId({}), 1);
    EXPECT_EQ(MacroPositionFromId(macros, 2), 2);
    EXPECT_EQ(MacroPositionFromId(macros, 42), 0);
    std::vector<MacroRecord> full(100);
    for (size_t i = 0; i < full.size(); ++i) full[i].id = static_cast<uint16_t>(i + 1);
    EXPECT_EQ(NewMacroId(full), 0);
}

}  // namespace
}  // namespace quovex
