#include "macros/macro_record.h"

#include <algorithm>

namespace quovex {

std::u16string_view MacroName(const MacroRecord& record) {
    const auto end = std::find(record.name.begin(), record.name.begin() + kMaxMacroNameCharacters, u'\0');
    return std::u16string_view(record.name.data(), static_cast<size_t>(end - record.name.begin()));
}

void SetMacroName(MacroRecord& record, std::u16string_view name) {
    name = name.substr(0, std::min(name.find(u'\0'), name.size()));
    size_t length = std::min<size_t>(name.size(), kMaxMacroNameCharacters);
    if (length > 0 && length < name.size() && name[length - 1] >= 0xD800 && name[length - 1] <= 0xDBFF) {
        --length;  // do not keep half of a surrogate pair
    }
    record.name.fill(u'\0');
    std::copy_n(name.begin(), length, record.name.begin());
}

std::span<const MacroAction> MacroActions(const MacroRecord& record) {
    return std::span<const MacroAction>(record.actions.data(),
                                        std::min<size_t>(record.action_count, kMaxMacroActions));
}

void NormaliseMacroRecord(MacroRecord& record) {
    std::fill(record.name.begin() + kMaxMacroNameCharacters, record.name.end(), u'\0');
    record.action_count = std::min<uint16_t>(record.action_count, kMaxMacroActions);
}

}  // namespace quovex
