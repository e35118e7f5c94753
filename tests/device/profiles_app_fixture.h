// A whole application context against libHidServ.so running the virtual
// keyboard, with a recording window, prompter, log and launcher, and the
// user's folders in a temporary folder. Shared by the presence, profile and
// update tests.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/application_context.h"
#include "device/state_block.h"
#include "macros/macro_memory.h"
#include "model/profile_file.h"
#include "profiles/profile_folder.h"
#include "support/recording_prompter.h"
#include "support/recording_view_sink.h"
#include "support/temporary_folder.h"
#include "support/virtual_keyboard.h"

namespace quovex::test_support {

using namespace std::chrono_literals;

class RecordingLog : public LogSink {
public:
    void WriteLine(std::string_view line) override {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    std::vector<std::string> Lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

class RecordingLauncher : public ProgramLauncher {
public:
    bool StartProgram(const std::filesystem::path& program) override {
        started.push_back(program);
        return succeeds;
    }
    std::vector<std::filesystem::path> started;
    bool succeeds = true;
};

// A macro with `actions` key presses and releases of A.
inline MacroRecord TestMacro(uint16_t id, std::u16string_view name, int actions) {
    MacroRecord macro{};
    macro.id = id;
    macro.repeat_count = 1;
    SetMacroName(macro, name);
    for (int a = 0; a < actions; ++a)
        macro.actions[macro.action_count++] = {10, 0x01E, static_cast<uint16_t>(a % 2)};
    return macro;
}

class AppFixture : public ::testing::Test {
protected:
    static constexpr auto kIdle = 10s;  // only reached when something is broken

    void SetUp() override {
        std::string error;
        keyboard_ = testing::VirtualKeyboard::Get(&error);
        ASSERT_NE(keyboard_, nullptr) << error;
        keyboard_->Reset();
        roots_.home = folder_ / "home";
        roots_.documents = folder_ / "home" / "Documents";
        roots_.program_folder = QUOVEX_PROGRAM_DIR;
        std::filesystem::create_directories(roots_.home);
    }

    void TearDown() override {
        context_.reset();
        if (keyboard_ != nullptr) {
            Control().SetFaults({});
            Control().DetachAfterReports(std::nullopt);
            Control().WaitUntilIdle(kIdle);
        }
    }

    sim::VirtualKeyboardControl& Control() { return keyboard_->Control(); }

    // A context on the virtual keyboard, not yet started.
    ApplicationContext& MakeContext(ContextOptions options = {}) {
        options.link_timing = DeviceLinkTiming{250ms, 1ms};
        options.ready_poll = 5ms;
        context_ = std::make_unique<ApplicationContext>(
            std::make_unique<HidServLibrary>(keyboard_->Library().EntryPoints()),
            MakeApplicationPaths(roots_), TextTable{}, FrontEnd{view_, prompter_, launcher_, log_}, options);
        context_->SetLightingHooks(lighting_);
        return *context_;
    }

    // Started and initialised, with the first count handled.
    ApplicationContext& StartedContext(ContextOptions options = {}) {
        MakeContext(options).Start();
        context_->FinishInitialisation();
        WaitForPresence();
        return *context_;
    }

    // Waits until the keyboard's notifications are delivered and the presence watch has handled them.
    void WaitForPresence() {
        ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
        ASSERT_TRUE(context_->WaitForPresenceIdle(kIdle));
    }

    ProfileServices& Services() { return context_->Profiles(); }
    std::filesystem::path WorkingFile() { return GetProfilePath(context_->Paths(), 0); }

    void SetKeyboardState(uint8_t profile, uint8_t macro_units) {
        const uint8_t bytes[] = {profile, macro_units};
        ASSERT_TRUE(Control().WriteMemory(sim::Memory::kState, kStateCurrentProfileOffset, bytes));
    }

    // Puts `macros` into the keyboard's macro memory, with names.
    void SetKeyboardMacros(const std::vector<MacroRecord>& macros) {
        const auto block = EncodeMacroMemory(macros, true);
        ASSERT_FALSE(block.empty());
        ASSERT_TRUE(Control().WriteMemory(sim::Memory::kMacros, 0, block));
    }

    // The working profile as a profile file's bytes.
    std::vector<uint8_t> WorkingBytes() { return SerializeWorkingProfile(context_->Working()); }

    std::vector<uint8_t> KeyMapOnKeyboard(int profile) {
        const auto maps = Control().ReadMemory(sim::Memory::kKeyMaps);
        return {maps.begin() + profile * kKeyMapSize, maps.begin() + (profile + 1) * kKeyMapSize};
    }

    // Assigns key `slot` of `profile` to send another key, as the assignment dialog would.
    void EditKey(int profile, int slot, KeyCode key) {
        auto lock = context_->Working().Lock();
        context_->Working().Entry(EntryIndex(profile, slot)) = KeyEntry{2, 0, key, 0, 0};
        Services().SetApplyEnabled(true);
    }

    testing::VirtualKeyboard* keyboard_ = nullptr;
    TemporaryFolder folder_;
    UserRoots roots_;
    RecordingViewSink view_;
    RecordingPrompter prompter_;
    RecordingLauncher launcher_;
    RecordingLog log_;
    LightingHooks lighting_;
    std::unique_ptr<ApplicationContext> context_;
};

}  // namespace quovex::test_support
