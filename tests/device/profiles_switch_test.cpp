// Switching the on-board profile against the virtual keyboard: the save
// question and its two answers, its re-entry, the refusal while the key
// assignment dialog is open, the profile menu and the profile buttons.
#include <gtest/gtest.h>

#include <functional>

#include "model/assign_type.h"
#include "profiles/profile_buttons.h"
#include "profiles/profile_menu.h"
#include "profiles/profile_switch.h"
#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using test_support::AppFixture;
using test_support::ReadBytes;
using Call = test_support::RecordingViewSink::Call;

constexpr int kEditedSlot = 0x1E;  // the A key

int KeyboardProfile(sim::VirtualKeyboardControl& control) {
    return control.ReadMemory(sim::Memory::kState)[kStateCurrentProfileOffset];
}

class ProfilesSwitchTest : public AppFixture {
protected:
    // Profile 0 active, a key of profile 0 edited and not applied.
    void StartWithUnsavedEdit() {
        SetKeyboardState(0, 64);
        StartedContext();
        factory_map_ = KeyMapOnKeyboard(0);
        EditKey(0, kEditedSlot, 0x30);
        view_.Clear();
    }

    uint16_t EditedType() {
        auto lock = context_->Working().Lock();
        return context_->Working().Entry(EntryIndex(0, kEditedSlot)).type;
    }

    std::vector<uint8_t> factory_map_;
};

TEST_F(ProfilesSwitchTest, UnsavedChangesAnsweredYesAreAppliedBeforeTheSwitch) {
    StartWithUnsavedEdit();
    prompter_.QueueAnswer(true);

    EXPECT_EQ(SwitchProfile(Services(), 1), 1);
    EXPECT_EQ(prompter_.Keys(), (std::vector<std::string>{"PROFILE_SELECT_PROMPT"}));
    EXPECT_NE(KeyMapOnKeyboard(0), factory_map_) << "Apply wrote the edit to the keyboard";
    EXPECT_EQ(ReadBytes(WorkingFile()), WorkingBytes());
    EXPECT_EQ(EditedType(), ASSIGN_KEY);
    EXPECT_EQ(KeyboardProfile(Control()), 1);
    EXPECT_FALSE(context_->Flags().apply_enabled.load());
    EXPECT_EQ(view_.CallsOf("RefreshKeyButtons"), (std::vector<Call>{{"RefreshKeyButtons", 1}}));
    EXPECT_EQ(view_.LastMenu()->checked_position, 3);
}

TEST_F(ProfilesSwitchTest, UnsavedChangesAnsweredNoAreThrownAway) {
    StartWithUnsavedEdit();
    const auto working_file = ReadBytes(WorkingFile());
    prompter_.QueueAnswer(false);

    EXPECT_EQ(SwitchProfile(Services(), 1), 1);
    EXPECT_EQ(prompter_.Keys(), (std::vector<std::string>{"PROFILE_SELECT_PROMPT"}));
    EXPECT_EQ(EditedType(), ASSIGN_DEFAULT) << "the working file was loaded again";
    EXPECT_EQ(ReadBytes(WorkingFile()), working_file);
    EXPECT_EQ(KeyMapOnKeyboard(0), factory_map_);
    EXPECT_EQ(KeyboardProfile(Control()), 1);
    EXPECT_FALSE(context_->Flags().apply_enabled.load());
}

TEST_F(ProfilesSwitchTest, UnsavedChangesInTheProfileDialogAlsoAsk) {
    SetKeyboardState(0, 64);
    StartedContext();
    view_.profile_dialog_open = true;
    view_.profile_dialog_modified = true;
    EXPECT_EQ(SwitchProfile(Services(), 2), 1);
    EXPECT_EQ(prompter_.Keys(), (std::vector<std::string>{"PROFILE_SELECT_PROMPT"}));
    EXPECT_EQ(view_.Count("CheckProfileDialogRow"), 0u);
}

// A prompter that, while its question is on screen, lets another switch arrive.
class ReenteringPrompter : public test_support::RecordingPrompter {
public:
    bool AskYesNo(std::string_view key, const std::string& text) override {
        const bool answer = RecordingPrompter::AskYesNo(key, text);
        if (while_asking) std::exchange(while_asking, nullptr)();
        return answer;
    }
    std::function<void()> while_asking;
};

