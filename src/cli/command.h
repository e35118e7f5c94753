// One quovexctl command: it runs with the parsed command line and the ways to
// reach the keyboard and the terminal, and returns an exit status (exit_status.h).
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace quovex::cli {

class KeyboardSession;

// Binds the HID service library and opens the link; on failure returns null
// and sets the error to one line.
using KeyboardOpener = std::function<std::unique_ptr<KeyboardSession>(std::string* error)>;

struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    const GlobalOptionValues& options;
    const std::vector<std::string>& operands;
    const KeyboardOpener& open_keyboard;
};

class Command {
public:
    virtual ~Command() = default;
    virtual int Run(CommandContext& context) = 0;
};

}  // namespace quovex::cli
