// The main window's Apply against the virtual keyboard: the working file and
// the keyboard both receive the working profile, and Apply stays enabled when
// either did not.
#include <gtest/gtest.h>

#include "keys/key_map.h"
#include "profiles/working_file.h"
#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using test_support::AppFixture;
using test_support::ReadBytes;

class ProfilesApplyTest : public AppFixture {
protected:
    std::vector<uint8_t> EncodedKeyMap(int profile) {
        auto lock = context_->Working().Lock();
        const KeyMap map = EncodeKeyMap(context_->Working().Block(profile), context_->Working().Macros(),
                                        context_->Keyboard().DefaultKeyMap());
        return {map.begin(), map.end()};
    }
};

TEST_F(ProfilesApplyTest, ApplySavesTheWorkingFileWritesTheKeyboardAndDisablesApply) {
    SetKeyboardState(1, 64);
    StartedContext();
    EditKey(1, 0x1E, 0x30);
    const auto factory_map = KeyMapOnKeyboard(1);
    view_.Clear();

    EXPECT_EQ(ApplyWorkingProfile(Services()), 1);
    EXPECT_EQ(ReadBytes(WorkingFile()), WorkingBytes());
    EXPECT_NE(KeyMapOnKeyboard(1), factory_map);
    EXPECT_EQ(KeyMapOnKeyboard(1), EncodedKeyMap(1));
    EXPECT_FALSE(context_->Flags().apply_enabled.load());
    EXPECT_EQ(view_.Calls(),
              (std::vector<test_support::RecordingViewSink::Call>{
                  {"ShowApplyProgress", 1}, {"SetApplyButtonEnabled", 0}, {"ShowApplyProgress", 0}}));
}

TEST_F(ProfilesApplyTest, DeletedWorkingFileStillWritesTheKeyboardButKeepsApplyEnabled) {
    SetKeyboardState(0, 64);
    StartedContext();
    std::filesystem::remove(WorkingFile());
    EditKey(0, 0x1E, 0x30);

    EXPECT_EQ(ApplyWorkingProfile(Services()), 0);
    EXPECT_EQ(KeyMapOnKeyboard(0), EncodedKeyMap(0)) << "the keyboard has the edit";
    EXPECT_FALSE(std::filesystem::exists(WorkingFile())) << "nothing is created";
    EXPECT_TRUE(context_->Flags().apply_enabled.load());

    // The next attach takes a snapshot again and so recreates the file.
    Control().Detach();
    WaitForPresence();
    Control().Attach();
    WaitForPresence();
    EXPECT_TRUE(std::filesystem::exists(WorkingFile()));
}

}  // namespace
}  // namespace quovex
