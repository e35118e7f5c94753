// The virtual keyboard's firmware model, driven directly: factory contents, the
// answer to every command (good, bad checksum, out of range, outside an access
// group, lighting read past the end, update mode), fault counters and a cable
// pulled mid-transfer.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "sim/command_report.h"
#include "sim/factory_tables.h"
#include "sim/keyboard_firmware.h"
#include "sim_test_support.h"

namespace quovex::sim {
namespace {

using testing::MakeRequest;

std::vector<uint8_t> Pattern(size_t length, uint8_t first) {
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t offset, size_t length) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset + length)};
}

CommandReport Answer(KeyboardFirmware& keyboard, const ReportBytes& request) {
    const KeyboardFirmware::Outcome outcome = keyboard.HandleReport(request);
    EXPECT_TRUE(outcome.received);
    if (!outcome.answer) {
        ADD_FAILURE() << "no answer";
        return {};
    }
    return CommandReport::From(*outcome.answer);
}

std::vector<uint8_t> AnswerData(const CommandReport& answer, size_t length) {
    return {answer.data, answer.data + length};
}

TEST(SimFirmwareFactory, StateBlockHoldsProfileMacroSizeAndModeList) {
    const std::vector<uint8_t> state = KeyboardFirmware().ReadMemory(Memory::kState);
    std::vector<uint8_t> expected(kStateSize, 0);
    expected[11] = 32;
    const uint8_t modes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20};
    std::copy(std::begin(modes), std::end(modes), expected.begin() + 12);
    EXPECT_EQ(state, expected);
}

TEST(SimFirmwareFactory, KeyMapsAreTheDefaultKeyMap) {
    const KeyboardFirmware keyboard;
    const std::vector<uint8_t> map = keyboard.ReadMemory(Memory::kDefaultKeyMap);
    ASSERT_EQ(map.size(), kKeyMapSize);
    // Records read back against the keyboard's factory table, position by position.
    struct Record {
        size_t position;
        uint8_t kind, sub, code;
    };
    const Record records[] = {{0, 0x05, 0x00, 0x00},   {5, 0x05, 0x00, 0x00},   {6, 0x00, 0x00, 0x00},
                              {8, 0x02, 0x02, 0x29},   {12, 0x02, 0x01, 0x02},  {13, 0x02, 0x01, 0x01},
                              {21, 0x02, 0x01, 0x08},  {45, 0x02, 0x01, 0x40},  {53, 0x05, 0x02, 0x02},
                              {54, 0x02, 0x02, 0x2E},  {61, 0x02, 0x02, 0x65},  {100, 0x02, 0x01, 0x20},
                              {105, 0x02, 0x02, 0x2E}, {112, 0x03, 0xB6, 0x00}, {119, 0x00, 0x00, 0x00},
                              {120, 0x03, 0xCD, 0x00}, {125, 0x02, 0x02, 0x63}};
    for (const Record& record : records) {
        SCOPED_TRACE(record.position);
        EXPECT_EQ(Slice(map, record.position * 3, 3),
                  (std::vector<uint8_t>{record.kind, record.sub, record.code}));
    }
    const std::vector<uint8_t> maps = keyboard.ReadMemory(Memory::kKeyMaps);
    ASSERT_EQ(maps.size(), 3 * kKeyMapSize);
    for (size_t profile = 0; profile < 3; ++profile)
        EXPECT_EQ(Slice(maps, profile * kKeyMapSize, kKeyMapSize), map);
}

