// The lighting panel's logic against the virtual keyboard: what the refresh
// shows, the lighting view switch, the lighting part of a profile button, the
// RGB boxes and the colour wheel, and where clicks on the keyboard picture go.
#include <gtest/gtest.h>

#include "lighting/key_colour_operations.h"
#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/lighting_panel_input.h"
#include "lighting_keyboard_fixture.h"

namespace quovex::lighting_test {
namespace {

namespace lc = lighting_control;
using Lines = std::vector<std::string>;
using test_support::ReadFileText;

class LightingPanelTest : public LightingKeyboardTest {
protected:
    std::string SettingsFile() { return ReadFileText(LightingSettingsPath(profileFolder)); }
    void ViewOn() {
        ASSERT_TRUE(ToggleLightingView(*lighting, [] { return true; }));
        Sent();
        view.ClearCalls();
    }

    WorkingProfile working;
    TextTable texts;
    KeyView keyView{view, working, texts};
};

TEST_F(LightingPanelTest, RefreshShowsTheLightingState) {
    SetLightingBytes(0, 0, {12, 1, 4, 0xFF, 0, 10, 20, 30});
    SetLightingBytes(0, 15, {2});
    LoadAndShow();

    EXPECT_EQ(view.EffectList().size(), 19u);
    EXPECT_EQ(view.EffectList()[0], (EffectListItem{"Wave", 1}));
    EXPECT_EQ(view.EffectList()[2], (EffectListItem{"1", 3})) << "no name in the skin: the default";
    EXPECT_EQ(view.EffectSelection(), ListIndexOf(12));
    EXPECT_EQ(view.Checked(1169), true);
    EXPECT_EQ(view.Checked(1147), false);
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).position, 1);
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).track, "1.bmp");
    EXPECT_EQ(view.SliderOf(lc::kSpeedSlider).position, 0);
    EXPECT_EQ(view.SliderOf(lc::kSpeedSlider).track, "6.bmp");
    EXPECT_EQ(view.Colour(lc::kFirstGroupColour), (Rgb{10, 20, 30}));
    EXPECT_EQ(view.Picture(lc::kSecondGroupMultiColour), "sjsup.bmp");
    EXPECT_EQ(view.Picture(lc::kDirectionFirst), "updown.bmp");
    EXPECT_EQ(view.Place(lc::kDirectionLabel), "CONTROL_BLFXStatic3");
    EXPECT_EQ(view.Picture(lc::kViewSwitch), "dengup.bmp");
    EXPECT_EQ(view.Visible(lc::kEffectList), false) << "the lighting view is off";
    EXPECT_EQ(view.Visible(lc::kSpeedSlider), false);
    EXPECT_FALSE(view.Visible(lc::kReportRateButtons[0]).has_value()) << "report-rate buttons stay";
    EXPECT_FALSE(view.Visible(lc::kRgbBoxes[0]).has_value()) << "RGB boxes stay";
    EXPECT_EQ(view.PresetSelection(), 1);
    EXPECT_EQ(view.Colour(lc::kBaseColour), kPresetBase);
    EXPECT_EQ(view.Picture(lc::kTools[1]), "user2down.bmp");
    EXPECT_EQ(view.FrameCalls(), 0);

    lighting->state.lightingView = true;
    RefreshLightingPanel(*lighting);
    EXPECT_EQ(view.Visible(lc::kEffectList), true);
    EXPECT_EQ(view.Visible(lc::kDirectionFirst), true);
    EXPECT_EQ(view.Visible(lc::kSecondGroupColour), false);
    EXPECT_EQ(view.Picture(lc::kViewSwitch), "dengdown.bmp");
}

