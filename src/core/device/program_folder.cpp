#include "device/program_folder.h"

#include <system_error>

namespace quovex {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return executable.parent_path();
}

}  // namespace quovex
