#include "cli/help.h"

#include <algorithm>
#include <sstream>

#include "cli/exit_status.h"
#include "cli/grammar.h"

namespace quovex::cli {
namespace {

std::string OptionSynopsis(const OptionDeclaration& option) {
    std::string text(option.name);
    if (option.value == OptionValue::kOptional) text += "[=" + std::string(option.value_name) + "]";
    return text;
}

std::string CommandSynopsis(const CommandDeclaration& command) {
    std::string text(command.name);
    for (std::string_view operand : command.operands) text += " " + std::string(operand);
    return text;
}

void WriteColumns(std::ostringstream& out, const std::string& left, std::string_view right, size_t width) {
    out << "  " << left << std::string(width - left.size() + 2, ' ') << right << '\n';
}

}  // namespace

std::string HelpText() {
    std::ostringstream out;
    out << "Usage: " << kProgramName << " [OPTIONS] COMMAND [OPERANDS]\n\n"
        << "Configures the 0C45:5004 RGB gaming keyboard.\n\nCommands:\n";
    size_t width = 0;
    for (const CommandDeclaration& command : Commands())
        width = std::max(width, CommandSynopsis(command).size());
    for (const OptionDeclaration& option : GlobalOptions())
        width = std::max(width, OptionSynopsis(option).size());
    for (const CommandDeclaration& command : Commands())
        WriteColumns(out, CommandSynopsis(command), command.summary, width);
    out << "\nOptions:\n";
    for (const OptionDeclaration& option : GlobalOptions())
        WriteColumns(out, OptionSynopsis(option), option.help, width);
    out << "\nExit status:\n"
        << "  " << kExitDone << "  done\n"
        << "  " << kExitKeyboardFailed << "  the keyboard refused the command or did not answer\n"
        << "  " << kExitUsage << "  the command line is wrong\n"
        << "  " << kExitFileProblem << "  a file could not be read or written\n"
        << "  " << kExitStartupFailed
        << "  the HID service library (libHidServ.so) is missing or did not start\n";
    return out.str();
}

}  // namespace quovex::cli
