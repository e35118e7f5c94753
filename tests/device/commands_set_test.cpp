// Every command against the fake HID service: fields, chunking, what is
// copied from the answers, and the result codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "device/command_set.h"
#include "device/device_link.h"
#include "support/fake_hidserv.h"

namespace quovex {
namespace {

using namespace std::chrono_literals;
using testing::FakeHidServ;
using testing::FakeReply;
using testing::FakeStep;
using testing::Report;

constexpr DeviceLinkTiming kTestTiming{250ms, 1ms};

uint16_t AddressOf(const Report& report) {
    return static_cast<uint16_t>(report[5] | report[6] << 8);
}

// The answer's data byte i is the low byte of (request address + i), so a read
// shows which chunk each destination byte came from.
void AnswerWithAddressPattern(const Report& request, Report& answer) {
    for (size_t i = 0; i < 56; ++i) answer[8 + i] = static_cast<uint8_t>(AddressOf(request) + i);
}

class CommandSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.SetResponder(AnswerWithAddressPattern);
        link.OpenChannels();
    }
    void TearDown() override {
        EXPECT_EQ(fake.RefusedCalls(), 0) << "a call carried a wrong identifier or check";
    }

    // Every report sent must carry its checksum, except the update command.
    void ExpectChecksums() {
        for (const Report& report : fake.Reports()) {
            EXPECT_EQ(report[1] | report[2] << 8, CommandChecksum(report));
        }
    }

    FakeHidServ fake;
    HidServLibrary library{fake.EntryPoints()};
    DeviceLink link{library, kTestTiming};
    CommandSet commands{link};
};

TEST_F(CommandSetTest, KeyMapTransfersAreSevenReportsPerProfile) {
    for (unsigned profile = 0; profile < 3; ++profile) {
        SCOPED_TRACE(profile);
        KeyMapBytes map;
        std::iota(map.begin(), map.end(), uint8_t{1});
        const size_t before = fake.Reports().size();
        ASSERT_EQ(commands.WriteKeyMap(profile, map), kResultDone);
        KeyMapBytes read{};
        ASSERT_EQ(commands.ReadKeyMap(profile, read), kResultDone);

        const auto reports = fake.Reports();
        ASSERT_EQ(reports.size() - before, 14u);
        for (size_t k = 0; k < 7; ++k) {
            const Report& write = reports[before + k];
            const Report& read_request = reports[before + 7 + k];
            const uint8_t length = k < 6 ? 56 : 42;
            const uint16_t address = static_cast<uint16_t>(profile * 378 + k * 56);
            EXPECT_EQ(write[3], CMD_WRITE_KEYMAP);
            EXPECT_EQ(read_request[3], CMD_READ_KEYMAP);
            EXPECT_EQ(write[4], length);
            EXPECT_EQ(read_request[4], length);
            EXPECT_EQ(AddressOf(write), address);
            EXPECT_EQ(AddressOf(read_request), address);
            EXPECT_TRUE(std::equal(map.begin() + k * 56, map.begin() + k * 56 + length, write.begin() + 8));
        }
        for (size_t i = 0; i < read.size(); ++i) {
            ASSERT_EQ(read[i], static_cast<uint8_t>(profile * 378 + i)) << "byte " << i;
        }
    }
    ExpectChecksums();
}

TEST_F(CommandSetTest, DefaultKeyMapIsReadFromAddressZero) {
    KeyMapBytes read{};
    ASSERT_EQ(commands.ReadDefaultKeyMap(read), kResultDone);
    const auto reports = fake.Reports();
    ASSERT_EQ(reports.size(), 7u);
    EXPECT_EQ(reports[0][3], CMD_READ_DEFAULT_KEYMAP);
    EXPECT_EQ(AddressOf(reports[6]), 336);
    EXPECT_EQ(reports[6][4], 42);
    EXPECT_EQ(read[377], static_cast<uint8_t>(377));
}

