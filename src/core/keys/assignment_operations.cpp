#include "keys/assignment_operations.h"

#include "model/assign_type.h"
#include "model/key_layout.h"

namespace quovex {

bool RestoreDefaultAssignments(WorkingProfile& working, int profile, int bank) {
    if (!IsOnBoardProfile(profile) || (bank != 0 && bank != 1)) return false;
    auto lock = working.Lock();
    auto block = working.Block(profile);
    for (int j = 0; j < kGKeyCount; ++j) block[GKeySlot(j, bank)] = KeyEntry{};
    for (const KeyPosition& key : kKeyPositions) block[SlotFromKeyCode(key.code)] = KeyEntry{};
    return true;
}

bool MacroInUse(WorkingProfile& working, const MacroRecord& macro, Prompter& prompter,
                const TextTable& texts) {
    if (macro.new_mark != 0) return true;
    bool in_use = false;
    {
        auto lock = working.Lock();
        // Entry 256 (G1 of bank A in profile 0) is not searched; a key left playing a removed
        // macro is reset to its default when the assignment dialog applies, like any other.
        for (int i = 0; i < kKeyEntryCount && !in_use; ++i) {
            const KeyEntry& entry = working.Entry(i);
            in_use = i != kGKeySlotBankA && entry.type == ASSIGN_MACRO && entry.value == macro.id;
        }
    }
    // The question is asked without the profile lock held, so the window can keep drawing.
    return !in_use || AskTextYesNo(prompter, texts, "MACRO_DELETE_CONFIRM_OF_KEYS");
}

}  // namespace quovex