TEST_F(LightingPanelTest, Mode10ShowsMultiColourAndMode20PaintsTheKeysWhileTheViewIsOn) {
    SetLightingBytes(0, 0, {10});
    SetLightingBytes(0, 4, {0});
    LoadAndShow();
    EXPECT_TRUE(lighting->state.multiColour);
    EXPECT_EQ(view.Picture(lc::kFirstGroupMultiColour), "sjsdown.bmp");
    EXPECT_EQ(Sent(), Lines{}) << "nothing is written for it";

    SetLightingBytes(0, 0, {20});
    test_support::WriteText(LightingSettingsPath(profileFolder),
                            "[KEYCOLOR]\nDengCheck=1\nusermodeCheck=1\n");
    LoadAndShow();
    EXPECT_EQ(view.Frame(kKeyS), (Rgb{1, 2, 3}));
    EXPECT_EQ(view.Visible(lc::kPresetList), true);
}

TEST_F(LightingPanelTest, TurningTheViewOnReappliesTheProfileAndShowsTheModesControls) {
    SetLightingBytes(0, 0, {10});
    LoadAndShow();
    int reapplied = 0;
    ASSERT_TRUE(ToggleLightingView(*lighting, [&] { return ++reapplied > 0; }));
    EXPECT_EQ(reapplied, 1);
    EXPECT_EQ(SettingsFile(), "[KEYCOLOR]\nusermodeCheck=1\nDengCheck=1\n");
    EXPECT_EQ(view.Picture(lc::kViewSwitch), "dengdown.bmp");
    EXPECT_EQ(view.Calls().front(), "reset keys");
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 4: 01", "end"})) << "mode 10 forces multi-colour on";
    EXPECT_EQ(view.Visible(lc::kSpeedSlider), true);
    EXPECT_EQ(view.Visible(lc::kDirectionFirst), false);
    EXPECT_EQ(view.Colour(lc::kBaseColour), kPresetBase);

    EXPECT_FALSE(ToggleLightingView(*lighting, {}));
    EXPECT_EQ(SettingsFile(), "[KEYCOLOR]\nusermodeCheck=1\nDengCheck=0\n");
    EXPECT_EQ(view.Picture(lc::kViewSwitch), "dengup.bmp");
    EXPECT_EQ(view.Visible(lc::kEffectList), false);
    EXPECT_EQ(view.Visible(lc::kSpeedSlider), false);
    EXPECT_EQ(view.Calls().back(), "visible 1193 off");
    const auto& calls = view.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "redraw assignments"), calls.end());
    EXPECT_EQ(Sent(), Lines{});
}

TEST_F(LightingPanelTest, TurningTheViewOnWithMode20AppliesTheSelectedPreset) {
    SetLightingBytes(0, 0, {20});
    LoadAndShow();
    ASSERT_TRUE(ToggleLightingView(*lighting, [] { return true; }));
    EXPECT_EQ(Sent().size(), 10u) << "one group of eight key colour reports";
    EXPECT_EQ(view.Frame(kKeyA), kPresetBase);
    EXPECT_EQ(view.Visible(lc::kPresetList), true);
}

TEST_F(LightingPanelTest, ARefusedProfileReapplicationLeavesTheViewOff) {
    LoadAndShow();
    EXPECT_FALSE(ToggleLightingView(*lighting, [] { return false; }));
    EXPECT_FALSE(lighting->state.lightingView);
    EXPECT_EQ(view.Calls(), Lines{});
    EXPECT_EQ(SettingsFile(), "[KEYCOLOR]\nusermodeCheck=1\n");
    EXPECT_EQ(LightingKeyButtonClicked(*lighting, keyView, kKeyA, 0, 0), KeyClickResult::kOpenAssignment)
        << "key clicks do not paint";
}

