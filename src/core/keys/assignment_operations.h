// Operations on the assignments of the working profile that the main window
// and the assignment dialog call.
#pragma once

#include "app/prompter.h"
#include "app/text_table.h"
#include "macros/macro_record.h"
#include "model/working_profile.h"

namespace quovex {

// Clears (all 16 bytes) the nine G-key slots of `bank` (0 = A, 1 = B) and the
// key slots of the 104 keys of the key layout in profile block `profile`;
// other slots, the other bank and the other profiles are untouched. Takes the
// profile lock. False, and nothing touched, for a profile outside 0..2 (the
// current profile unknown) or a bank other than 0 and 1.
bool RestoreDefaultAssignments(WorkingProfile& working, int profile, int bank);

// Whether the user still wants to remove `macro`: true at once for a macro
// created in the open dialog and never applied (new mark set); otherwise, when
// a key entry of any profile (entry 256 aside) plays it, the answer to the
// MACRO_DELETE_CONFIRM_OF_KEYS question; true when no key plays it.
bool MacroInUse(WorkingProfile& working, const MacroRecord& macro, Prompter& prompter,
                const TextTable& texts);

}  // namespace quovex
