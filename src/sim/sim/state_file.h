// The virtual keyboard's state file: its memories and settings as JSON, so that
// tools and tests can read byte by byte what reached the keyboard.
//
//   {
//     "present": true,           plugged in (1 keyboard) or not (0)
//     "bank": 0,                 G-key bank: 0 = A, 1 = B
//     "state": "...",            44 bytes
//     "keymaps": "...",          1134 bytes: on-board profile n at n x 378
//     "default_keymap": "...",   378 bytes
//     "macro_memory": "...",     state byte 11 x 128 bytes
//     "lighting": "...",         128 bytes
//     "key_colours": "...",      1536 bytes
//     "latency_ms": 0,           delay of each answer
//     "faults": {"no_answer": 0, "wrong_echo": 0, "busy": 0, "error": 0}
//   }
//
// Bytes are lower-case hex without separators. A missing field takes its
// factory value. A field that cannot be read is reported and takes its factory
// value; a hex field of the wrong length keeps the bytes it has and takes factory
// values for the rest.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/keyboard_state.h"

namespace quovex::sim {

inline constexpr uint32_t kMaxLatencyMs = 60'000;
inline constexpr size_t kMaxStateFileSize = 1 << 20;

struct LoadedState {
    KeyboardState state;
    std::vector<std::string> problems;               // one line each, naming the field
    std::optional<std::filesystem::path> kept_copy;  // where an unreadable file was copied
};

// Never throws, whatever the text.
LoadedState ParseStateText(std::string_view text);
std::string FormatStateText(const KeyboardState& state);

// A missing file gives the factory state and no problem. When the file has
// problems, a copy of it is kept as FILE.bad first, because the next save
// replaces what could not be read.
LoadedState LoadStateFile(const std::filesystem::path& path);
bool SaveStateFile(const std::filesystem::path& path, const KeyboardState& state, std::string* error);

}  // namespace quovex::sim
