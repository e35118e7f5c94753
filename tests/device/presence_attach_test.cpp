// The presence watch against the virtual keyboard: what a start with and
// without the keyboard, a plug-in, an unplug and a repeated count do to the
// keyboard model, the working profile and the window.
#include <gtest/gtest.h>

#include <thread>

#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using namespace std::chrono_literals;
using test_support::AppFixture;
using Call = test_support::RecordingViewSink::Call;

// The names of the window calls the presence watch makes, in order.
std::vector<std::string> PresenceCalls(const test_support::RecordingViewSink& view) {
    std::vector<std::string> names;
    for (const Call& call : view.Calls()) {
        if (call.name == "ProfileSync" || call.name == "DeviceRemoved" || call.name == "HideMainWindow" ||
            call.name == "OpenMainWindow") {
            names.push_back(call.name);
        } else if (call.name == "SetTrayIcon") {
            names.push_back("SetTrayIcon " + std::to_string(call.value));
        }
    }
    return names;
}

// Waits (bounded) until the window has seen `count` calls of `name`.
bool WaitForCalls(const test_support::RecordingViewSink& view, const std::string& name, size_t count) {
    for (int i = 0; i < 1000 && view.Count(name) < count; ++i) std::this_thread::sleep_for(5ms);
    return view.Count(name) >= count;
}

class PresenceStartTest : public AppFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(PresenceStartTest, KeyboardAtStartIsReadAndOpensTheWindowOnceUnlessStartedHidden) {
    const bool start_hidden = GetParam();
    KeyMap keyboard_default = kBuiltInDefaultKeyMap;
    keyboard_default[3 * 40 + 2] = 0x2C;  // the keyboard's own default map differs from the built-in one
    ASSERT_TRUE(Control().WriteMemory(sim::Memory::kDefaultKeyMap, 0, keyboard_default));
    SetKeyboardState(1, 16);

    ContextOptions options;
    options.start_hidden = start_hidden;
    ApplicationContext& context = StartedContext(options);

    EXPECT_EQ(context.Keyboard().DefaultKeyMap(), keyboard_default);
    EXPECT_EQ(context.Keyboard().MacroMemorySize(), 16 * 128);
    EXPECT_EQ(context.Presence(), 1u);
    EXPECT_TRUE(std::filesystem::exists(WorkingFile()));
    std::vector<std::string> expected = {"ProfileSync", "SetTrayIcon 141"};
    if (!start_hidden) expected.push_back("OpenMainWindow");
    EXPECT_EQ(PresenceCalls(view_), expected);
    EXPECT_EQ(view_.CallsOf("SetProfileButtonChecked"), (std::vector<Call>{{"SetProfileButtonChecked", 1}}));