TEST(SimFirmwareFactory, LightingBlocksMacrosAndKeyColours) {
    const KeyboardFirmware keyboard;
    const std::vector<uint8_t> lighting = keyboard.ReadMemory(Memory::kLighting);
    ASSERT_EQ(lighting.size(), 128u);
    const std::vector<uint8_t> block = {0x01, 0x04, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,
                                        0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
                                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    for (size_t profile = 0; profile < 3; ++profile) EXPECT_EQ(Slice(lighting, profile * 42, 42), block);
    EXPECT_EQ(Slice(lighting, 126, 2), (std::vector<uint8_t>{0, 0}));
    EXPECT_EQ(keyboard.ReadMemory(Memory::kMacros), std::vector<uint8_t>(4096, 0));
    EXPECT_EQ(keyboard.ReadMemory(Memory::kKeyColours), std::vector<uint8_t>(1536, 0));
}

// The request the program sends to read the state block, byte for byte: the
// checksum 0x002F is 3 + 44. The answer echoes the header and carries the block.
TEST(SimFirmwareCommands, ReadStateFromHandWrittenBytes) {
    ReportBytes request{};
    const uint8_t header[] = {0x04, 0x2F, 0x00, 0x03, 0x2C, 0x00, 0x00, 0x00};
    std::copy(std::begin(header), std::end(header), request.begin());
    KeyboardFirmware keyboard;
    const CommandReport answer = Answer(keyboard, request);
    const ReportBytes bytes = answer.Bytes();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<uint8_t>{0x04, bytes[1], bytes[2], 0x03, 0x2C, 0x00, 0x00, 0x00}));
    EXPECT_EQ(answer.StoredChecksum(), answer.ComputeChecksum());
    std::vector<uint8_t> state_then_zeros = keyboard.ReadMemory(Memory::kState);
    state_then_zeros.resize(56, 0);
    EXPECT_EQ(AnswerData(answer, 56), state_then_zeros);
}

TEST(SimFirmwareCommands, BeginAccessChecksumIsOne) {
    ReportBytes request{};
    request[0] = 0x04;
    request[1] = 0x01;
    request[3] = 0x01;
    KeyboardFirmware keyboard;
    EXPECT_EQ(Answer(keyboard, request).status, kStatusSuccess);
    EXPECT_TRUE(keyboard.InAccessGroup());
}

struct CommandCase {
    const char* name;
    bool in_access_group;
    ReportBytes request;
    uint8_t status;
    // What the answer's data must start with (checked when not empty).
    std::vector<uint8_t> data;
    // A check of the memories after the command (may be empty).
    std::function<void(const KeyboardFirmware&)> check;
};

ReportBytes WithBadChecksum(ReportBytes request) {
    ++request[1];
    return request;
}

ReportBytes WithReportId(ReportBytes request, uint8_t id) {
    request[0] = id;
    return request;
}

std::function<void(const KeyboardFirmware&)> MemoryEquals(Memory memory, size_t offset,
                                                          std::vector<uint8_t> bytes) {
    return [=](const KeyboardFirmware& keyboard) {
        EXPECT_EQ(Slice(keyboard.ReadMemory(memory), offset, bytes.size()), bytes);
    };
}

std::function<void(const KeyboardFirmware&)> Unchanged(Memory memory) {
    return [=](const KeyboardFirmware& keyboard) {
        EXPECT_EQ(keyboard.ReadMemory(memory), KeyboardFirmware().ReadMemory(memory));
    };
}

std::vector<uint8_t> Zeros(size_t length) {
    return std::vector<uint8_t>(length, 0);
}

std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> FactoryBytes(Memory memory, size_t offset, size_t length) {
    return Slice(KeyboardFirmware().ReadMemory(memory), offset, length);
}

