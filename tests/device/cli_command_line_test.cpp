// quovexctl's parser and help against its grammar.
#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "cli/grammar.h"
#include "cli/help.h"

namespace quovex::cli {
namespace {

TEST(CliCommandLineTest, ParsesGlobalOptionsAroundTheCommand) {
    const struct {
        std::vector<std::string> arguments;
        bool simulate;
        std::optional<std::string> state_file;
        bool json, yes;
    } cases[] = {
        {{"info"}, false, std::nullopt, false, false},
        {{"--simulate", "info"}, true, std::nullopt, false, false},
        {{"--simulate=build/vk.json", "info"}, true, "build/vk.json", false, false},
        {{"info", "--json", "--yes"}, false, std::nullopt, true, true},
        {{"--json", "--", "info"}, false, std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const ParseResult parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(parsed.command_line) << parsed.error;
        EXPECT_EQ(parsed.command_line->command, FindCommand("info"));
        EXPECT_EQ(parsed.command_line->options.simulate, c.simulate);
        EXPECT_EQ(parsed.command_line->options.simulate_state_file, c.state_file);
        EXPECT_EQ(parsed.command_line->options.json, c.json);
        EXPECT_EQ(parsed.command_line->options.yes, c.yes);
    }
}

TEST(CliCommandLineTest, RefusesWhatTheGrammarDoesNotAllow) {
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{}, "no command given"},
        {{"--json"}, "no command given"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"info", "extra"}, "'info' takes no operands, not 1"},
        {{"--simulatex", "info"}, "unknown option '--simulatex'"},
        {{"--simulate=", "info"}, "option '--simulate=' needs a FILE"},
        {{"--json=yes", "info"}, "option '--json' takes no value"},
        {{"-x", "info"}, "unknown option '-x'"},
        {{"--", "--json"}, "unknown command '--json'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const ParseResult parsed = ParseCommandLine(c.arguments);
        EXPECT_FALSE(parsed.command_line);
        EXPECT_EQ(parsed.error, c.error);
    }
}

TEST(CliCommandLineTest, HelpAndVersionNeedNoCommand) {
    for (const char* option : {"--help", "--version"}) {
        const ParseResult parsed = ParseCommandLine({option});
        ASSERT_TRUE(parsed.command_line) << option;
        EXPECT_EQ(parsed.command_line->command, nullptr);
    }
}

TEST(CliCommandLineTest, HelpNamesEveryCommandAndOption) {
    const std::string help = HelpText();
    for (const CommandDeclaration& command : Commands()) {
        EXPECT_NE(help.find("  " + std::string(command.name)), std::string::npos) << command.name;
        EXPECT_NE(help.find(command.summary), std::string::npos) << command.name;
    }
    for (const OptionDeclaration& option : GlobalOptions()) {
        EXPECT_NE(help.find("  " + std::string(option.name)), std::string::npos) << option.name;
        EXPECT_TRUE(FindOption(option.name) == &option);
    }
    EXPECT_NE(help.find("--simulate[=FILE]"), std::string::npos);
}

}  // namespace
}  // namespace quovex::cli