TEST_F(CommandSetTest, ProfileOutOfRangeSendsNothing) {
    KeyMapBytes map{};
    for (unsigned profile : {3u, 4u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(profile);
        EXPECT_EQ(commands.WriteKeyMap(profile, map), kResultBadProfile);
        EXPECT_EQ(commands.ReadKeyMap(profile, map), kResultBadProfile);
    }
    EXPECT_TRUE(fake.Reports().empty());
}

TEST_F(CommandSetTest, MacroTransfersAreCutIn56ByteChunks) {
    std::vector<uint8_t> block(57);
    std::iota(block.begin(), block.end(), uint8_t{0x10});
    ASSERT_EQ(commands.WriteMacros(block), kResultDone);
    std::vector<uint8_t> read(57);
    ASSERT_EQ(commands.ReadMacros(read), kResultDone);

    const auto reports = fake.Reports();
    ASSERT_EQ(reports.size(), 4u);
    const struct {
        uint8_t code, length;
        uint16_t address;
    } expected[] = {{CMD_WRITE_MACROS, 56, 0},
                    {CMD_WRITE_MACROS, 1, 56},
                    {CMD_READ_MACROS, 56, 0},
                    {CMD_READ_MACROS, 1, 56}};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reports[i][3], expected[i].code);
        EXPECT_EQ(reports[i][4], expected[i].length);
        EXPECT_EQ(AddressOf(reports[i]), expected[i].address);
    }
    EXPECT_EQ(reports[1][8], 0x10 + 56);
    EXPECT_EQ(reports[1][9], 0) << "zero-filled after the last chunk's data";
    EXPECT_EQ(read[56], 56);
    ExpectChecksums();

    // An empty block sends nothing and succeeds.
    EXPECT_EQ(commands.WriteMacros({}), kResultDone);
    EXPECT_EQ(commands.ReadMacros({}), kResultDone);
    EXPECT_EQ(fake.Reports().size(), 4u);
}

TEST_F(CommandSetTest, FirstFailingChunkEndsTheCommand) {
    // Chunks 0 and 1 answer; chunk 2 gets an error three times.
    fake.Script({{}, {}, {FakeReply::kError}, {FakeReply::kError}, {FakeReply::kError}});
    KeyMapBytes read;
    read.fill(0xEE);
    EXPECT_EQ(commands.ReadKeyMap(1, read), kResultKeyboardError);
    EXPECT_EQ(fake.Reports().size(), 5u);
    EXPECT_EQ(read[0], static_cast<uint8_t>(378));
    EXPECT_EQ(read[111], static_cast<uint8_t>(378 + 111));
    EXPECT_EQ(read[112], 0xEE) << "the failed chunk and those after it stay as they were";
    EXPECT_EQ(read[377], 0xEE);
}

TEST_F(CommandSetTest, StateBlockIsReadFromAnswerByteEight) {
    StateBlock state{};
    ASSERT_EQ(commands.ReadState(state), kResultDone);
    const Report request = fake.Reports().at(0);
    EXPECT_EQ(request[3], CMD_READ_STATE);
    EXPECT_EQ(request[4], 44);
    EXPECT_EQ(AddressOf(request), 0);
    EXPECT_EQ(request[1] | request[2] << 8, 0x002F);
    EXPECT_EQ(state[0], 0);
    EXPECT_EQ(state[43], 43);

    StateBlock written;
    std::iota(written.begin(), written.end(), uint8_t{0x40});
    ASSERT_EQ(commands.WriteState(written), kResultDone);
    const Report write = fake.Reports().at(1);
    EXPECT_EQ(write[3], CMD_WRITE_STATE);
    EXPECT_EQ(write[4], 44);
    EXPECT_TRUE(std::equal(written.begin(), written.end(), write.begin() + 8));
    EXPECT_EQ(write[8 + 44], 0);
}

TEST_F(CommandSetTest, ReadLightingCopiesAllFiftySixBytes) {
    LightingChunk out{};
    ASSERT_EQ(commands.ReadLighting(10, 42, out), kResultDone);
    const Report request = fake.Reports().at(0);
    EXPECT_EQ(request[3], CMD_READ_LIGHTING);
    EXPECT_EQ(request[4], 10);
    EXPECT_EQ(AddressOf(request), 42);
    EXPECT_EQ(out[10], 52);
    EXPECT_EQ(out[55], 42 + 55);
}

