// The virtual keyboard's state file: the exact JSON form, the round trip, and
// what a partial or corrupt file gives (factory values for what could not be
// read, a problem line naming the field, a copy of the file kept, no crash).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <regex>
#include <string>

#include "sim/hex.h"
#include "sim/state_file.h"
#include "sim_test_support.h"

namespace quovex::sim {
namespace {

namespace fs = std::filesystem;

using testing::ReadText;
using testing::TemporaryFolder;

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

KeyboardState ChangedState() {
    KeyboardState state = FactoryState();
    state.present = false;
    state.bank = 1;
    state.memories.state[10] = 2;
    state.memories.state[11] = 2;  // 256 bytes of macro memory
    state.memories.macros.assign(256, 0);
    for (Memory memory : {Memory::kKeyMaps, Memory::kDefaultKeyMap, Memory::kMacros, Memory::kLighting,
                          Memory::kKeyColours}) {
        std::span<uint8_t> bytes = state.memories.Bytes(memory);
        std::iota(bytes.begin(), bytes.end(), static_cast<uint8_t>(memory) * 17);
    }
    state.latency_ms = 7;
    state.faults = {.no_answer = 1, .wrong_echo = 2, .busy = 3, .error = 4};
    return state;
}

TEST(SimStateFile, RoundTripKeepsEveryField) {
    const KeyboardState state = ChangedState();
    const LoadedState loaded = ParseStateText(FormatStateText(state));
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_EQ(loaded.state, state);
}

TEST(SimStateFile, FieldsInOrderWithLowerCaseHex) {
    const std::string text = FormatStateText(ChangedState());
    size_t position = 0;
    for (const char* field :
         {"\"present\": false", "\"bank\": 1", "\"state\": \"", "\"keymaps\": \"", "\"default_keymap\": \"",
          "\"macro_memory\": \"", "\"lighting\": \"", "\"key_colours\": \"", "\"latency_ms\": 7",
          "\"faults\": {", "\"no_answer\": 1", "\"wrong_echo\": 2", "\"busy\": 3", "\"error\": 4"}) {
        SCOPED_TRACE(field);
        const size_t found = text.find(field, position);
        ASSERT_NE(found, std::string::npos);
        position = found;
    }
    std::smatch match;
    const std::string state_field = "\"state\": \"" + ToHex(ChangedState().memories.state) + "\"";
    EXPECT_NE(text.find(state_field), std::string::npos);
    EXPECT_FALSE(std::regex_search(text, match, std::regex("\"[0-9a-fA-F]*[A-F][0-9a-fA-F]*\"")))
        << "upper-case hex: " << match.str();
}

TEST(SimStateFile, MissingFieldsTakeFactoryValues) {
    LoadedState loaded = ParseStateText("{}");
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_EQ(loaded.state, FactoryState());

    loaded = ParseStateText(R"({"present": false, "bank": 1})");
    EXPECT_TRUE(loaded.problems.empty());
    KeyboardState expected = FactoryState();
    expected.present = false;
    expected.bank = 1;
    EXPECT_EQ(loaded.state, expected);
}

TEST(SimStateFile, UpperCaseHexAndPresenceAsNumberAreRead) {
    const LoadedState loaded =
        ParseStateText(R"({"present": 0, "lighting": ")" + std::string(256, 'A') + "\"}");
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_FALSE(loaded.state.present);
    EXPECT_EQ(loaded.state.memories.lighting[127], 0xAA);
}

struct CorruptCase {
    const char* name;
    std::string text;
    const char* problem;  // a part of the one problem line expected
    // What must have been read anyway (factory state changed by the readable parts).
    std::function<void(KeyboardState&)> readable;
};

TEST(SimStateFile, CorruptFieldsAreReportedAndTakeFactoryValues) {
    const CorruptCase cases[] = {
        {"not JSON", "{\"present\": tru", "not JSON", {}},
        {"empty file", "", "not JSON", {}},
        {"not an object", "[1, 2]", "not a JSON object", {}},
        {"bytes not a string", R"({"state": 5, "bank": 1})", "\"state\" is not a string",
         [](KeyboardState& state) { state.bank = 1; }},
        {"odd number of digits", R"({"state": "abc"})", "\"state\" is not hex", {}},
        {"not a hex digit", R"({"lighting": "zz"})", "\"lighting\" is not hex", {}},
        {"short bytes keep the rest", R"({"state": "0102"})", "holds 2 bytes, expected 44",
         [](KeyboardState& state) {
             state.memories.state[0] = 1;
             state.memories.state[1] = 2;
         }},
        {"long bytes drop the rest", R"({"key_colours": ")" + std::string(1537 * 2, '1') + "\"}",
         "holds 1537 bytes, expected 1536",
         [](KeyboardState& state) { state.memories.key_colours.fill(0x11); }},
        {"bank out of range", R"({"bank": 2})", "\"bank\" is not a whole number from 0 to 1", {}},
        {"negative bank", R"({"bank": -1})", "\"bank\" is not a whole number", {}},
        {"present as text", R"({"present": "yes"})", "\"present\" is not true, false, 1 or 0", {}},
        {"latency too long",
         R"({"latency_ms": 1000000})",
         "\"latency_ms\" is not a whole number from 0 to 60000",
         {}},
        {"latency as fraction", R"({"latency_ms": 1.5})", "\"latency_ms\"", {}},
        {"faults not an object", R"({"faults": [1]})", "\"faults\" is not an object", {}},
        {"fault counter as text", R"({"faults": {"busy": "x", "error": 2}})",
         "\"busy\" is not a whole number", [](KeyboardState& state) { state.faults.error = 2; }},
        {"fault counter too large",
         R"({"faults": {"busy": 4294967296}})",
         "\"busy\" is not a whole number",
         {}},
        {"unknown fault", R"({"faults": {"slow": 1}})", "\"faults.slow\" is not a known fault", {}},
        {"unknown field", R"({"colour": 1, "bank": 1})", "\"colour\" is not a known field",
         [](KeyboardState& state) { state.bank = 1; }},
        {"macro memory sized by the file's state block",
         R"({"state": ")" + std::string(22, '0') + "01" + std::string(64, '0') + R"(", "macro_memory": ")" +
             std::string(129 * 2, 'f') + "\"}",
         "\"macro_memory\" holds 129 bytes, expected 128",
         [](KeyboardState& state) {
             state.memories.state.fill(0);
             state.memories.state[11] = 1;
             state.memories.macros.assign(128, 0xFF);
         }},
    };
    for (const CorruptCase& test : cases) {
        SCOPED_TRACE(test.name);
        const LoadedState loaded = ParseStateText(test.text);
        ASSERT_EQ(loaded.problems.size(), 1u);
        EXPECT_NE(loaded.problems[0].find(test.problem), std::string::npos) << loaded.problems[0];
        KeyboardState expected = FactoryState();
        if (test.readable) test.readable(expected);
        EXPECT_EQ(loaded.state, expected);
    }
}

