// Replacing a file so that a reader sees either the old or the new content,
// never a half-written one: write a temporary file in the same folder, flush it
// to disk, rename it over the target.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quovex::sim {

// False, with a one-line reason in `error` (may be null), when any step failed;
// the old file is then untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content, std::string* error);

}  // namespace quovex::sim
