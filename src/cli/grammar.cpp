#include "cli/grammar.h"

#include <algorithm>

#include "cli/commands/info_command.h"

namespace quovex::cli {
namespace {

constexpr OptionDeclaration kGlobalOptions[] = {
    {kOptionSimulate, OptionValue::kOptional, "FILE",
     "use the virtual keyboard instead of a real one; with FILE, keep its memories in FILE"},
    {kOptionYes, OptionValue::kNone, "", "answer yes to every confirmation"},
    {kOptionJson, OptionValue::kNone, "", "print the result as JSON"},
    {kOptionHelp, OptionValue::kNone, "", "show this help and exit"},
    {kOptionVersion, OptionValue::kNone, "", "show the version and exit"},
};

const CommandDeclaration kCommands[] = {
    {"info",
     {},
     "show whether the keyboard is present, its current on-board profile, macro memory size and lighting "
     "modes",
     &MakeInfoCommand},
};

}  // namespace

std::span<const OptionDeclaration> GlobalOptions() {
    return kGlobalOptions;
}

std::span<const CommandDeclaration> Commands() {
    return kCommands;
}

const OptionDeclaration* FindOption(std::string_view name) {
    const auto found = std::ranges::find(kGlobalOptions, name, &OptionDeclaration::name);
    return found != std::end(kGlobalOptions) ? &*found : nullptr;
}

const CommandDeclaration* FindCommand(std::string_view name) {
    const auto found = std::ranges::find(kCommands, name, &CommandDeclaration::name);
    return found != std::end(kCommands) ? &*found : nullptr;
}

}  // namespace quovex::cli
