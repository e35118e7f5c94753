#include "hidserv/diagnostics.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quovex::hidserv {
namespace {

int InitialLevel() {
    const char* value = std::getenv("QUOVEX_HIDSERV_DEBUG");
    return value != nullptr ? std::atoi(value) : 0;
}

std::atomic<int>& Level() {
    static std::atomic<int> level{InitialLevel()};
    return level;
}

}  // namespace

void Diagnose(DiagnosticLevel level, std::string_view message) {
    if (static_cast<int>(level) > Level().load()) return;
    // One write per line, so that lines of two threads do not interleave.
    const std::string line = "libHidServ: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

int SetDiagnosticLevel(int level) {
    return Level().exchange(level);
}

}  // namespace quovex::hidserv
