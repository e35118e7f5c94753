// What a key entry's `type` says a key does. The encoding of each type in the
// keyboard's key map belongs to the key assignment model (keys/key_map.h).
#pragma once

#include <cstdint>

namespace quovex {

enum AssignType : uint16_t {
    ASSIGN_DEFAULT = 0,     // value 0: the key keeps its default function
    ASSIGN_DISABLED = 1,    // value 0: the key does nothing
    ASSIGN_KEY = 2,         // value: KeyCode of the key to send
    ASSIGN_PROGRAM = 3,     // value: offset of the program path in the string area (files)
    ASSIGN_MACRO = 4,       // value: macro id 1..100
    ASSIGN_STOP_MACRO = 5,  // value 0
    ASSIGN_TEXT = 6,        // value: offset of the text block in the string area (files)
    ASSIGN_MEDIA = 7,       // value: media index 0..17
    ASSIGN_FUNCTION = 8,    // value: shortcut function index 0..10
};

// Only program paths and text blocks carry a string.
constexpr bool UsesString(uint16_t type) {
    return type == ASSIGN_PROGRAM || type == ASSIGN_TEXT;
}

}  // namespace quovex
