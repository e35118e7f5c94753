// A macro: a named list of key presses and releases with a delay after each,
// played by the keyboard itself. The records are stored after the key entries
// of a profile image, byte for byte as laid out here (little-endian).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/key_code.h"

namespace quovex {

static_assert(std::endian::native == std::endian::little,
              "profile files are little-endian and read in place");

inline constexpr int kMaxMacros = 100;
inline constexpr int kMaxMacroActions = 2000;
inline constexpr int kMaxMacroNameCharacters = 249;  // UTF-16 units, without the NUL
inline constexpr uint32_t kMaxMacroDelayMs = 40000;
inline constexpr int kMinRepeatCount = 1;
inline constexpr int kMaxRepeatCount = 255;

inline constexpr uint16_t kMacroPress = 0;
inline constexpr uint16_t kMacroRelease = 1;

struct MacroAction {
    uint32_t delay_ms;  // wait after this action before the next, 0..40000; the keyboard keeps 10 ms units
    KeyCode key;        // the key pressed or released
    uint16_t state;     // kMacroPress (shown "↓") or kMacroRelease (shown "  ↑")
};
static_assert(sizeof(MacroAction) == 8);

struct MacroRecord {
    std::array<char16_t, 250> name;  // UTF-16, NUL-terminated, at most 249 characters
    uint8_t repeat_count;            // times the keyboard plays the macro, 1..255; 1 for a new macro
    uint8_t reserved_501;
    uint16_t new_mark;  // 1 while created in the open assignment dialog and not yet applied
    uint16_t reserved_504;
    uint16_t id;            // 1..100, unique; the value of ASSIGN_MACRO entries
    uint16_t action_count;  // 0..2000, the used part of `actions`
    uint16_t reserved_510;
    std::array<MacroAction, kMaxMacroActions> actions;
};
static_assert(sizeof(MacroRecord) == 16512);
static_assert(offsetof(MacroRecord, repeat_count) == 500 && offsetof(MacroRecord, new_mark) == 502 &&
              offsetof(MacroRecord, id) == 506 && offsetof(MacroRecord, action_count) == 508 &&
              offsetof(MacroRecord, actions) == 512);

// The name up to its NUL, never more than 249 characters.
std::u16string_view MacroName(const MacroRecord& record);
// Stores a name cut to 249 UTF-16 units (never splitting a surrogate pair), NUL-filled.
void SetMacroName(MacroRecord& record, std::u16string_view name);

// The used actions; a count above 2000 (a damaged file) reads as 2000.
std::span<const MacroAction> MacroActions(const MacroRecord& record);

// Brings a record read from outside within its limits without losing what it
// holds: a name that fills its field gets its NUL (so 249 characters), an
// action count above 2000 becomes 2000.
void NormaliseMacroRecord(MacroRecord& record);

}  // namespace quovex
