#include "profiles/profile_folder.h"

#include <system_error>

namespace quovex {

bool EnsureProfileFolder(const ApplicationPaths& paths, const LightingHooks& lighting) {
    if (paths.profile_folder.empty()) return false;
    std::error_code ec;
    if (std::filesystem::is_directory(paths.profile_folder, ec)) return true;
    std::filesystem::create_directories(paths.profile_folder, ec);
    if (!std::filesystem::is_directory(paths.profile_folder, ec)) return false;
    lighting.SeedColourPresets();
    return true;
}

std::filesystem::path GetProfileFileName(int /*profile*/) {
    return "$Profile0";
}

std::filesystem::path GetProfilePath(const ApplicationPaths& paths, int profile) {
    if (paths.profile_folder.empty()) return {};
    return paths.profile_folder / GetProfileFileName(profile);
}

}  // namespace quovex