TEST_F(ProfilesSwitchTest, SwitchArrivingWhileTheQuestionIsOnScreenDoesNotAskAgain) {
    ReenteringPrompter prompter;
    StartWithUnsavedEdit();
    ProfileServices services = Services();
    ProfileServices reentering{services.commands, services.keyboard, services.working, services.write_copy,
                               services.paths,    services.texts,    prompter,         services.view,
                               services.log,      services.lighting, services.flags,   services.settings};
    int nested = -1;
    prompter.while_asking = [&] { nested = SwitchProfile(reentering, 2); };

    EXPECT_EQ(SwitchProfile(reentering, 1), 1);
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(prompter.Keys(), (std::vector<std::string>{"PROFILE_SELECT_PROMPT"}));
    EXPECT_EQ(KeyboardProfile(Control()), 1) << "the outer switch finishes last";
    EXPECT_FALSE(context_->Flags().switch_question_open.load());
}

TEST_F(ProfilesSwitchTest, EverySwitchPathIsRefusedWhileTheAssignmentDialogIsOpen) {
    SetKeyboardState(0, 64);
    StartedContext();
    std::vector<int> lighting_profiles;
    lighting_.take_lighting_profile = [&](int profile) { lighting_profiles.push_back(profile); };
    context_->SetLightingHooks(lighting_);
    view_.assignment_dialog_open = true;
    view_.Clear();
    const uint64_t reports = Control().ReportsReceived();

    EXPECT_EQ(SwitchProfile(Services(), 1), 0);
    EXPECT_EQ(ProfileMenuCommand(Services(), 9002), 0);
    EXPECT_EQ(PressProfileButton(Services(), 2), 0);
    EXPECT_EQ(prompter_.Keys(), std::vector<std::string>(3, "PROFILE_SEELCT_PROMPT2"));
    EXPECT_EQ(lighting_profiles, std::vector<int>{2}) << "the profile button still takes the lighting first";
    EXPECT_TRUE(view_.Calls().empty());
    EXPECT_EQ(Control().ReportsReceived(), reports);
    EXPECT_EQ(KeyboardProfile(Control()), 0);
}

TEST_F(ProfilesSwitchTest, DefaultProfileMenuItemSendsNothingAndRefreshesTheView) {
    SetKeyboardState(2, 64);
    StartedContext();
    view_.Clear();
    const uint64_t reports = Control().ReportsReceived();

    EXPECT_EQ(ProfileMenuCommand(Services(), 9000), 1);
    EXPECT_EQ(Control().ReportsReceived(), reports);
    EXPECT_EQ(view_.CallsOf("RefreshKeyButtons"), (std::vector<Call>{{"RefreshKeyButtons", 2}}));
    EXPECT_EQ(view_.LastMenu()->checked_position, 4);
}

TEST_F(ProfilesSwitchTest, MenuItemOfTheActiveProfileStillTellsTheKeyboard) {
    SetKeyboardState(1, 64);
    StartedContext();
    view_.profile_dialog_open = true;
    const uint64_t reports = Control().ReportsReceived();

    EXPECT_EQ(ProfileMenuCommand(Services(), 9002), 1);
    EXPECT_EQ(Control().ReportsReceived(), reports + 2) << "the state block is read and written";
    EXPECT_EQ(KeyboardProfile(Control()), 1);
    EXPECT_EQ(view_.CallsOf("CheckProfileDialogRow"), (std::vector<Call>{{"CheckProfileDialogRow", 1}}));
}

TEST_F(ProfilesSwitchTest, ProfileButtonSwitchesChecksItselfAndResetsTheKeyView) {
    SetKeyboardState(0, 64);
    StartedContext();
    std::vector<int> lighting_profiles;
    lighting_.take_lighting_profile = [&](int profile) { lighting_profiles.push_back(profile); };
    context_->SetLightingHooks(lighting_);
    context_->Flags().key_view.store(1);
    view_.Clear();

    EXPECT_EQ(PressProfileButton(Services(), 2), 1);
    EXPECT_EQ(lighting_profiles, std::vector<int>{2});
    EXPECT_EQ(KeyboardProfile(Control()), 2);
    EXPECT_EQ(view_.CallsOf("SetProfileButtonChecked"), (std::vector<Call>{{"SetProfileButtonChecked", 2}}));
    EXPECT_EQ(view_.Count("SetKeyViewFunctionMode"), 1u);
    EXPECT_EQ(context_->Flags().key_view.load(), 0);

    // The button of the profile already active only takes its lighting.
    view_.Clear();
    const uint64_t reports = Control().ReportsReceived();
    EXPECT_EQ(PressProfileButton(Services(), 2), 1);
    EXPECT_EQ(lighting_profiles, (std::vector<int>{2, 2}));
    EXPECT_TRUE(view_.Calls().empty());
    EXPECT_EQ(Control().ReportsReceived(), reports);
}

}  // namespace
}  // namespace quovex
