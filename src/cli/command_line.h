// Parsing quovexctl's arguments against the grammar. Global options may stand
// before or after the command; "--" ends the options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quovex::cli {

struct CommandDeclaration;

struct GlobalOptionValues {
    bool simulate = false;
    std::optional<std::string> simulate_state_file;  // --simulate=FILE
    bool yes = false;
    bool json = false;
    bool help = false;
    bool version = false;
};

struct CommandLine {
    GlobalOptionValues options;
    const CommandDeclaration* command = nullptr;  // null only with --help or --version
    std::vector<std::string> operands;
};

struct ParseResult {
    std::optional<CommandLine> command_line;
    std::string error;  // one line, set when command_line is empty
};

// `arguments` excludes the program name.
ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quovex::cli
