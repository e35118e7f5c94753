// The keyboard model against libHidServ.so running the virtual keyboard: the
// write copy reaches the keyboard's macro memory and key maps byte for byte
// inside one access group, a macro set too large for the keyboard is refused
// before anything is sent, and the current on-board profile is read and switched.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/state_block.h"
#include "keys/keyboard_writer.h"
#include "macros/macro_memory.h"
#include "model/assign_type.h"
#include "model/current_profile.h"
#include "support/recording_prompter.h"
#include "support/virtual_keyboard.h"

namespace quovex {
namespace {

using namespace std::chrono_literals;
using sim::Memory;
using test_support::RecordingPrompter;
using testing::VirtualKeyboard;

constexpr DeviceLinkTiming kTestTiming{250ms, 1ms};
constexpr auto kIdle = 5s;  // only reached when something is broken

// Every command report the link hands the library, with whether the keyboard
// was inside an access group when it was sent (exchanges wait for their
// answers, so the keyboard has handled every earlier report by then).
struct SentReport {
    uint8_t code;
    bool in_access_group;
    bool operator==(const SentReport&) const = default;
};

class ReportRecorder {
public:
    static ReportRecorder& Instance() {
        static ReportRecorder recorder;
        return recorder;
    }

    // A library that records each report, then passes it to the real one.
    std::unique_ptr<HidServLibrary> Wrap(const VirtualKeyboard& keyboard) {
        std::lock_guard lock(mutex_);
        control_ = &keyboard.Control();
        real_write_one_ = keyboard.Library().EntryPoints().RequestWriteOne;
        HidServEntryPoints entry_points = keyboard.Library().EntryPoints();
        entry_points.RequestWriteOne = &RecordingWriteOne;
        return std::make_unique<HidServLibrary>(entry_points);
    }

    std::vector<SentReport> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(sent_, {});
    }
    std::vector<uint8_t> TakeCodes() {
        std::vector<uint8_t> codes;
        for (const SentReport& report : Take()) codes.push_back(report.code);
        return codes;
    }

private:
    static int RecordingWriteOne(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                 const uint8_t* report, uint32_t length, uint32_t check, uint32_t* unit_out) {
        ReportRecorder& self = Instance();
        HidServRequestWriteOneFn real = nullptr;
        {
            std::lock_guard lock(self.mutex_);
            if (report != nullptr && length > 3) {
                self.sent_.push_back({report[3], self.control_->InAccessGroup()});
            }
            real = self.real_write_one_;
        }
        return real(identifier, callback, tag, report, length, check, unit_out);
    }

    std::mutex mutex_;
    sim::VirtualKeyboardControl* control_ = nullptr;
    HidServRequestWriteOneFn real_write_one_ = nullptr;
    std::vector<SentReport> sent_;
};

MacroRecord Macro(uint16_t id, std::u16string_view name, int actions) {
    MacroRecord macro{};
    macro.id = id;
    macro.repeat_count = static_cast<uint8_t>(id);
    SetMacroName(macro, name);
    for (int a = 0; a < actions; ++a) {
        macro.actions[macro.action_count++] = {static_cast<uint32_t>(10 * a),
                                               static_cast<KeyCode>(0x010 + a % 20),
                                               static_cast<uint16_t>(a % 2)};
    }
    return macro;
}

class ModelKeyboardWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        keyboard = VirtualKeyboard::Get(&error);
        ASSERT_NE(keyboard, nullptr) << error;
        keyboard->Reset();
        library = ReportRecorder::Instance().Wrap(*keyboard);
        link = std::make_unique<DeviceLink>(*library, kTestTiming);
        link->OpenChannels();
        commands = std::make_unique<CommandSet>(*link);
        services = std::make_unique<KeyboardWriteServices>(
            KeyboardWriteServices{*commands, context, prompter, texts});
        ReportRecorder::Instance().Take();
    }
    void TearDown() override {
        if (keyboard != nullptr) keyboard->Control().DetachAfterReports(std::nullopt);
        if (keyboard != nullptr) keyboard->Control().WaitUntilIdle(kIdle);
        services.reset();
        commands.reset();
        link.reset();
    }

    sim::VirtualKeyboardControl& Control() { return keyboard->Control(); }

    void SetKeyboardState(uint8_t profile, uint8_t macro_units) {
        const uint8_t bytes[] = {profile, macro_units};
        ASSERT_TRUE(Control().WriteMemory(Memory::kState, kStateCurrentProfileOffset, bytes));
        context.SetMacroMemorySize(macro_units * static_cast<int>(kMacroMemoryUnit));
    }

    // Two macros and an assignment of every kind spread over the three profiles.
    void FillWorkingProfile() {
        auto lock = working.Lock();
        working.Macros() = {Macro(4, u"Fire", 6), Macro(2, u"Build", 3)};
        const auto set = [&](int profile, KeyCode key, uint16_t type, uint32_t value) {
            working.Entry(EntryIndex(profile, SlotFromKeyCode(key))) = KeyEntry{type, 0, value, 0, 0};
        };
        set(0, 0x01E, ASSIGN_KEY, 0x030);
        set(0, 0x001, ASSIGN_MACRO, 2);
        set(1, 0x11D, ASSIGN_MEDIA, 7);
        set(1, 0x03B, ASSIGN_FUNCTION, 4);
        set(1, 0x039, ASSIGN_MACRO, 4);
        set(2, 0x02A, ASSIGN_DISABLED, 0);
        set(2, 0x00F, ASSIGN_STOP_MACRO, 0);
        set(2, 0x010, ASSIGN_KEY, 0x15B);
    }

    std::vector<uint8_t> KeyMapOnKeyboard(int profile) {
        const auto maps = Control().ReadMemory(Memory::kKeyMaps);
        return {maps.begin() + profile * kKeyMapSize, maps.begin() + (profile + 1) * kKeyMapSize};
    }

    std::vector<uint8_t> EncodedKeyMap(int profile) {
        auto lock = working.Lock();
        const KeyMap map = EncodeKeyMap(working.Block(profile), working.Macros(), context.DefaultKeyMap());
        return {map.begin(), map.end()};
    }

    int MakeWriteCopyNow(bool all_profiles) {
        auto lock = working.Lock();  // callers hold the profile lock
        const int result = MakeWriteCopy(working, copy, all_profiles, *services);
        Control().WaitUntilIdle(kIdle);
        return result;
    }

    VirtualKeyboard* keyboard = nullptr;
    std::unique_ptr<HidServLibrary> library;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<CommandSet> commands;
    KeyboardContext context;
    RecordingPrompter prompter;
    TextTable texts;
    std::unique_ptr<KeyboardWriteServices> services;
    WorkingProfile working;
    WriteCopy copy;
};

