// The space check and the bytes a write sends, decided before the keyboard is
// touched; and the assignment operations on the working profile.
#include <gtest/gtest.h>

#include "keys/assignment_operations.h"
#include "keys/keyboard_writer.h"
#include "macros/macro_memory.h"
#include "model/assign_type.h"
#include "model/key_layout.h"
#include "support/recording_prompter.h"

namespace quovex {
namespace {

using test_support::RecordingPrompter;

MacroRecord AbMacro(uint16_t id) {
    MacroRecord macro{};
    macro.id = id;
    macro.repeat_count = 1;
    SetMacroName(macro, u"Ab");
    macro.actions[0] = {120, 0x01E, kMacroPress};
    macro.actions[1] = {0, 0x01E, kMacroRelease};
    macro.action_count = 2;
    return macro;
}

TEST(KeyboardWritePlan, NamesAreDroppedOnlyWhenTheyDoNotFit) {
    WorkingProfile working;
    working.Macros().push_back(AbMacro(1));  // N = 30, W = 34
    working.Entry(EntryIndex(1, SlotFromKeyCode(0x01E))).type = ASSIGN_MACRO;
    working.Entry(EntryIndex(1, SlotFromKeyCode(0x01E))).value = 1;
    WriteCopy copy;
    ASSERT_EQ(BuildWriteCopy(working, copy), 1);
    const std::vector<int> profiles = {0, 1, 2};

    struct Case {
        size_t memory;
        bool fits;
        bool names_dropped;
    };
    for (const Case c : {Case{34, true, false}, Case{100, true, false}, Case{33, true, true},
                         Case{30, true, true}, Case{29, false, false}, Case{0, false, false}}) {
        SCOPED_TRACE(c.memory);
        const auto plan = PlanKeyboardWrite(copy, profiles, c.memory, kBuiltInDefaultKeyMap);
        ASSERT_EQ(plan.has_value(), c.fits);
        if (!plan) continue;
        EXPECT_EQ(plan->names_dropped, c.names_dropped);
        EXPECT_EQ(plan->macro_memory, EncodeMacroMemory(copy.macros, !c.names_dropped));
        ASSERT_EQ(plan->key_maps.size(), 3u);
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(plan->key_maps[p].first, p);
            EXPECT_EQ(plan->key_maps[p].second,
                      EncodeKeyMap(working.Block(p), copy.macros, kBuiltInDefaultKeyMap));
        }
        EXPECT_EQ(RecordAt(plan->key_maps[1].second, 19), (KeyMapRecord{5, 1, 0}));
    }
}

TEST(AssignmentOperations, RestoreDefaultsClearsOnlyTheCurrentProfileAndBank) {
    WorkingProfile working;
    for (int i = 0; i < kKeyEntryCount; ++i) working.Entry(i) = KeyEntry{ASSIGN_DISABLED, 1, 2, 3, 4};
    ASSERT_TRUE(RestoreDefaultAssignments(working, 1, 1));
    for (int i = 0; i < kKeyEntryCount; ++i) {
        const int block = i / kEntriesPerProfileBlock, slot = i % kEntriesPerProfileBlock;
        bool cleared = false;
        if (block == 1) {
            cleared = slot >= kGKeySlotBankB && slot < kGKeySlotBankB + kGKeyCount;
            for (const KeyPosition& key : kKeyPositions) cleared |= slot == SlotFromKeyCode(key.code);
        }
        ASSERT_EQ(working.Entry(i) == KeyEntry{}, cleared) << "entry " << i;
    }
    // With the current profile unknown nothing is touched.
    const KeyEntry before = working.Entry(EntryIndex(0, 0x1E));
    EXPECT_FALSE(RestoreDefaultAssignments(working, kProfileUnknown, 0));
    EXPECT_FALSE(RestoreDefaultAssignments(working, 3, 0));
    EXPECT_FALSE(RestoreDefaultAssignments(working, 0, 2));
    EXPECT_EQ(working.Entry(EntryIndex(0, 0x1E)), before);
}

TEST(AssignmentOperations, MacroInUseAsksOnlyWhenAKeyPlaysTheMacro) {
    TextTable texts;
    WorkingProfile working;
    MacroRecord macro = AbMacro(4);

    RecordingPrompter prompter;
    EXPECT_TRUE(MacroInUse(working, macro, prompter, texts));
    EXPECT_TRUE(prompter.Prompts().empty());

    working.Entry(EntryIndex(2, 0x30)) = KeyEntry{ASSIGN_MACRO, 0, 4, 0, 0};  // profile 2 while 0 is current
    prompter.QueueAnswer(false);
    EXPECT_FALSE(MacroInUse(working, macro, prompter, texts));
    prompter.QueueAnswer(true);
    EXPECT_TRUE(MacroInUse(working, macro, prompter, texts));
    ASSERT_EQ(prompter.Keys(),
              (std::vector<std::string>{"MACRO_DELETE_CONFIRM_OF_KEYS", "MACRO_DELETE_CONFIRM_OF_KEYS"}));
    EXPECT_EQ(prompter.Prompts()[0].text, texts.Text("MACRO_DELETE_CONFIRM_OF_KEYS"));

    prompter.Clear();
    macro.new_mark = 1;  // created in the open dialog, never applied
    EXPECT_TRUE(MacroInUse(working, macro, prompter, texts));
    EXPECT_TRUE(prompter.Prompts().empty());

    WorkingProfile only_g1;
    only_g1.Entry(kGKeySlotBankA) = KeyEntry{ASSIGN_MACRO, 0, 4, 0, 0};
    macro.new_mark = 0;
    EXPECT_TRUE(MacroInUse(only_g1, macro, prompter, texts));
    EXPECT_TRUE(prompter.Prompts().empty()) << "entry 256 is not searched";
}

}  // namespace
}  // namespace quovex
