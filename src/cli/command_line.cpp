#include "cli/command_line.h"

#include "cli/grammar.h"

namespace quovex::cli {
namespace {

// Stores one recognised option; returns an error text, or empty.
std::string ApplyOption(const OptionDeclaration& option, const std::optional<std::string>& value,
                        GlobalOptionValues& options) {
    if (option.value == OptionValue::kNone && value) {
        return "option '" + std::string(option.name) + "' takes no value";
    }
    if (value && value->empty()) {
        return "option '" + std::string(option.name) + "=' needs a " + std::string(option.value_name);
    }
    if (option.name == kOptionSimulate) {
        options.simulate = true;
        options.simulate_state_file = value;
    } else if (option.name == kOptionYes) {
        options.yes = true;
    } else if (option.name == kOptionJson) {
        options.json = true;
    } else if (option.name == kOptionHelp) {
        options.help = true;
    } else if (option.name == kOptionVersion) {
        options.version = true;
    }
    return {};
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> words;
    bool options_ended = false;
    for (const std::string& argument : arguments) {
        if (!options_ended && argument == "--") {
            options_ended = true;
            continue;
        }
        if (options_ended || argument.size() < 2 || argument[0] != '-') {
            words.push_back(argument);
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) value = argument.substr(equals + 1);
        const OptionDeclaration* option = FindOption(name);
        if (option == nullptr) return {std::nullopt, "unknown option '" + argument + "'"};
        if (std::string error = ApplyOption(*option, value, line.options); !error.empty()) {
            return {std::nullopt, error};
        }
    }

    if (words.empty()) {
        if (line.options.help || line.options.version) return {line, {}};
        return {std::nullopt, "no command given"};
    }
    line.command = FindCommand(words.front());
    if (line.command == nullptr) return {std::nullopt, "unknown command '" + words.front() + "'"};
    line.operands.assign(words.begin() + 1, words.end());
    const size_t wanted = line.command->operands.size();
    if (line.operands.size() != wanted) {
        return {std::nullopt,
                "'" + std::string(line.command->name) + "' takes " +
                    (wanted == 0 ? std::string("no operands")
                                 : std::to_string(wanted) + " operand" + (wanted == 1 ? "" : "s")) +
                    ", not " + std::to_string(line.operands.size())};
    }
    return {line, {}};
}

}  // namespace quovex::cli