TEST(SimFirmwareCommands, AnswersEveryCommand) {
    const std::vector<uint8_t> chunk = Pattern(56, 0x40);
    const std::vector<uint8_t> last_chunk = Pattern(42, 0x80);
    std::vector<uint8_t> state_with_profile_2 = FactoryBytes(Memory::kState, 0, 44);
    state_with_profile_2[10] = 2;
    std::vector<uint8_t> state_with_profile_3 = state_with_profile_2;
    state_with_profile_3[10] = 3;
    std::vector<uint8_t> state_with_other_macro_size = state_with_profile_2;
    state_with_other_macro_size[11] = 8;

    const CommandCase cases[] = {
        {"read state",
         false,
         MakeRequest(CMD_READ_STATE, 44, 0),
         kStatusSuccess,
         FactoryBytes(Memory::kState, 0, 44),
         {}},
        {"bad checksum", false, WithBadChecksum(MakeRequest(CMD_READ_STATE, 44, 0)), kStatusError, {}, {}},
        {"wrong report id",
         false,
         WithReportId(MakeRequest(CMD_READ_STATE, 44, 0), 0x05),
         kStatusError,
         {},
         {}},
        {"unknown code", false, MakeRequest(0x55), kStatusError, {}, {}},
        {"reserved 0B", false, MakeRequest(CMD_RESERVED_0B), kStatusSuccess, {}, {}},
        {"reserved 0C", false, MakeRequest(CMD_RESERVED_0C), kStatusSuccess, {}, {}},
        {"reserved 0E", false, MakeRequest(CMD_RESERVED_0E), kStatusSuccess, {}, {}},
        {"end access",
         true,
         MakeRequest(CMD_END_ACCESS),
         kStatusSuccess,
         {},
         [](const KeyboardFirmware& keyboard) { EXPECT_FALSE(keyboard.InAccessGroup()); }},
        {"read state past its end", false, MakeRequest(CMD_READ_STATE, 44, 1), kStatusError, {}, {}},
        {"length above 56", false, MakeRequest(CMD_READ_KEYMAP, 57, 0), kStatusError, {}, {}},

        {"read last key-map chunk of profile 2",
         false,
         MakeRequest(CMD_READ_KEYMAP, 42, 2 * 378 + 336),
         kStatusSuccess,
         FactoryBytes(Memory::kKeyMaps, 2 * 378 + 336, 42),
         {}},
        {"read key map one byte past the end",
         false,
         MakeRequest(CMD_READ_KEYMAP, 42, 3 * 378 - 41),
         kStatusError,
         {},
         {}},
        {"write key map outside an access group",
         false,
         MakeRequest(CMD_WRITE_KEYMAP, 56, 378, chunk),
         kStatusError,
         {},
         Unchanged(Memory::kKeyMaps)},
        {"write key map",
         true,
         MakeRequest(CMD_WRITE_KEYMAP, 56, 378, chunk),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kKeyMaps, 378, chunk)},
        {"write last key-map chunk of profile 2",
         true,
         MakeRequest(CMD_WRITE_KEYMAP, 42, 2 * 378 + 336, last_chunk),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kKeyMaps, 2 * 378 + 336, last_chunk)},
        {"write key map past the end",
         true,
         MakeRequest(CMD_WRITE_KEYMAP, 56, 3 * 378 - 55, chunk),
         kStatusError,
         {},
         Unchanged(Memory::kKeyMaps)},
        {"read default key map",
         false,
         MakeRequest(CMD_READ_DEFAULT_KEYMAP, 56, 112),
         kStatusSuccess,
         FactoryBytes(Memory::kDefaultKeyMap, 112, 56),
         {}},
        {"read default key map past the end",
         false,
         MakeRequest(CMD_READ_DEFAULT_KEYMAP, 56, 336),
         kStatusError,
         {},
         {}},

        {"write macros outside an access group",
         false,
         MakeRequest(CMD_WRITE_MACROS, 56, 0, chunk),
         kStatusError,
         {},
         Unchanged(Memory::kMacros)},
        {"write last macro chunk",
         true,
         MakeRequest(CMD_WRITE_MACROS, 56, 4096 - 56, chunk),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kMacros, 4096 - 56, chunk)},
        {"write macros past the end",
         true,
         MakeRequest(CMD_WRITE_MACROS, 56, 4096 - 55, chunk),
         kStatusError,
         {},
         Unchanged(Memory::kMacros)},
        {"read macros", false, MakeRequest(CMD_READ_MACROS, 1, 56), kStatusSuccess, Zeros(56), {}},

        {"read lighting block 2 past the end",
         false,
         MakeRequest(CMD_READ_LIGHTING, 56, 84),
         kStatusSuccess,
         Concat(FactoryBytes(Memory::kLighting, 84, 44), Zeros(12)),
         {}},
        {"read lighting answers 56 bytes whatever the length",
         false,
         MakeRequest(CMD_READ_LIGHTING, 1, 0),
         kStatusSuccess,
         FactoryBytes(Memory::kLighting, 0, 56),
         {}},
        {"read lighting wholly past the end",
         false,
         MakeRequest(CMD_READ_LIGHTING, 56, 200),
         kStatusSuccess,
         Zeros(56),
         {}},
        {"read lighting longer than a chunk",
         false,
         MakeRequest(CMD_READ_LIGHTING, 57, 0),
         kStatusError,
         {},
         {}},
        {"write lighting outside an access group",
         false,
         MakeRequest(CMD_WRITE_LIGHTING, 1, 84, {7}),
         kStatusError,
         {},
         Unchanged(Memory::kLighting)},
        {"write lighting block 2",
         true,
         MakeRequest(CMD_WRITE_LIGHTING, 42, 84, Pattern(42, 1)),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kLighting, 84, Pattern(42, 1))},
        {"write lighting past the end",
         true,
         MakeRequest(CMD_WRITE_LIGHTING, 29, 100, Pattern(29, 1)),
         kStatusError,
         {},
         Unchanged(Memory::kLighting)},

        {"write key colours outside an access group",
         false,
         MakeRequest(CMD_WRITE_KEY_COLOURS, 3, 0, {1, 2, 3}),
         kStatusError,
         {},
         Unchanged(Memory::kKeyColours)},
        {"write the colour of profile 2 slot 125",
         true,
         MakeRequest(CMD_WRITE_KEY_COLOURS, 3, 2 * 512 + 125 * 3, {1, 2, 3}),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kKeyColours, 2 * 512 + 125 * 3, {1, 2, 3})},
        {"write key colours past the end",
         true,
         MakeRequest(CMD_WRITE_KEY_COLOURS, 3, 1536 - 2, {1, 2, 3}),
         kStatusError,
         {},
         Unchanged(Memory::kKeyColours)},
        {"read key colours", false, MakeRequest(CMD_READ_KEY_COLOURS, 3, 0), kStatusSuccess, Zeros(56), {}},

        {"write state: current profile 2",
         false,
         MakeRequest(CMD_WRITE_STATE, 44, 0, state_with_profile_2),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kState, 0, state_with_profile_2)},
        {"write state: current profile 3",
         false,
         MakeRequest(CMD_WRITE_STATE, 44, 0, state_with_profile_3),
         kStatusError,
         {},
         Unchanged(Memory::kState)},
        {"write state: another macro memory size",
         false,
         MakeRequest(CMD_WRITE_STATE, 44, 0, state_with_other_macro_size),
         kStatusError,
         {},
         Unchanged(Memory::kState)},
        {"write one state byte",
         false,
         MakeRequest(CMD_WRITE_STATE, 1, 10, {1}),
         kStatusSuccess,
         {},
         MemoryEquals(Memory::kState, 10, {1})},
    };

    for (const CommandCase& test : cases) {
        SCOPED_TRACE(test.name);
        KeyboardFirmware keyboard;
        if (test.in_access_group) {
            ASSERT_EQ(Answer(keyboard, MakeRequest(CMD_BEGIN_ACCESS)).status, kStatusSuccess);
        }
        const CommandReport request = CommandReport::From(test.request);
        const CommandReport answer = Answer(keyboard, test.request);
        EXPECT_EQ(answer.report_id, kCommandReportId);
        EXPECT_EQ(answer.code, request.code);
        EXPECT_EQ(answer.length, request.length);
        EXPECT_EQ(answer.Address(), request.Address());
        EXPECT_EQ(answer.status, test.status);
        EXPECT_EQ(answer.StoredChecksum(), answer.ComputeChecksum());
        if (!test.data.empty()) {
            EXPECT_EQ(AnswerData(answer, test.data.size()), test.data);
        }
        if (test.check) test.check(keyboard);
    }
}

