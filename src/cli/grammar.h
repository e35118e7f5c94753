// quovexctl's grammar: the global options and the commands with their
// operands. The parser and --help both read these tables, so they cannot
// disagree.
#pragma once

#include <memory>
#include <span>
#include <string_view>

namespace quovex::cli {

class Command;

enum class OptionValue {
    kNone,      // --name
    kOptional,  // --name or --name=VALUE
};

struct OptionDeclaration {
    std::string_view name;  // with its leading dashes
    OptionValue value;
    std::string_view value_name;  // for the help text
    std::string_view help;
};

struct CommandDeclaration {
    std::string_view name;
    std::span<const std::string_view> operands;  // names for the help text; all required
    std::string_view summary;
    std::unique_ptr<Command> (*create)();
};

inline constexpr std::string_view kProgramName = "quovexctl";

inline constexpr std::string_view kOptionSimulate = "--simulate";
inline constexpr std::string_view kOptionYes = "--yes";
inline constexpr std::string_view kOptionJson = "--json";
inline constexpr std::string_view kOptionHelp = "--help";
inline constexpr std::string_view kOptionVersion = "--version";

std::span<const OptionDeclaration> GlobalOptions();
std::span<const CommandDeclaration> Commands();

const OptionDeclaration* FindOption(std::string_view name);
const CommandDeclaration* FindCommand(std::string_view name);

}  // namespace quovex::cli
