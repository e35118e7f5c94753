// Macro memory read from the keyboard: decoding reads only inside the block,
// and what decodes encodes and decodes again to the same macros. A key may be
// named differently after its first trip (a page-7 usage that stands for a
// consumer key in the key table comes back as that key), so keys are compared
// from the second trip on.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "macros/macro_memory.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Encodes with names and decodes again; nullopt when the block would be too large.
std::optional<std::vector<quovex::MacroRecord>> RoundTrip(const std::vector<quovex::MacroRecord>& macros) {
    using namespace quovex;
    const auto block = EncodeMacroMemory(macros, true);
    if (block.empty()) return std::nullopt;
    Check(block.size() == MacroMemorySize(macros).with_names);
    auto decoded = DecodeMacroMemory(block, "Macro");
    Check(decoded && decoded->size() == macros.size());
    for (size_t i = 0; i < macros.size(); ++i) {
        const MacroRecord& before = macros[i];
        const MacroRecord& after = (*decoded)[i];
        Check(MacroName(before) == MacroName(after));
        Check(before.action_count == after.action_count && before.repeat_count == after.repeat_count);
        for (size_t a = 0; a < before.action_count; ++a) {
            Check(before.actions[a].state == after.actions[a].state);
            Check(after.actions[a].delay_ms ==
                  std::min(before.actions[a].delay_ms, kMaxMacroDelayMs) / 10 * 10);
        }
    }
    return decoded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex;
    const auto macros = DecodeMacroMemory(std::span<const uint8_t>(data, size), "Macro");
    if (!macros) return 0;
    Check(macros->size() <= kMaxMacros);
    const auto first = RoundTrip(*macros);
    if (!first) return 0;
    const auto second = RoundTrip(*first);
    Check(second.has_value());
    for (size_t i = 0; i < first->size(); ++i) {
        for (size_t a = 0; a < (*first)[i].action_count; ++a) {
            Check((*first)[i].actions[a].key == (*second)[i].actions[a].key);
        }
    }
    return 0;
}
