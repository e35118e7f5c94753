// The command set and the device link against libHidServ.so running the
// virtual keyboard: what lands in the keyboard's memories, what comes back,
// faults driven through the keyboard's control API, events and presence.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/state_block.h"
#include "support/virtual_keyboard.h"

namespace quovex {
namespace {

using namespace std::chrono_literals;
using sim::FaultCounters;
using sim::Memory;
using testing::VirtualKeyboard;

constexpr DeviceLinkTiming kTestTiming{250ms, 1ms};
constexpr auto kIdle = 5s;

std::vector<uint8_t> Pattern(size_t size, uint8_t first) {
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t offset, size_t length) {
    return {bytes.begin() + offset, bytes.begin() + offset + length};
}

class RecordingObserver : public DeviceEventObserver {
public:
    void OnBankChanged(int bank) override { Add("bank " + std::to_string(bank)); }
    void OnLightingChanged() override { Add("lighting"); }
    void OnTrayEvent(uint16_t code) override { Add("tray " + std::to_string(code)); }
    void OnDeviceCountChanged(uint32_t count) override { Add("count " + std::to_string(count)); }
    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    void Add(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

class LinkWithVirtualKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        keyboard = VirtualKeyboard::Get(&error);
        ASSERT_NE(keyboard, nullptr) << error;
        keyboard->Reset();
        link = std::make_unique<DeviceLink>(keyboard->Library(), kTestTiming);
        link->SetObserver(&observer);
        link->OpenChannels();
        commands = std::make_unique<CommandSet>(*link);
    }
    void TearDown() override {
        if (keyboard != nullptr) keyboard->Control().WaitUntilIdle(kIdle);
        commands.reset();
        link.reset();
    }

    sim::VirtualKeyboardControl& Control() { return keyboard->Control(); }

    VirtualKeyboard* keyboard = nullptr;
    RecordingObserver observer;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<CommandSet> commands;
};

TEST_F(LinkWithVirtualKeyboardTest, KeyMapsLandAtTheirProfilesAddressesAndReadBack) {
    for (unsigned profile = 0; profile < 3; ++profile) {
        SCOPED_TRACE(profile);
        const std::vector<uint8_t> bytes = Pattern(kKeyMapSize, static_cast<uint8_t>(profile * 50));
        KeyMapBytes map;
        std::copy(bytes.begin(), bytes.end(), map.begin());
        ASSERT_EQ(commands->BeginAccess(), kResultDone);
        const uint64_t before = Control().ReportsReceived();
        ASSERT_EQ(commands->WriteKeyMap(profile, map), kResultDone);
        EXPECT_EQ(Control().ReportsReceived() - before, 7u);
        ASSERT_EQ(commands->EndAccess(), kResultDone);
        EXPECT_EQ(Slice(Control().ReadMemory(Memory::kKeyMaps), profile * kKeyMapSize, kKeyMapSize), bytes);

        KeyMapBytes read{};
        ASSERT_EQ(commands->ReadKeyMap(profile, read), kResultDone);
        EXPECT_EQ(read, map);
    }
    KeyMapBytes map{};
    EXPECT_EQ(commands->WriteKeyMap(3, map), kResultBadProfile);
}

TEST_F(LinkWithVirtualKeyboardTest, StateDefaultKeyMapAndLightingReadWhatTheKeyboardHolds) {
    StateBlock state{};
    ASSERT_EQ(commands->ReadState(state), kResultDone);
    EXPECT_EQ(std::vector<uint8_t>(state.begin(), state.end()), Control().ReadMemory(Memory::kState));

    KeyMapBytes default_map{};
    ASSERT_EQ(commands->ReadDefaultKeyMap(default_map), kResultDone);
    EXPECT_EQ(std::vector<uint8_t>(default_map.begin(), default_map.end()),
              Control().ReadMemory(Memory::kDefaultKeyMap));

    const std::vector<uint8_t> lighting = Pattern(128, 0x20);
    ASSERT_TRUE(Control().WriteMemory(Memory::kLighting, 0, lighting));
    LightingChunk chunk{};
    ASSERT_EQ(commands->ReadLighting(42, 42, chunk), kResultDone);
    EXPECT_EQ(std::vector<uint8_t>(chunk.begin(), chunk.end()), Slice(lighting, 42, 56))
        << "all 56 bytes, whatever length was asked for";
}

TEST_F(LinkWithVirtualKeyboardTest, WritesLandInTheKeyboardsMemoriesWithinAnAccessGroup) {
    const std::vector<uint8_t> macros = Pattern(57, 0x40);
    ASSERT_EQ(commands->BeginAccess(), kResultDone);
    ASSERT_EQ(commands->WriteMacros(macros), kResultDone);
    const uint8_t colour[] = {0x11, 0x22, 0x33};
    ASSERT_EQ(commands->WriteKeyColours(5 * 3 + 1 * 512, colour), kResultDone);
    ASSERT_EQ(commands->WriteLighting(2 * 42 + 5, colour), kResultDone);
    ASSERT_EQ(commands->EndAccess(), kResultDone);

    const std::vector<uint8_t> macro_memory = Control().ReadMemory(Memory::kMacros);
    EXPECT_EQ(Slice(macro_memory, 0, 57), macros);
    EXPECT_EQ(macro_memory.at(57), 0) << "nothing past the block";
    EXPECT_EQ(Slice(Control().ReadMemory(Memory::kKeyColours), 5 * 3 + 512, 3),
              std::vector<uint8_t>(colour, colour + 3));
    EXPECT_EQ(Slice(Control().ReadMemory(Memory::kLighting), 89, 3),
              std::vector<uint8_t>(colour, colour + 3));
    EXPECT_FALSE(Control().InAccessGroup());

    // Outside an access group the keyboard refuses a block write.
    EXPECT_EQ(commands->WriteMacros(macros), kResultKeyboardError);

    StateBlock state{};
    ASSERT_EQ(commands->ReadState(state), kResultDone);
    state[kStateCurrentProfileOffset] = 2;
    ASSERT_EQ(commands->WriteState(state), kResultDone);
    EXPECT_EQ(Control().ReadMemory(Memory::kState).at(kStateCurrentProfileOffset), 2);
}

TEST_F(LinkWithVirtualKeyboardTest, FaultsBecomeRetriesAndResultCodes) {
    const struct {
        const char* what;
        FaultCounters faults;
        int result;
        uint64_t reports;
        bool written;
    } cases[] = {
        {"a wrong echo is sent again", {.wrong_echo = 1}, kResultDone, 2, true},
        {"two busy answers are sent again", {.busy = 2}, kResultDone, 3, true},
        {"a lost answer is sent again", {.no_answer = 1}, kResultDone, 2, true},
        {"three busy answers", {.busy = 3}, kResultKeyboardBusy, 3, false},
        {"three error answers", {.error = 3}, kResultKeyboardError, 3, false},
        {"three wrong echoes", {.wrong_echo = 3}, kResultNoAnswer, 3, false},
        {"three lost answers", {.no_answer = 3}, kResultNoAnswer, 3, false},
    };
    const uint8_t colour[] = {0xAA, 0xBB, 0xCC};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        keyboard->Reset();
        ASSERT_EQ(commands->BeginAccess(), kResultDone);
        Control().SetFaults(c.faults);
        const uint64_t before = Control().ReportsReceived();
        EXPECT_EQ(commands->WriteLighting(0, colour), c.result);
        ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
        EXPECT_EQ(Control().ReportsReceived() - before, c.reports);
        EXPECT_EQ(
            Slice(Control().ReadMemory(Memory::kLighting), 0, 3) == std::vector<uint8_t>(colour, colour + 3),
            c.written);
        EXPECT_EQ(Control().Faults(), FaultCounters{});
    }
}

TEST_F(LinkWithVirtualKeyboardTest, UnpluggedMidTransferEndsTheCommandAndLaterOnesFindNoKeyboard) {
    ASSERT_EQ(commands->BeginAccess(), kResultDone);
    Control().DetachAfterReports(3);
    KeyMapBytes map;
    std::fill(map.begin(), map.end(), 0x5A);
    const int result = commands->WriteKeyMap(1, map);
    EXPECT_TRUE(result == kResultNoAnswer || result == kResultRefused) << result;
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    const std::vector<uint8_t> written =
        Slice(Control().ReadMemory(Memory::kKeyMaps), kKeyMapSize, kKeyMapSize);
    EXPECT_TRUE(std::all_of(written.begin(), written.begin() + 3 * 56, [](uint8_t b) { return b == 0x5A; }))
        << "the chunks before the cable was pulled stay written";
    EXPECT_NE(written[3 * 56], 0x5A);

    StateBlock state{};
    EXPECT_EQ(commands->ReadState(state), kResultNoKeyboard);
    const auto calls = observer.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "count 0"), calls.end());
}

