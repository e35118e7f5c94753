// The profile folder (documents folder/Gaming Keyboard) and the working file
// in it: one file, "$Profile0", holds the key maps of all three on-board
// profiles and every macro, so it serves every profile.
#pragma once

#include <filesystem>

#include "app/application_paths.h"
#include "app/lighting_hooks.h"

namespace quovex {

inline constexpr int kProfileCount = 3;

// Creates the profile folder (and the documents folder above it) when it is
// missing, then seeds the colour presets into it; an existing folder is left
// as it is and nothing is seeded. True when the folder exists afterwards.
bool EnsureProfileFolder(const ApplicationPaths& paths, const LightingHooks& lighting);

// The working file's name, made by the format "$Profile%d" filled with 0:
// "$Profile0", the same for every `profile`.
std::filesystem::path GetProfileFileName(int profile);

// The working file: profile folder/"$Profile0", the same for every `profile`.
// Empty when the profile folder is unknown.
std::filesystem::path GetProfilePath(const ApplicationPaths& paths, int profile);

// The number of on-board profiles: bounds the profile menu and the profile list.
constexpr int GetProfileCount() {
    return kProfileCount;
}

}  // namespace quovex