TEST(SimFirmwareCommands, EndAccessClosesTheGroup) {
    KeyboardFirmware keyboard;
    Answer(keyboard, MakeRequest(CMD_BEGIN_ACCESS));
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_WRITE_LIGHTING, 1, 0, {5})).status, kStatusSuccess);
    Answer(keyboard, MakeRequest(CMD_END_ACCESS));
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_WRITE_LIGHTING, 1, 0, {6})).status, kStatusError);
    EXPECT_EQ(keyboard.ReadMemory(Memory::kLighting)[0], 5);
}

TEST(SimFirmwareCommands, MacroMemoryFollowsStateByte11) {
    KeyboardFirmware keyboard;
    ASSERT_TRUE(keyboard.WriteMemory(Memory::kState, 11, std::vector<uint8_t>{1}));
    EXPECT_EQ(keyboard.ReadMemory(Memory::kMacros).size(), 128u);
    Answer(keyboard, MakeRequest(CMD_BEGIN_ACCESS));
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_WRITE_MACROS, 56, 72, Pattern(56, 0))).status, kStatusSuccess);
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_WRITE_MACROS, 56, 73, Pattern(56, 0))).status, kStatusError);
}

TEST(SimFirmwareUpdateMode, AnswersNothingUntilPluggedInAgain) {
    KeyboardFirmware keyboard;
    ReportBytes enter{};  // bytes 1 and 2 stay 0: no checksum
    enter[0] = 0x04;
    enter[3] = 0xEE;
    enter[4] = 0xEE;
    KeyboardFirmware::Outcome outcome = keyboard.HandleReport(enter);
    EXPECT_TRUE(outcome.received);
    EXPECT_TRUE(outcome.entered_update);
    EXPECT_FALSE(outcome.answer);
    EXPECT_TRUE(keyboard.InUpdateMode());

    outcome = keyboard.HandleReport(MakeRequest(CMD_READ_STATE, 44, 0));
    EXPECT_TRUE(outcome.received);
    EXPECT_FALSE(outcome.answer);

    keyboard.Detach();
    EXPECT_FALSE(keyboard.HandleReport(MakeRequest(CMD_READ_STATE, 44, 0)).received);
    keyboard.Attach();
    EXPECT_FALSE(keyboard.InUpdateMode());
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_READ_STATE, 44, 0)).status, kStatusSuccess);
}