TEST_F(LinkWithVirtualKeyboardTest, KeyboardEventsReachTheObserverAndTheBankReachesTheKeyboard) {
    Control().SwitchBank();
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_EQ(link->Bank(), 1);
    EXPECT_EQ(Control().StatusWord(), (std::array<uint8_t, 2>{0x05, 0x03}));
    Control().SwitchBank();
    Control().ReportLightingChanged();
    Control().SendEvent(6161);
    Control().SendEvent(6146);
    Control().SendEvent(6160);
    Control().Detach();
    Control().Attach();
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_EQ(Control().StatusWord(), (std::array<uint8_t, 2>{0x05, 0x02}));
    EXPECT_EQ(observer.Calls(), (std::vector<std::string>{"bank 1", "bank 0", "lighting", "tray 6161",
                                                          "tray 6160", "count 0", "count 1"}));
}

TEST_F(LinkWithVirtualKeyboardTest, EnterUpdatePutsTheKeyboardInUpdateMode) {
    EXPECT_EQ(commands->EnterUpdate(), 1);
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_TRUE(Control().InUpdateMode());
}

TEST_F(LinkWithVirtualKeyboardTest, TwoThreadsReadingAtOnceEachGetTheirOwnKeyMap) {
    Control().SetLatency(1ms);
    const std::vector<uint8_t> maps = Pattern(3 * kKeyMapSize, 7);
    ASSERT_TRUE(Control().WriteMemory(Memory::kKeyMaps, 0, maps));
    auto read_repeatedly = [&](unsigned profile, int* wrong) {
        for (int round = 0; round < 5; ++round) {
            KeyMapBytes read{};
            if (commands->ReadKeyMap(profile, read) != kResultDone ||
                std::vector<uint8_t>(read.begin(), read.end()) !=
                    Slice(maps, profile * kKeyMapSize, kKeyMapSize)) {
                ++*wrong;
            }
        }
    };
    int wrong_0 = 0, wrong_2 = 0;
    std::thread first(read_repeatedly, 0u, &wrong_0);
    std::thread second(read_repeatedly, 2u, &wrong_2);
    first.join();
    second.join();
    EXPECT_EQ(wrong_0, 0);
    EXPECT_EQ(wrong_2, 0);
}

}  // namespace
}  // namespace quovex
