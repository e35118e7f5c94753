#include "cli/quovexctl.h"

#include <cstdlib>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/grammar.h"
#include "cli/help.h"

namespace quovex::cli {
namespace {

// The HID service library picks its transport from these when it starts, so
// they are set before any command binds it.
void SelectVirtualKeyboard(const GlobalOptionValues& options) {
    if (!options.simulate) return;
    setenv("QUOVEX_DEVICE", "sim", 1);
    if (options.simulate_state_file) setenv("QUOVEX_SIM_STATE", options.simulate_state_file->c_str(), 1);
}

}  // namespace

int RunQuovexctl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const KeyboardOpener& open_keyboard) {
    const ParseResult parsed = ParseCommandLine(arguments);
    if (!parsed.command_line) {
        err << kProgramName << ": " << parsed.error << "\nTry '" << kProgramName << " --help'.\n";
        return kExitUsage;
    }
    const CommandLine& line = *parsed.command_line;
    if (line.options.help) {
        out << HelpText();
        return kExitDone;
    }
    if (line.options.version) {
        out << kProgramName << ' ' << QUOVEX_VERSION << '\n';
        return kExitDone;
    }

    SelectVirtualKeyboard(line.options);
    CommandContext context{out, err, line.options, line.operands, open_keyboard};
    return line.command->create()->Run(context);
}

}  // namespace quovex::cli
