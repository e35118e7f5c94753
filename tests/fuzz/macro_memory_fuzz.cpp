// Macro memory read from the keyboard: decoding reads only inside the block,
// and what decodes encodes and decodes again to the same macros.
#include <algorithm>
#include <cstdlib>

#include "macros/macro_memory.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex;
    const auto macros = DecodeMacroMemory(std::span<const uint8_t>(data, size), "Macro");
    if (!macros) return 0;
    Check(macros->size() <= kMaxMacros);
    const auto block = EncodeMacroMemory(*macros, true);
    if (block.empty()) return 0;  // larger than a block can say
    Check(block.size() == MacroMemorySize(*macros).with_names);
    const auto again = DecodeMacroMemory(block, "Macro");
    Check(again && again->size() == macros->size());
    for (size_t i = 0; i < macros->size(); ++i) {
        const MacroRecord& first = (*macros)[i];
        const MacroRecord& second = (*again)[i];
        Check(MacroName(first) == MacroName(second));
        Check(first.action_count == second.action_count && first.repeat_count == second.repeat_count);
        for (size_t a = 0; a < first.action_count; ++a) {
            Check(first.actions[a].key == second.actions[a].key);
            Check(first.actions[a].state == second.actions[a].state);
            Check(second.actions[a].delay_ms == std::min(first.actions[a].delay_ms, kMaxMacroDelayMs));
        }
    }
    return 0;
}