TEST(SimStateFile, MissingFileIsTheFactoryState) {
    TemporaryFolder folder;
    const LoadedState loaded = LoadStateFile(folder.Path() / "none.json");
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_FALSE(loaded.kept_copy);
    EXPECT_EQ(loaded.state, FactoryState());
}

TEST(SimStateFile, UnreadableFileIsKeptBeforeItIsReplaced) {
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "keyboard.json";
    WriteText(path, "{\"bank\": 1, \"state\": \"xy\"}");
    const LoadedState loaded = LoadStateFile(path);
    ASSERT_EQ(loaded.problems.size(), 1u);
    EXPECT_EQ(loaded.state.bank, 1);
    ASSERT_TRUE(loaded.kept_copy);
    EXPECT_EQ(ReadText(*loaded.kept_copy), "{\"bank\": 1, \"state\": \"xy\"}");
}

TEST(SimStateFile, OversizedFileIsNotRead) {
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "keyboard.json";
    WriteText(path, "{\"bank\": 1}" + std::string(kMaxStateFileSize, ' '));
    const LoadedState loaded = LoadStateFile(path);
    ASSERT_EQ(loaded.problems.size(), 1u);
    EXPECT_NE(loaded.problems[0].find("larger than"), std::string::npos);
    EXPECT_EQ(loaded.state, FactoryState());
}

TEST(SimStateFile, SaveReplacesTheFileAndLeavesNothingElse) {
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "keyboard.json";
    WriteText(path, "old");
    std::string error;
    ASSERT_TRUE(SaveStateFile(path, ChangedState(), &error)) << error;
    EXPECT_EQ(LoadStateFile(path).state, ChangedState());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(SimStateFile, SaveIntoAMissingFolderFailsWithAReason) {
    TemporaryFolder folder;
    std::string error;
    EXPECT_FALSE(SaveStateFile(folder.Path() / "no" / "keyboard.json", FactoryState(), &error));
    EXPECT_NE(error.find("no/keyboard.json"), std::string::npos) << error;
}

}  // namespace
}  // namespace quovex::sim
