// The program's log: one line for each thing that went wrong where no message
// is shown to the user (a refused profile row, a file that could not be
// written, a keyboard read that failed). The GUI sends the lines to its log,
// the command line and the default sink to standard error, tests record them.
#pragma once

#include <string_view>

namespace quovex {

class LogSink {
public:
    virtual ~LogSink() = default;
    // May be called from any thread.
    virtual void WriteLine(std::string_view line) = 0;
};

// Writes "quovex: <line>" to standard error.
class StandardErrorLog : public LogSink {
public:
    void WriteLine(std::string_view line) override;
};

}  // namespace quovex
