// The program folder: the folder of the running executable, where
// libHidServ.so and the program's data folders lie.
#pragma once

#include <filesystem>

namespace quovex {

// Read from /proc/self/exe; empty when that link cannot be read.
std::filesystem::path ProgramFolder();

}  // namespace quovex
