// Writing the configuration to the keyboard: the macro memory and the key
// map of the current profile (or of all three) from the write copy, inside one
// access group.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "app/prompter.h"
#include "app/text_table.h"
#include "device/command_set.h"
#include "keys/key_map.h"
#include "model/keyboard_context.h"
#include "model/working_profile.h"

namespace quovex {

// What a write needs beyond the write copy.
struct KeyboardWriteServices {
    CommandSet& commands;
    KeyboardContext& context;
    Prompter& prompter;
    const TextTable& texts;
};

// The bytes of one write, decided before anything is sent.
struct KeyboardWritePlan {
    std::vector<uint8_t> macro_memory;             // with names when they fit
    bool names_dropped = false;                    // names left out to fit
    std::vector<std::pair<int, KeyMap>> key_maps;  // (profile, map) in profile order
};

// Space check and encoding: nullopt when even the macro memory without names
// is larger than `macro_memory_size` bytes. With S the size, W the size with
// names and N without: W <= S sends names, N <= S < W drops them.
std::optional<KeyboardWritePlan> PlanKeyboardWrite(const WriteCopy& copy, std::span<const int> profiles,
                                                   size_t macro_memory_size, const KeyMap& default_map);

// Writes the macro memory and the key maps (profiles 0, 1 and 2 with
// `all_profiles`, else the current one) between CMD_BEGIN_ACCESS and
// CMD_END_ACCESS. Caller holds the write-copy lock (it is taken again here).
//   - macro memory too large: EXTRA_MACRO_TOO_LONG is shown, nothing is sent, 0;
//   - current profile unknown (and not all_profiles): nothing is sent, 0;
//   - names dropped: EXTRA_PROFILE_SPACE_TIGHT is shown after the transfer.
// Returns 1 only when the macro memory and every key map were accepted.
int WriteKeyboard(WriteCopy& copy, bool all_profiles, const KeyboardWriteServices& services);

// Builds the write copy from the working profile (BuildWriteCopy) and runs the
// keyboard writer on it with both locks held, profile lock first. Returns the
// writer's result, or 0 when the copy could not be made.
int MakeWriteCopy(WorkingProfile& working, WriteCopy& copy, bool all_profiles,
                  const KeyboardWriteServices& services);

}  // namespace quovex
