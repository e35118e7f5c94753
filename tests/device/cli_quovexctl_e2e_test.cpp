// The quovexctl program run as a user runs it: against the virtual keyboard
// with a prepared state file, and from a folder without libHidServ.so.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exit_status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class QuovexctlTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quovexctl-e2e-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs `program arguments` with a clean environment for the library.
    Outcome Run(const fs::path& program, const std::string& arguments) {
        const fs::path out = folder / "stdout", err = folder / "stderr";
        const std::string command = "env -u QUOVEX_DEVICE -u QUOVEX_SIM_STATE -u QUOVEX_SIM_TRACE '" +
                                    program.string() + "' " + arguments + " >'" + out.string() + "' 2>'" +
                                    err.string() + "'";
        const int status = std::system(command.c_str());
        Outcome outcome;
        outcome.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.out = ReadFile(out);
        outcome.err = ReadFile(err);
        return outcome;
    }

    fs::path WriteStateFile(const std::string& json) {
        const fs::path path = folder / "virtual-keyboard.json";
        std::ofstream(path) << json;
        return path;
    }

    const fs::path quovexctl = fs::path(QUOVEX_PROGRAM_DIR) / "quovexctl";
    fs::path folder;
};

TEST_F(QuovexctlTest, InfoShowsTheVirtualKeyboardsState) {
    // Profile byte 2 (shown as 3), 16 units of macro memory, modes 5 and 20 with a gap.
    const fs::path state = WriteStateFile(
        R"({"present": true, "state": "0000000000000000000002100500140000000000000000000000000000000000000000000000000000000000"})");
    const Outcome text = Run(quovexctl, "--simulate='" + state.string() + "' info");
    EXPECT_EQ(text.exit_status, 0) << text.err;
    EXPECT_EQ(text.out,
              "Keyboards present: 1\n"
              "Current on-board profile: 3\n"
              "Macro memory size: 2048 bytes\n"
              "Lighting modes: 5, 20\n");
    EXPECT_EQ(text.err, "");

    const Outcome json = Run(quovexctl, "info --json --simulate='" + state.string() + "'");
    EXPECT_EQ(json.exit_status, 0) << json.err;
    EXPECT_EQ(json.out,
              R"({"keyboards":1,"current_profile":3,"macro_memory_bytes":2048,"lighting_modes":[5,20]})"
              "\n");
}

TEST_F(QuovexctlTest, InfoWithoutAKeyboardSaysSoAndSucceeds) {
    const fs::path state = WriteStateFile(R"({"present": false})");
    const Outcome outcome = Run(quovexctl, "--simulate='" + state.string() + "' info");
    EXPECT_EQ(outcome.exit_status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "Keyboards present: 0\nNo keyboard is present.\n");
}

TEST_F(QuovexctlTest, KeyboardErrorsExitOneAndNameTheResult) {
    const fs::path state = WriteStateFile(R"({"present": true, "faults": {"error": 3}})");
    const Outcome outcome = Run(quovexctl, "--simulate='" + state.string() + "' info");
    EXPECT_EQ(outcome.exit_status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(
        outcome.err,
        "quovexctl: info: cannot read the keyboard's state: result -102 (the keyboard reported an error "
        "(status 0xFF))\n");
}

TEST_F(QuovexctlTest, MissingLibraryIsOneLineOnStandardErrorAndExitFour) {
    const fs::path lonely = folder / "quovexctl";
    fs::copy_file(quovexctl, lonely);
    const Outcome outcome = Run(lonely, "--simulate info");
    EXPECT_EQ(outcome.exit_status, 4);
    EXPECT_EQ(outcome.out, "");
    const std::string says =
        "quovexctl: cannot load the HID service library " + (folder / "libHidServ.so").string();
    EXPECT_EQ(outcome.err.substr(0, says.size()), says);
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << "exactly one line";
}

TEST_F(QuovexctlTest, UsageErrorsExitTwo) {
    const Outcome outcome = Run(quovexctl, "info --frob");
    EXPECT_EQ(outcome.exit_status, 2);
    EXPECT_EQ(outcome.err, "quovexctl: unknown option '--frob'\nTry 'quovexctl --help'.\n");
}

}  // namespace