TEST(SimFirmwareUpdateMode, OnlyBothBytesEnterIt) {
    KeyboardFirmware keyboard;
    ReportBytes half{};
    half[0] = 0x04;
    half[3] = 0xEE;  // byte 4 is not 0xEE: an ordinary report, and its checksum is wrong
    EXPECT_EQ(Answer(keyboard, half).status, kStatusError);
    EXPECT_FALSE(keyboard.InUpdateMode());
}

TEST(SimFirmwareFaults, SpoilAnswersInOrderAndCountDown) {
    KeyboardFirmware keyboard;
    Answer(keyboard, MakeRequest(CMD_BEGIN_ACCESS));
    keyboard.SetFaults({.no_answer = 1, .wrong_echo = 1, .busy = 1, .error = 1});
    const ReportBytes write = MakeRequest(CMD_WRITE_LIGHTING, 1, 0, {9});

    EXPECT_FALSE(keyboard.HandleReport(write).answer);
    EXPECT_EQ(keyboard.State().faults,
              (FaultCounters{.no_answer = 0, .wrong_echo = 1, .busy = 1, .error = 1}));

    const CommandReport wrong_echo = Answer(keyboard, write);
    EXPECT_NE(wrong_echo.code, CMD_WRITE_LIGHTING);
    EXPECT_EQ(Answer(keyboard, write).status, kStatusBusy);
    EXPECT_EQ(Answer(keyboard, write).status, kStatusError);
    EXPECT_EQ(keyboard.State().faults, FaultCounters{});
    EXPECT_EQ(keyboard.ReadMemory(Memory::kLighting)[0], 0x01) << "a spoiled report has no effect";

    const CommandReport good = Answer(keyboard, write);
    EXPECT_EQ(good.code, CMD_WRITE_LIGHTING);
    EXPECT_EQ(good.status, kStatusSuccess);
    EXPECT_EQ(keyboard.ReadMemory(Memory::kLighting)[0], 9);
}

