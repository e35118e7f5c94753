#include "keys/keyboard_writer.h"
#include "macros/macro_memory.h"

namespace quovex {

std::optional<KeyboardWritePlan> PlanKeyboardWrite(const WriteCopy& copy, std::span<const int> profiles,
                                                   size_t macro_memory_size, const KeyMap& default_map) {
    const MacroMemorySizes sizes = MacroMemorySize(copy.macros);
    if (sizes.without_names > macro_memory_size || !copy.image) return std::nullopt;

    KeyboardWritePlan plan;
    plan.names_dropped = sizes.with_names > macro_memory_size;
    plan.macro_memory = EncodeMacroMemory(copy.macros, !plan.names_dropped);
    if (plan.macro_memory.empty()) return std::nullopt;  // more than a block can hold
    for (const int profile : profiles) {
        const std::span<const KeyEntry, kEntriesPerProfileBlock> block(
            copy.image->entries.data() + EntryIndex(profile, 0), kEntriesPerProfileBlock);
        plan.key_maps.emplace_back(profile, EncodeKeyMap(block, copy.macros, default_map));
    }
    return plan;
}

}  // namespace quovex
