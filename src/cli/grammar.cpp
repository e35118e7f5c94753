#include "cli/grammar.h"

#include <algorithm>

#include "cli/commands/info_command.h"

namespace quovex::cli {
namespace {

constexpr OptionSpec kGlobalOptions[] = {
    {kOptionSimulate, OptionValue::kOptional, "FILE",
     "use the virtual keyboard instead of a real one; with FILE, keep its memories in FILE"},
    {kOptionYes, OptionValue::kNone, "", "answer yes to every confirmation"},
    {kOptionJson, OptionValue::kNone, "", "print the result as JSON"},
    {kOptionHelp, OptionValue::kNone, "", "show this help and exit"},
    {kOptionVersion, OptionValue::kNone, "", "show the version and exit"},
};

const CommandSpec kCommands[] = {
    {"info", {},
     "show whether the keyboard is present, its current on-board profile, macro memory size and lighting modes",
     &MakeInfoCommand},
};

}  // namespace

std::span<const OptionSpec> GlobalOptions() { return kGlobalOptions; }

std::span<const CommandSpec> Commands() { return kCommands; }

const OptionSpec* FindOption(std::string_view name) {
    const auto found = std::ranges::find(kGlobalOptions, name, &OptionSpec::name);
    return found != std::end(kGlobalOptions) ? &*found : nullptr;
}

const CommandSpec* FindCommand(std::string_view name) {
    const auto found = std::ranges::find(kCommands, name, &CommandSpec::name);
    return found != std::end(kCommands) ? &*found : nullptr;
}

}  // namespace quovex::cli