TEST(SimFirmwareFaults, CounterSpoilsAsManyAnswersAsItHolds) {
    KeyboardFirmware keyboard;
    keyboard.SetFaults({.busy = 3});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_READ_STATE, 44, 0)).status, kStatusBusy);
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_READ_STATE, 44, 0)).status, kStatusSuccess);
}

TEST(SimFirmwarePresence, CablePulledMidTransfer) {
    KeyboardFirmware keyboard;
    keyboard.DetachAfterReports(1);
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_READ_STATE, 44, 0)).status, kStatusSuccess);
    const KeyboardFirmware::Outcome pulled = keyboard.HandleReport(MakeRequest(CMD_READ_STATE, 44, 0));
    EXPECT_TRUE(pulled.detached);
    EXPECT_FALSE(pulled.answer);
    EXPECT_FALSE(keyboard.Present());
    EXPECT_FALSE(keyboard.HandleReport(MakeRequest(CMD_READ_STATE, 44, 0)).received);
    EXPECT_TRUE(keyboard.Attach());
    EXPECT_EQ(Answer(keyboard, MakeRequest(CMD_READ_STATE, 44, 0)).status, kStatusSuccess);
}

TEST(SimFirmwarePresence, PluggingInEndsTheAccessGroupAndBankKeyNeedsPower) {
    KeyboardFirmware keyboard;
    Answer(keyboard, MakeRequest(CMD_BEGIN_ACCESS));
    EXPECT_TRUE(keyboard.Detach());
    EXPECT_FALSE(keyboard.Detach());
    EXPECT_FALSE(keyboard.SwitchBank());
    EXPECT_TRUE(keyboard.Attach());
    EXPECT_FALSE(keyboard.InAccessGroup());
    EXPECT_TRUE(keyboard.SwitchBank());
    EXPECT_EQ(keyboard.Bank(), 1);
}

TEST(SimFirmwareMemory, ControlWritesRefuseWhatDoesNotFit) {
    KeyboardFirmware keyboard;
    EXPECT_TRUE(keyboard.WriteMemory(Memory::kLighting, 126, std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(keyboard.WriteMemory(Memory::kLighting, 127, std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(keyboard.WriteMemory(Memory::kLighting, 1000, std::vector<uint8_t>{}));
    EXPECT_EQ(Slice(keyboard.ReadMemory(Memory::kLighting), 126, 2), (std::vector<uint8_t>{1, 2}));
}

TEST(SimFirmwareMemory, ResetKeepsPresence) {
    KeyboardFirmware keyboard;
    keyboard.SwitchBank();
    keyboard.SetStatusWord({0x05, 0x03});
    keyboard.SetFaults({.busy = 2});
    keyboard.Detach();
    keyboard.ResetToFactory();
    EXPECT_FALSE(keyboard.Present());
    EXPECT_EQ(keyboard.Bank(), 0);
    EXPECT_EQ(keyboard.StatusWord(), KeyboardFirmware::kPowerOnStatusWord);
    EXPECT_EQ(keyboard.State().faults, FaultCounters{});
}

}  // namespace
}  // namespace quovex::sim
