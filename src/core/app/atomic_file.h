// Whole-file reads and atomic whole-file writes for user files (working file,
// INI files, presets, exports).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quovex {

// Writes `bytes` to a new temporary file in the folder of `path`, flushes it to
// disk, then renames it over `path`, so that a crash or a full disk leaves
// either the old file or the new one, never a half-written one. An existing
// file keeps its permission bits; a symbolic link is followed and its target
// replaced. On failure the old file is untouched, the temporary file removed,
// and `error` (when given) receives one line saying what failed.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                         std::string* error = nullptr);

// Reads a whole regular file. Fails (nullopt) when it is missing, cannot be
// read, is not a regular file, or is larger than `max_bytes`.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path, uint64_t max_bytes);

}  // namespace quovex
