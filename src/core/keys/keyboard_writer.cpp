#include "keys/keyboard_writer.h"

#include "macros/macro_memory.h"
#include "model/current_profile.h"

namespace quovex {

int WriteKeyboard(WriteCopy& copy, bool all_profiles, const KeyboardWriteServices& services) {
    auto lock = copy.Lock();
    const int memory_size = services.context.MacroMemorySize();
    const MacroMemorySizes sizes = MacroMemorySize(copy.macros);
    if (memory_size < 0 || sizes.without_names > static_cast<size_t>(memory_size)) {
        ShowTextMessage(services.prompter, services.texts, "EXTRA_MACRO_TOO_LONG");
        return 0;
    }

    std::vector<int> profiles;
    if (all_profiles) {
        profiles = {0, 1, 2};
    } else {
        // Without a known current profile there is no block to write.
        const int current = GetCurrentProfile(services.commands, services.context);
        if (current < 0 || current >= kOnBoardProfiles) return 0;
        profiles = {current};
    }
    const auto plan =
        PlanKeyboardWrite(copy, profiles, static_cast<size_t>(memory_size), services.context.DefaultKeyMap());
    if (!plan) {
        ShowTextMessage(services.prompter, services.texts, "EXTRA_MACRO_TOO_LONG");
        return 0;
    }

    CommandSet& commands = services.commands;
    commands.BeginAccess();
    bool all_accepted = commands.WriteMacros(plan->macro_memory) == kResultDone;
    for (const auto& [profile, key_map] : plan->key_maps) {
        all_accepted =
            commands.WriteKeyMap(static_cast<unsigned>(profile), key_map) == kResultDone && all_accepted;
    }
    commands.EndAccess();

    if (plan->names_dropped) ShowTextMessage(services.prompter, services.texts, "EXTRA_PROFILE_SPACE_TIGHT");
    return all_accepted ? 1 : 0;
}

int MakeWriteCopy(WorkingProfile& working, WriteCopy& copy, bool all_profiles,
                  const KeyboardWriteServices& services) {
    auto working_lock = working.Lock();
    auto copy_lock = copy.Lock();
    if (BuildWriteCopy(working, copy) != 1) return 0;
    return WriteKeyboard(copy, all_profiles, services);
}

}  // namespace quovex
