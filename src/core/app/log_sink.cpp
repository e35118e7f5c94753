#include "app/log_sink.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace quovex {

void StandardErrorLog::WriteLine(std::string_view line) {
    static std::mutex mutex;
    const std::string text = "quovex: " + std::string(line) + "\n";
    std::lock_guard lock(mutex);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace quovex