    // Later attaches leave the window as the user left it.
    view_.Clear();
    Control().Detach();
    WaitForPresence();
    Control().Attach();
    WaitForPresence();
    EXPECT_EQ(view_.Count("OpenMainWindow"), 0u);
    EXPECT_EQ(context.Presence(), 1u);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutStart, PresenceStartTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Start" : "Plain"; });

TEST_F(PresenceStartTest, KeyboardPluggedInAfterAStartWithoutOneIsReadButDoesNotOpenTheWindow) {
    Control().Detach();
    ApplicationContext& context = StartedContext();
    EXPECT_EQ(context.Presence(), 0u);
    EXPECT_TRUE(PresenceCalls(view_).empty()) << "nothing changed: the icon stays 128";
    EXPECT_FALSE(std::filesystem::exists(WorkingFile()));

    SetKeyboardState(2, 8);
    Control().Attach();
    WaitForPresence();
    EXPECT_EQ(PresenceCalls(view_), (std::vector<std::string>{"ProfileSync", "SetTrayIcon 141"}));
    EXPECT_EQ(context.Presence(), 1u);
    EXPECT_EQ(context.Keyboard().MacroMemorySize(), 8 * 128);
    EXPECT_EQ(context.Keyboard().CachedProfile(), 2);
    EXPECT_TRUE(std::filesystem::exists(WorkingFile()));
}

TEST_F(PresenceStartTest, UnplugForgetsTheProfileClosesAndHidesTheWindowAndKeepsTheWorkingProfile) {
    ApplicationContext& context = StartedContext();
    EditKey(0, 0x1E, 0x30);
    const auto before = WorkingBytes();
    view_.Clear();

    Control().Detach();
    WaitForPresence();
    EXPECT_EQ(context.Presence(), 0u);
    EXPECT_EQ(context.Keyboard().CachedProfile(), kProfileUnknown);
    EXPECT_EQ(PresenceCalls(view_),
              (std::vector<std::string>{"DeviceRemoved", "HideMainWindow", "SetTrayIcon 128"}));
    EXPECT_EQ(WorkingBytes(), before);
    EXPECT_TRUE(context.Flags().apply_enabled.load()) << "the edit is still unsaved";
}

TEST_F(PresenceStartTest, RepeatedCountDoesNothing) {
    ApplicationContext& context = StartedContext();
    view_.Clear();
    const uint64_t reports = Control().ReportsReceived();
    context.OnDeviceCountChanged(1);
    ASSERT_TRUE(context.WaitForPresenceIdle(kIdle));
    EXPECT_TRUE(view_.Calls().empty());
    EXPECT_EQ(Control().ReportsReceived(), reports);
}

TEST_F(PresenceStartTest, AttachWaitsForTheWindowToBeReadyBeforeTheTrayAndOpening) {
    MakeContext().Start();
    ASSERT_TRUE(WaitForCalls(view_, "ProfileSync", 1));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(view_.Count("SetTrayIcon"), 0u);
    EXPECT_EQ(context_->Presence(), 0u) << "the count is stored only once the window is ready";

    context_->FinishInitialisation();
    WaitForPresence();
    EXPECT_EQ(PresenceCalls(view_),
              (std::vector<std::string>{"ProfileSync", "SetTrayIcon 141", "OpenMainWindow"}));
}

TEST_F(PresenceStartTest, FailedDefaultMapReadIsShownAndTheBuiltInMapKept) {
    Control().SetFaults({.no_answer = 3});  // the first command of the attach is the default map read
    ApplicationContext& context = MakeContext();
    context.Start();
    ASSERT_TRUE(WaitForCalls(view_, "ProfileSync", 1));
    context.FinishInitialisation();
    WaitForPresence();
    EXPECT_EQ(prompter_.Keys(), (std::vector<std::string>{"MAIN_DEFAULT_MATRIX_PROMPT"}));
    EXPECT_EQ(context.Keyboard().DefaultKeyMap(), kBuiltInDefaultKeyMap);
    EXPECT_EQ(context.Presence(), 1u) << "the attach goes on";
    EXPECT_EQ(view_.Count("ProfileSync"), 1u);
}

TEST_F(PresenceStartTest, QuickUnplugAndPlugInAreHandledInOrder) {
    ApplicationContext& context = StartedContext();
    view_.Clear();
    Control().Detach();
    Control().Attach();
    WaitForPresence();
    EXPECT_EQ(PresenceCalls(view_),
              (std::vector<std::string>{"DeviceRemoved", "HideMainWindow", "SetTrayIcon 128", "ProfileSync",
                                        "SetTrayIcon 141"}));
    EXPECT_EQ(context.Presence(), 1u);
}

TEST_F(PresenceStartTest, ShutdownEndsAnAttachThreadThatWaitsForTheWindow) {
    MakeContext().Start();
    ASSERT_TRUE(WaitForCalls(view_, "ProfileSync", 1));
    const auto start = std::chrono::steady_clock::now();
    context_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_EQ(view_.Count("SetTrayIcon"), 0u);
}

TEST_F(PresenceStartTest, KeyboardEventsReachTheWindow) {
    StartedContext();
    view_.Clear();
    Control().SwitchBank();
    Control().ReportLightingChanged();
    Control().SendEvent(6161);
    Control().SendEvent(6160);
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_EQ(
        view_.Calls(),
        (std::vector<Call>{
            {"BankChanged", 1}, {"LightingChangedOnKeyboard", 0}, {"TrayEvent", 6161}, {"TrayEvent", 6160}}));
}

}  // namespace
}  // namespace quovex
