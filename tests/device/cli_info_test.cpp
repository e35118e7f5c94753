// quovexctl info in-process, against the fake HID service: what it prints
// and the exit status, for a keyboard present, absent, silent, and no library.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/exit_status.h"
#include "cli/keyboard_session.h"
#include "cli/quovexctl.h"
#include "support/fake_hidserv.h"

namespace quovex::cli {
namespace {

using namespace std::chrono_literals;
using quovex::testing::FakeHidServ;
using quovex::testing::FakeReply;
using quovex::testing::Report;

// State block as the keyboard answers it: profile byte 10 = 1 (shown as 2),
// 32 units of macro memory, a mode list with a gap.
void AnswerState(const Report& request, Report& answer) {
    if (request[3] != 0x03) return;
    answer[8 + 10] = 1;
    answer[8 + 11] = 32;
    const uint8_t modes[] = {1, 2, 0, 3, 20};
    std::copy(std::begin(modes), std::end(modes), answer.begin() + 8 + 12);
}

class CliInfoTest : public ::testing::Test {
protected:
    void SetUp() override { fake.SetResponder(AnswerState); }

    int Run(std::vector<std::string> arguments) {
        const KeyboardOpener open = [this](std::string*) {
            return std::make_unique<KeyboardSession>(std::make_unique<HidServLibrary>(fake.EntryPoints()),
                                                     DeviceLinkTiming{100ms, 1ms});
        };
        return RunQuovexctl(arguments, out, err, open);
    }

    FakeHidServ fake;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliInfoTest, PrintsTheKeyboardsStateForPeople) {
    EXPECT_EQ(Run({"info"}), kExitDone);
    EXPECT_EQ(out.str(),
              "Keyboards present: 1\n"
              "Current on-board profile: 2\n"
              "Macro memory size: 4096 bytes\n"
              "Lighting modes: 1, 2, 3, 20\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(CliInfoTest, PrintsTheKeyboardsStateAsJson) {
    EXPECT_EQ(Run({"info", "--json"}), kExitDone);
    EXPECT_EQ(out.str(),
              R"({"keyboards":1,"current_profile":2,"macro_memory_bytes":4096,"lighting_modes":[1,2,3,20]})"
              "\n");
}

TEST_F(CliInfoTest, ProfileByteOutOfRangeIsShownAsUnknown) {
    fake.SetResponder([](const Report&, Report& answer) { answer[8 + 10] = 7; });
    EXPECT_EQ(Run({"info"}), kExitDone);
    EXPECT_NE(out.str().find("Current on-board profile: unknown (the keyboard reports 7)\n"),
              std::string::npos);
    EXPECT_NE(out.str().find("Lighting modes: none\n"), std::string::npos);
    out.str("");
    EXPECT_EQ(Run({"--json", "info"}), kExitDone);
    EXPECT_NE(out.str().find(R"("current_profile":null)"), std::string::npos);
}

TEST_F(CliInfoTest, NoKeyboardIsSaidPlainlyAndIsNotAFailure) {
    fake.SetDeviceCount(0);
    EXPECT_EQ(Run({"info"}), kExitDone);
    EXPECT_EQ(out.str(), "Keyboards present: 0\nNo keyboard is present.\n");
    out.str("");
    EXPECT_EQ(Run({"info", "--json"}), kExitDone);
    EXPECT_EQ(out.str(), "{\"keyboards\":0}\n");
    EXPECT_TRUE(fake.Reports().empty());
}

TEST_F(CliInfoTest, SilentKeyboardFailsWithTheResultCodeAndItsMeaning) {
    fake.SetDefaultStep({FakeReply::kSilent});
    EXPECT_EQ(Run({"info"}), kExitKeyboardFailed);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(
        err.str(),
        "quovexctl: info: cannot read the keyboard's state: result -2 (the keyboard gave no answer with the "
        "right command echo after three tries)\n");
}

TEST_F(CliInfoTest, UsageErrorsTouchNoKeyboard) {
    EXPECT_EQ(Run({"info", "now"}), kExitUsage);
    EXPECT_EQ(err.str(), "quovexctl: 'info' takes no operands, not 1\nTry 'quovexctl --help'.\n");
    EXPECT_TRUE(fake.ChannelOpenings().empty());
}

TEST(CliStartupTest, MissingOrBrokenLibraryIsOneLineAndExitFour) {
    const std::filesystem::path broken = QUOVEX_BROKEN_HIDSERV_DIR;
    const std::filesystem::path empty = ::testing::TempDir() + "/quovexctl-no-library";
    std::filesystem::create_directories(empty);
    for (const auto& folder : {empty, broken / "missing_entry_point", broken / "init_fails"}) {
        SCOPED_TRACE(folder);
        std::ostringstream out, err;
        const KeyboardOpener open = [&folder](std::string* error) {
            return OpenKeyboardSession(folder, error);
        };
        EXPECT_EQ(RunQuovexctl({"info"}, out, err, open), kExitStartupFailed);
        EXPECT_EQ(out.str(), "");
        const std::string line = err.str();
        EXPECT_TRUE(line.starts_with("quovexctl: ")) << line;
        EXPECT_NE(line.find((folder / "libHidServ.so").string()), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), line.size() - 1) << "exactly one line";
    }
}

}  // namespace
}  // namespace quovex::cli