// One CMD_BEGIN_ACCESS, the macro chunks, 7 chunks per key map, one CMD_END_ACCESS;
// every write sent while the keyboard was inside the group.
void ExpectOneAccessGroup(const std::vector<SentReport>& sent, size_t macro_chunks, size_t key_maps) {
    std::vector<SentReport> expected = {{CMD_BEGIN_ACCESS, false}};
    expected.insert(expected.end(), macro_chunks, {CMD_WRITE_MACROS, true});
    expected.insert(expected.end(), key_maps * 7, {CMD_WRITE_KEYMAP, true});
    expected.push_back({CMD_END_ACCESS, true});
    EXPECT_EQ(sent, expected);
}

size_t Chunks(size_t bytes) {
    return (bytes + kChunkSize - 1) / kChunkSize;
}

TEST_F(ModelKeyboardWriteTest, CurrentProfileKeyMapAndMacrosReachTheKeyboard) {
    SetKeyboardState(1, 8);  // profile 1, 1024 bytes of macro memory
    FillWorkingProfile();
    const auto factory_maps = Control().ReadMemory(Memory::kKeyMaps);

    ASSERT_EQ(MakeWriteCopyNow(false), 1);

    const auto block = EncodeMacroMemory(copy.macros, true);
    const auto memory = Control().ReadMemory(Memory::kMacros);
    ASSERT_EQ(memory.size(), 1024u);
    EXPECT_EQ(
        std::vector<uint8_t>(memory.begin(), memory.begin() + static_cast<std::ptrdiff_t>(block.size())),
        block);
    EXPECT_EQ(KeyMapOnKeyboard(1), EncodedKeyMap(1));
    EXPECT_NE(KeyMapOnKeyboard(1),
              std::vector<uint8_t>(factory_maps.begin() + 378, factory_maps.begin() + 756));
    EXPECT_EQ(KeyMapOnKeyboard(0), std::vector<uint8_t>(factory_maps.begin(), factory_maps.begin() + 378));
    EXPECT_EQ(KeyMapOnKeyboard(2), std::vector<uint8_t>(factory_maps.begin() + 756, factory_maps.end()));

    auto sent = ReportRecorder::Instance().Take();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front().code, CMD_READ_STATE) << "the current profile is asked first";
    sent.erase(sent.begin());
    ExpectOneAccessGroup(sent, Chunks(block.size()), 1);
    EXPECT_FALSE(Control().InAccessGroup());
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST_F(ModelKeyboardWriteTest, AllThreeKeyMapsInProfileOrder) {
    SetKeyboardState(0, 8);
    FillWorkingProfile();
    ASSERT_EQ(MakeWriteCopyNow(true), 1);
    for (int profile = 0; profile < 3; ++profile) {
        EXPECT_EQ(KeyMapOnKeyboard(profile), EncodedKeyMap(profile)) << "profile " << profile;
    }
    const auto block = EncodeMacroMemory(copy.macros, true);
    ExpectOneAccessGroup(ReportRecorder::Instance().Take(), Chunks(block.size()), 3);
}