TEST_F(LightingPanelTest, AProfileButtonTakesTheProfilesLightingAndTurnsTheViewOff) {
    SetLightingBytes(2, 0, {5, 3});
    LoadAndShow();
    ViewOn();

    ASSERT_TRUE(TakeLightingProfile(*lighting, 2));
    EXPECT_EQ(lighting->state.profileIndex, 2);
    EXPECT_EQ(lighting->state.currentMode, 5);
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).position, 3);
    EXPECT_FALSE(lighting->state.lightingView);
    EXPECT_EQ(view.Picture(lc::kViewSwitch), "dengup.bmp");
    EXPECT_EQ(SettingsFile(), "[KEYCOLOR]\nusermodeCheck=1\nDengCheck=0\n");
    const Lines sent = Sent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "read state");
    EXPECT_NE(std::find(sent.begin(), sent.end(), "key colours 1024 x54"), sent.end())
        << "profile 2's preset is sent";

    EXPECT_FALSE(TakeLightingProfile(*lighting, 3));
    EXPECT_FALSE(TakeLightingProfile(*lighting, -1));
    EXPECT_EQ(lighting->state.profileIndex, 2);
    EXPECT_EQ(Sent(), Lines{});
}

TEST_F(LightingPanelTest, RgbBoxesClampAndSendTheColourWhereTheModeTakesIt) {
    LoadAndShow();
    ViewOn();  // mode 1

    EXPECT_EQ(RgbBoxChanged(*lighting, {300, 20, 30}), (std::array<int, 3>{255, 20, 30}));
    EXPECT_EQ(view.RgbBoxes(), (std::array<int, 3>{255, 20, 30}));
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 4: 00", "lighting 5: FF 14 1E", "end"}));
    EXPECT_EQ(view.Colour(lc::kFirstGroupColour), (Rgb{255, 20, 30}));
    EXPECT_EQ(RgbBoxChanged(*lighting, {-4, 0, 1}), (std::array<int, 3>{0, 0, 1}));
    Sent();

    SelectLightingMode(*lighting, ListIndexOf(4));
    Sent();
    RgbBoxChanged(*lighting, {1, 2, 3});
    EXPECT_EQ(Sent(), Lines{}) << "mode 4 takes no colour";

    SelectLightingMode(*lighting, ListIndexOf(20));
    Sent();
    RgbBoxChanged(*lighting, {7, 8, 9});  // tool 1: the base colour
    EXPECT_EQ(lighting->keyColours.tools.baseColour, (Rgb{7, 8, 9}));
    EXPECT_EQ(view.Colour(lc::kBaseColour), (Rgb{7, 8, 9}));
    EXPECT_EQ(Sent().size(), 10u) << "the base colour fill";
    SelectTool(*lighting, kToolPaintColour);
    RgbBoxChanged(*lighting, {4, 5, 6});
    EXPECT_EQ(lighting->keyColours.tools.paintColour, (Rgb{4, 5, 6}));
    EXPECT_EQ(view.Colour(lc::kPaintColour), (Rgb{4, 5, 6}));
    EXPECT_EQ(Sent(), Lines{});
}

TEST_F(LightingPanelTest, TheWheelFillsTheRgbBoxesAlsoWithTheViewOffButWritesOnlyWithItOn) {
    LoadAndShow();
    int pixelReads = 0;
    const auto pixel = [&] {
        ++pixelReads;
        return Rgb{0, 128, 255};
    };
    EXPECT_FALSE(PickWheelColour(*lighting, 204, 144, pixel));
    EXPECT_EQ(pixelReads, 0);
    EXPECT_FALSE(view.RgbBoxes().has_value());

    EXPECT_TRUE(PickWheelColour(*lighting, 150, 150, pixel));
    EXPECT_EQ(view.RgbBoxes(), (std::array<int, 3>{0, 128, 255}));
    EXPECT_EQ(Sent(), Lines{});

    ViewOn();
    EXPECT_TRUE(PickWheelColour(*lighting, 150, 150, pixel));
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 4: 00", "lighting 5: 00 80 FF", "end"}));
}

