#include "hidserv/report_trace.h"

#include <cerrno>
#include <cstring>

#include "sim/hex.h"

namespace quovex::hidserv {

bool ReportTrace::Open(const std::string& path, std::string* error) {
    Close();
    if (path.empty()) return true;
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        if (error != nullptr) *error = "cannot open the trace file " + path + ": " + std::strerror(errno);
        return false;
    }
    std::lock_guard lock(mutex_);
    file_ = file;
    open_ = true;
    return true;
}

void ReportTrace::Close() {
    std::lock_guard lock(mutex_);
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    open_ = false;
}

void ReportTrace::Note(std::string_view word) {
    if (open_) Write("! " + std::string(word) + "\n");
}

void ReportTrace::Line(char mark, std::span<const uint8_t> report) {
    if (open_) Write(std::string{mark, ' '} + sim::ToHex(report) + "\n");
}

void ReportTrace::Write(const std::string& line) {
    std::lock_guard lock(mutex_);
    if (file_ == nullptr) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

}  // namespace quovex::hidserv
