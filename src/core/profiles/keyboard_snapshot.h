// The snapshot: a profile file built from what the keyboard holds, the key
// maps of its three on-board profiles and its macro memory.
#pragma once

#include <filesystem>

namespace quovex {

struct ProfileServices;

// Reads the three key maps and the macro memory, then writes a profile file
// at `path` (atomically): the key maps decoded against the default map into
// profile blocks 0..2, block 3 zero, the macros decoded from the macro memory
// (none when its first word is not 0x55AA), no strings; program and text
// assignments come back without their text. 1 on success; 0 when a read
// fails, the macro memory cannot be decoded or the file cannot be written, and
// the file at `path` is then left as it was. Runs without the profile lock.
int SnapshotKeyboardToFile(ProfileServices& services, const std::filesystem::path& path);

}  // namespace quovex
