// A run-time trace of the keyboard traffic, one line per report, appended to a
// file named by an environment variable (QUOVEX_SIM_TRACE for the virtual
// keyboard, QUOVEX_HIDSERV_TRACE for the real one):
//   "> " and the report in hex   a command report the keyboard received
//   "< " and the report in hex   an answer the keyboard sent
//   "! " and a word              an event, attach or detach, a status word...
// Closed, it costs nothing. Lines are written whole and flushed at once, so the
// trace of a run that crashes is complete up to the crash.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

namespace quovex::hidserv {

class ReportTrace {
public:
    ~ReportTrace() { Close(); }

    // Opens `path` for appending; an empty path closes the trace.
    bool Open(const std::string& path, std::string* error);
    void Close();

    void ToKeyboard(std::span<const uint8_t> report) { Line('>', report); }
    void FromKeyboard(std::span<const uint8_t> report) { Line('<', report); }
    void Note(std::string_view word);

private:
    void Line(char mark, std::span<const uint8_t> report);
    void Write(const std::string& line);

    std::mutex mutex_;
    std::FILE* file_ = nullptr;
    std::atomic<bool> open_{false};  // lets a closed trace skip formatting
};

}  // namespace quovex::hidserv
