// The eleven shortcut functions a key can be given (ASSIGN_FUNCTION, value =
// index). The keyboard carries them out itself (key-map record 05 05 index);
// their names come from the text table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/text_table.h"

namespace quovex {

inline constexpr int kShortcutFunctionCount = 11;

// Text keys by function index: Open, New, Undo, Save, Copy, Cut, Paste, Find,
// Select All, Zoom-, Zoom+.
inline constexpr std::array<std::string_view, kShortcutFunctionCount> kShortcutFunctionTextKeys = {
    "FUNC_KEY_DESC1", "FUNC_KEY_DESC2",  "FUNC_KEY_DESC3",  "FUNC_KEY_DESC4",
    "FUNC_KEY_DESC5", "FUNC_KEY_DESC6",  "FUNC_KEY_DESC7",  "FUNC_KEY_DESC8",
    "FUNC_KEY_DESC9", "FUNC_KEY_DESC10", "FUNC_KEY_DESC11",
};

// The function's name; empty for an index outside 0..10.
inline std::string ShortcutFunctionName(int index, const TextTable& texts) {
    if (index < 0 || index >= kShortcutFunctionCount) return {};
    return texts.Text(kShortcutFunctionTextKeys[index]);
}

}  // namespace quovex
