#include "update/program_launcher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <thread>

extern char** environ;

namespace quovex {

bool SpawnedProgramLauncher::StartProgram(const std::filesystem::path& program) {
    std::string file = program.string();
    char* argv[] = {file.data(), nullptr};
    pid_t child = 0;
    // glibc reports a failed exec as the result of posix_spawn itself.
    if (::posix_spawn(&child, file.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    std::thread([child] {
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}  // namespace quovex