TEST_F(CommandSetTest, SingleReportWritesCarryTheirFields) {
    const uint8_t colours[] = {0xFF, 0x80, 0x00};
    ASSERT_EQ(commands.WriteLighting(84 + 5, colours), kResultDone);
    ASSERT_EQ(commands.WriteKeyColours(17 * 3 + 2 * 512, colours), kResultDone);
    ASSERT_EQ(commands.BeginAccess(), kResultDone);
    ASSERT_EQ(commands.EndAccess(), kResultDone);

    const auto reports = fake.Reports();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0][3], CMD_WRITE_LIGHTING);
    EXPECT_EQ(AddressOf(reports[0]), 89);
    EXPECT_EQ(reports[1][3], CMD_WRITE_KEY_COLOURS);
    EXPECT_EQ(AddressOf(reports[1]), 1075);
    for (int i : {0, 1}) {
        EXPECT_EQ(reports[i][4], 3);
        EXPECT_EQ(reports[i][8], 0xFF);
        EXPECT_EQ(reports[i][10], 0x00);
    }
    EXPECT_EQ(reports[2][3], CMD_BEGIN_ACCESS);
    EXPECT_EQ(reports[3][3], CMD_END_ACCESS);
    ExpectChecksums();
}

TEST_F(CommandSetTest, DataThatDoesNotFitSendsNothing) {
    const std::vector<uint8_t> too_long(57);
    EXPECT_EQ(commands.WriteLighting(0, too_long), kResultBadLength);
    EXPECT_EQ(commands.WriteKeyColours(0, too_long), kResultBadLength);
    std::vector<uint8_t> past_the_address_range(0x10001);
    EXPECT_EQ(commands.WriteMacros(past_the_address_range), kResultBadLength);
    EXPECT_EQ(commands.ReadMacros(past_the_address_range), kResultBadLength);
    EXPECT_TRUE(fake.Reports().empty());
}

TEST_F(CommandSetTest, ExchangeFailuresBecomeResultCodes) {
    const struct {
        const char* what;
        std::vector<FakeStep> steps;
        uint32_t keyboards;
        int write_result;
        int result;
    } cases[] = {
        {"three busy answers",
         {{FakeReply::kBusy}, {FakeReply::kBusy}, {FakeReply::kBusy}},
         1,
         1,
         kResultKeyboardBusy},
        {"three error answers",
         {{FakeReply::kError}, {FakeReply::kError}, {FakeReply::kError}},
         1,
         1,
         kResultKeyboardError},
        {"three lost answers",
         {{FakeReply::kSilent}, {FakeReply::kSilent}, {FakeReply::kSilent}},
         1,
         1,
         kResultNoAnswer},
        {"no keyboard", {}, 0, 1, kResultNoKeyboard},
        {"refused by the library", {}, 1, -5, kResultRefused},
        {"answer without its status byte", {{FakeReply::kAnswer, 0ms, 7}}, 1, 1, kResultShortAnswer},
        {"answer too short for the state block", {{FakeReply::kAnswer, 0ms, 51}}, 1, 1, kResultShortAnswer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.Script(c.steps);
        fake.SetDeviceCount(c.keyboards);
        fake.SetWriteResult(c.write_result);
        StateBlock state;
        state.fill(0xEE);
        EXPECT_EQ(commands.ReadState(state), c.result);
        EXPECT_TRUE(std::all_of(state.begin(), state.end(), [](uint8_t b) { return b == 0xEE; }))
            << "a failed read leaves the destination as it was";
    }
}

TEST_F(CommandSetTest, EnterUpdateGoesOutWithoutChecksumDeviceCheckOrWait) {
    fake.SetDeviceCount(0);
    fake.SetDefaultStep({FakeReply::kSilent});
    const int queries = fake.DeviceCountQueries();
    EXPECT_EQ(commands.EnterUpdate(), 1);

    const auto reports = fake.Reports();
    ASSERT_EQ(reports.size(), 1u);
    Report expected{};
    expected[0] = 0x04;
    expected[3] = 0xEE;
    expected[4] = 0xEE;
    EXPECT_EQ(reports[0], expected);
    EXPECT_EQ(fake.DeviceCountQueries(), queries);

    fake.SetWriteResult(0);
    EXPECT_EQ(commands.EnterUpdate(), 0) << "the send's result is handed back as it is";
    fake.SetWriteResult(2);
    EXPECT_EQ(commands.EnterUpdate(), 2);
}

}  // namespace
}  // namespace quovex
