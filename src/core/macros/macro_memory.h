// The keyboard's macro memory: one block holding every macro, sent with
// CMD_WRITE_MACROS and read with CMD_READ_MACROS (little-endian):
//
//   offset 0    u16 magic 0x55AA
//   offset 2    u16 total size of the block in bytes
//   offset 4    u16 macro count n
//   offset 6    u16 names flag: 1 when names are included
//   offset 8    8 reserved bytes, 0
//   offset 16   n x u16: offset of each macro from the start of the block
//   then        the macros: u16 action count a, u8 repeat count, u8 name length L
//               (0 without names), a x 4 bytes of actions, then L UTF-16
//               characters of the name without NUL (with names only)
//
// An action is 4 bytes: word 0 bits 0..11 = delay in 10 ms units, bits 12..14
// = kind (2 keyboard key, 3 consumer control, 4 system control, 0 no usage),
// bit 15 = 1 for a press; bytes 2..3 = 01 and the modifier bit for a modifier
// key, 02 and the page-7 usage for another keyboard key, the 16-bit usage for
// consumer and system controls, 00 00 for no usage. Kind and bytes 2..3 form a
// key-map record, so KeyCodeFromRecord reads an action's key.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_record.h"

namespace quovex {

inline constexpr uint16_t kMacroMemoryMagic = 0x55AA;
inline constexpr size_t kMacroMemoryHeaderSize = 16;
inline constexpr size_t kMacroMemoryMaxSize = 0xFFFF;  // the block carries its size in 16 bits

struct MacroMemorySizes {
    size_t without_names;  // 16 + 2n + sum of (4 + 4 x action count)
    size_t with_names;     // that plus the sum of 2 x name length
};
MacroMemorySizes MacroMemorySize(std::span<const MacroRecord> macros);

// The block, with or without names; its length is the matching size. Empty
// when it would be larger than a block can say (more than 65535 bytes) or the
// list holds more than 100 macros. A delay above 40000 ms is sent as 40000 ms.
std::vector<uint8_t> EncodeMacroMemory(std::span<const MacroRecord> macros, bool with_names);

// The macros of a block read from the keyboard, renumbered: id = position + 1,
// new mark 0, delays in whole 10 ms, names from the block or, without one (or
// with one that is empty up to its NUL), `name_prefix` followed by position + 1
// ("Macro1"). A block without the magic
// word holds no macros (an empty list). Fails (nullopt, reason in `error`)
// when the block says more than it holds: more than 100 macros or 2000
// actions, an offset, action list or name past its end.
std::optional<std::vector<MacroRecord>> DecodeMacroMemory(std::span<const uint8_t> block,
                                                          std::string_view name_prefix,
                                                          std::string* error = nullptr);

// The smallest id 1..100 that no macro of the list carries; 0 when all are used.
int NewMacroId(std::span<const MacroRecord> macros);
// The 0-based position of the record with that id; 0 when none carries it.
int MacroPositionFromId(std::span<const MacroRecord> macros, int id);

}  // namespace quovex