TEST_F(LightingPanelTest, ClicksOnTheKeyboardPicturePaintToggleOrOpenTheAssignment) {
    LoadAndShow();
    const auto click = [&](int id) { return LightingKeyButtonClicked(*lighting, keyView, id, 0, 0); };

    EXPECT_EQ(click(kKeyA), KeyClickResult::kOpenAssignment);
    EXPECT_EQ(click(1000), KeyClickResult::kOpenAssignment);
    EXPECT_EQ(click(kKeyFn), KeyClickResult::kIgnored);
    EXPECT_EQ(click(1006), KeyClickResult::kIgnored);

    keyView.ToggleKeyView(0, 0);
    EXPECT_EQ(click(kKeyA), KeyClickResult::kLightToggled);
    EXPECT_EQ(click(1000), KeyClickResult::kLightToggled);
    {
        auto lock = working.Lock();
        EXPECT_EQ(working.Block(0)[0].light, 0u) << "A and G1 share entry 0: flipped twice";
    }
    EXPECT_EQ(LightingKeyButtonClicked(*lighting, keyView, kKeyA, -1, 0), KeyClickResult::kIgnored);

    ViewOn();
    SelectLightingMode(*lighting, ListIndexOf(20));
    Sent();
    EXPECT_EQ(click(kKeyA), KeyClickResult::kPainted);
    EXPECT_EQ(click(kKeyFn), KeyClickResult::kPainted);
    EXPECT_EQ(Sent().size(), 6u) << "two single-key groups";
    EXPECT_EQ(click(1000), KeyClickResult::kLightToggled)
        << "G keys go to the key view whatever the lighting view";
}

TEST_F(LightingPanelTest, PanelControlsRouteToTheirOperations) {
    LoadAndShow();
    ViewOn();
    const struct {
        int id;
        Lines sent;
    } clicks[] = {
        {lc::kDirectionFirst, {"begin", "lighting 3: FF", "end"}},
        {lc::kDirectionSecond, {"begin", "lighting 3: 00", "end"}},
        {lc::kFirstGroupMultiColour, {"begin", "lighting 4: 00", "end"}},
        {lc::kSecondGroupMultiColour, {"begin", "lighting 4: 01", "end"}},
        {lc::kSwatches[3], {"begin", "lighting 17: 03", "end"}},
        {lc::kReportRateButtons[2], {"begin", "lighting 15: 02", "end"}},
    };
    for (const auto& c : clicks) {
        EXPECT_TRUE(LightingControlClicked(*lighting, c.id, {})) << c.id;
        EXPECT_EQ(Sent(), c.sent) << c.id;
    }
    EXPECT_TRUE(LightingControlClicked(*lighting, lc::kTools[0], {}));
    EXPECT_EQ(lighting->keyColours.tools.tool, kToolPaintColour);
    EXPECT_FALSE(LightingControlClicked(*lighting, 1006, {}));

    EXPECT_TRUE(LightingSliderMoved(*lighting, lc::kSpeedSlider, 0));
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 2: 04", "end"}));
    EXPECT_TRUE(LightingSliderMoved(*lighting, lc::kBrightnessSlider, 3));
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 1: 03", "end"}));
    EXPECT_FALSE(LightingSliderMoved(*lighting, lc::kEffectList, 3));

    EXPECT_TRUE(LightingColourChosen(*lighting, lc::kSecondGroupColour, Rgb{1, 1, 1}));
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 4: 00", "lighting 5: 01 01 01", "end"}));
    EXPECT_TRUE(LightingColourChosen(*lighting, lc::kPaintColour, Rgb{2, 2, 2}));
    EXPECT_EQ(lighting->keyColours.tools.paintColour, (Rgb{2, 2, 2}));
    EXPECT_FALSE(LightingColourChosen(*lighting, lc::kEffectList, Rgb{}));

    EXPECT_TRUE(LightingControlClicked(*lighting, lc::kViewSwitch, {}));
    EXPECT_FALSE(lighting->state.lightingView);
}

}  // namespace
}  // namespace quovex::lighting_test
