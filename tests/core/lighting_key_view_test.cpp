// The key view switch: the colour keys view shows and flips the light flags of
// the working profile's block of the current on-board profile, and does nothing
// while that profile is unknown.
#include <gtest/gtest.h>

#include "lighting/key_view.h"
#include "model/key_layout.h"
#include "support/recording_lighting_view.h"

namespace quovex {
namespace {

using test_support::RecordingLightingView;

constexpr int kBankA = 0;
constexpr int kBankB = 1;
constexpr int kG1 = 1000;
constexpr int kG3 = 1002;
constexpr int kKeyL = 1066;  // position 11
constexpr int kKeyA = 1058;  // position 0

class KeyViewTest : public ::testing::Test {
protected:
    uint32_t Light(int profile, int entry) {
        auto lock = working.Lock();
        return working.Block(profile)[entry].light;
    }
    void SetLight(int profile, int entry, uint32_t light) {
        auto lock = working.Lock();
        working.Block(profile)[entry].light = light;
    }

    RecordingLightingView view;
    WorkingProfile working;
    TextTable texts;  // built-in captions
    KeyView keyView{view, working, texts};
};

TEST_F(KeyViewTest, SwitchShowsTheCaptionAndTheFlagsOfTheCurrentProfile) {
    SetLight(1, 0, 1);   // A, and G1 in bank A
    SetLight(1, 11, 5);  // L: any non-zero word is lit
    SetLight(1, 9, 1);   // G1 in bank B
    SetLight(0, 11, 1);  // another profile

    keyView.ToggleKeyView(1, kBankA);
    EXPECT_TRUE(keyView.ColourKeysView());
    EXPECT_EQ(view.Caption(), "Switch to the function keys mode");
    EXPECT_EQ(view.KeyLight(kKeyA), (KeyLightLook{"main_color0.jpg", "main_color1.jpg", true, true}));
    EXPECT_TRUE(view.KeyLight(kKeyL)->lit);
    EXPECT_FALSE(view.KeyLight(1051)->lit);
    EXPECT_TRUE(view.KeyLight(kG1)->lit);
    EXPECT_FALSE(view.KeyLight(1001)->lit);

    keyView.RefreshKeyView(1, kBankB);
    EXPECT_TRUE(view.KeyLight(kG1)->lit) << "G1 in bank B uses entry 9";
    EXPECT_FALSE(view.KeyLight(1001)->lit) << "entry 10";

    keyView.ToggleKeyView(1, kBankA);
    EXPECT_FALSE(keyView.ColourKeysView());
    EXPECT_EQ(view.Caption(), "Switch to the color keys mode");
    EXPECT_FALSE(view.KeyLight(kKeyA)->pairShown) << "the normal images return";
}

TEST_F(KeyViewTest, ClickingFlipsTheFlagOfItsEntryAndEnablesApply) {
    keyView.ToggleKeyView(2, kBankB);
    view.ClearCalls();

    EXPECT_TRUE(keyView.ToggleKeyLight(kG3, 2, kBankB));
    EXPECT_EQ(Light(2, 11), 1u) << "G3 in bank B: entry 11, also the flag of L";
    EXPECT_TRUE(view.KeyLight(kG3)->lit);
    EXPECT_EQ(view.ApplyEnabled(), 1);

    EXPECT_TRUE(keyView.ToggleKeyLight(kKeyL, 2, kBankB));
    EXPECT_EQ(Light(2, 11), 0u);
    EXPECT_TRUE(keyView.ToggleKeyLight(1057, 2, kBankB)) << "the second Enter is Enter";
    EXPECT_EQ(Light(2, 36), 1u);
    EXPECT_TRUE(view.KeyLight(1070)->lit);
    EXPECT_TRUE(keyView.ToggleKeyLight(kG1, 2, kBankA));
    EXPECT_EQ(Light(2, 0), 1u);
    EXPECT_EQ(Light(0, 0) + Light(1, 0) + Light(0, 11) + Light(1, 11), 0u) << "other profiles untouched";

    EXPECT_FALSE(keyView.ToggleKeyLight(1174, 2, kBankA)) << "Fn has no light flag";
    EXPECT_FALSE(keyView.ToggleKeyLight(1006, 2, kBankA));
    EXPECT_EQ(view.ApplyEnabled(), 4);
}

TEST_F(KeyViewTest, NothingIsReadOrChangedWhileTheCurrentProfileIsUnknown) {
    keyView.ToggleKeyView(-1, kBankA);
    EXPECT_FALSE(view.KeyLight(kKeyA).has_value());
    for (int profile : {-1, 3, 7}) {
        EXPECT_FALSE(keyView.ToggleKeyLight(kKeyA, profile, kBankA)) << profile;
    }
    EXPECT_EQ(view.ApplyEnabled(), 0);
    for (int profile = 0; profile < 4; ++profile) EXPECT_EQ(Light(profile, 0), 0u);
}

TEST_F(KeyViewTest, FunctionKeysViewLeavesFlagsAloneAndAProfileButtonReturnsToIt) {
    EXPECT_FALSE(keyView.ToggleKeyLight(kKeyA, 0, kBankA)) << "the click opens the key assignment instead";
    EXPECT_EQ(Light(0, 0), 0u);

    keyView.ToggleKeyView(0, kBankA);
    keyView.ResetKeyView(1, kBankA);
    EXPECT_FALSE(keyView.ColourKeysView());
    EXPECT_EQ(view.Caption(), "Switch to the color keys mode");
    EXPECT_FALSE(view.KeyLight(kKeyA)->pairShown);
}

}  // namespace
}  // namespace quovex