TEST_F(ModelKeyboardWriteTest, MacroSetTooLargeForTheKeyboardWritesNothing) {
    SetKeyboardState(0, 1);  // 128 bytes
    FillWorkingProfile();
    working.Macros().push_back(Macro(7, u"Long", 40));  // 16 + 6 + 28 + 16 + 164 bytes without names
    const auto maps_before = Control().ReadMemory(Memory::kKeyMaps);
    const auto macros_before = Control().ReadMemory(Memory::kMacros);

    EXPECT_EQ(MakeWriteCopyNow(true), 0);
    EXPECT_EQ(prompter.Keys(), std::vector<std::string>{"EXTRA_MACRO_TOO_LONG"});
    EXPECT_EQ(prompter.Prompts()[0].text, texts.Text("EXTRA_MACRO_TOO_LONG"));
    EXPECT_TRUE(ReportRecorder::Instance().Take().empty());
    EXPECT_EQ(Control().ReadMemory(Memory::kKeyMaps), maps_before);
    EXPECT_EQ(Control().ReadMemory(Memory::kMacros), macros_before);
}

TEST_F(ModelKeyboardWriteTest, NamesAreLeftOutWhenOnlyTheMacrosFit) {
    working.Macros() = {Macro(1, std::u16string(60, u'n'), 20)};  // N = 16 + 2 + 84 = 102, W = 222
    SetKeyboardState(0, 1);
    ASSERT_EQ(MakeWriteCopyNow(false), 1);
    const auto memory = Control().ReadMemory(Memory::kMacros);
    const auto block = EncodeMacroMemory(copy.macros, false);
    ASSERT_EQ(block.size(), 102u);
    EXPECT_EQ(std::vector<uint8_t>(memory.begin(), memory.begin() + 102), block);
    EXPECT_EQ(prompter.Keys(), std::vector<std::string>{"EXTRA_PROFILE_SPACE_TIGHT"});
}

TEST_F(ModelKeyboardWriteTest, UnknownCurrentProfileWritesNothing) {
    SetKeyboardState(7, 8);  // a profile number the keyboard cannot have
    FillWorkingProfile();
    const auto maps_before = Control().ReadMemory(Memory::kKeyMaps);
    EXPECT_EQ(MakeWriteCopyNow(false), 0);
    EXPECT_EQ(ReportRecorder::Instance().TakeCodes(), std::vector<uint8_t>{CMD_READ_STATE});
    EXPECT_EQ(context.CachedProfile(), kProfileUnknown);
    EXPECT_EQ(Control().ReadMemory(Memory::kKeyMaps), maps_before);
}

TEST_F(ModelKeyboardWriteTest, KeyboardUnpluggedDuringTheWriteIsAFailure) {
    SetKeyboardState(0, 8);
    FillWorkingProfile();
    Control().DetachAfterReports(3);  // begin access and two macro chunks, then the cable is pulled
    EXPECT_EQ(MakeWriteCopyNow(true), 0);
    EXPECT_FALSE(Control().IsPresent());
}

TEST_F(ModelKeyboardWriteTest, CurrentProfileIsReadOnceAndSwitched) {
    SetKeyboardState(2, 8);
    EXPECT_EQ(GetCurrentProfile(*commands, context), 2);
    EXPECT_EQ(GetCurrentProfile(*commands, context), 2);
    EXPECT_EQ(ReportRecorder::Instance().TakeCodes(), std::vector<uint8_t>{CMD_READ_STATE});

    const auto state_before = Control().ReadMemory(Memory::kState);
    EXPECT_EQ(SetCurrentProfile(*commands, context, 0), kResultDone);
    EXPECT_EQ(context.CachedProfile(), 0);
    auto state = Control().ReadMemory(Memory::kState);
    EXPECT_EQ(state[kStateCurrentProfileOffset], 0);
    state[kStateCurrentProfileOffset] = state_before[kStateCurrentProfileOffset];
    EXPECT_EQ(state, state_before) << "every other byte of the state block is written back as read";
    EXPECT_EQ(ReportRecorder::Instance().TakeCodes(),
              (std::vector<uint8_t>{CMD_READ_STATE, CMD_WRITE_STATE}));

    EXPECT_EQ(SetCurrentProfile(*commands, context, 3), kResultBadProfile);
    EXPECT_EQ(SetCurrentProfile(*commands, context, kProfileUnknown), kResultBadProfile);
    EXPECT_TRUE(ReportRecorder::Instance().Take().empty());
    EXPECT_EQ(context.CachedProfile(), 0);
}

TEST_F(ModelKeyboardWriteTest, WithoutAnAnswerTheProfileStaysUnknownAndIsAskedAgain) {
    Control().Detach();
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_EQ(GetCurrentProfile(*commands, context), kProfileUnknown);
    EXPECT_EQ(GetCurrentProfile(*commands, context), kProfileUnknown);
    Control().Attach();
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    SetKeyboardState(1, 8);
    EXPECT_EQ(GetCurrentProfile(*commands, context), 1);

    // The state block is read, then the cable is pulled before the write: the profile is unknown again.
    Control().DetachAfterReports(1);
    EXPECT_NE(SetCurrentProfile(*commands, context, 2), kResultDone);
    EXPECT_EQ(context.CachedProfile(), kProfileUnknown);
}

}  // namespace
}  // namespace quovex
