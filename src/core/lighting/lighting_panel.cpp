#include "lighting/lighting_panel.h"

#include "lighting/key_colour_operations.h"
#include "lighting/lighting_load.h"
#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/mode_table.h"

namespace quovex {
namespace {

namespace lc = lighting_control;

void ShowControls(LightingContext& lighting, const LightingControls& controls) {
    for (const PanelControl& control : LightingPanelControls()) {
        if (control.shownFor == ShownFor::kNotByMode) continue;
        lighting.view.SetControlVisible(control.id, IsShown(control.shownFor, controls));
    }
}

void ShowViewSwitch(LightingContext& lighting) {
    lighting.view.SetPicture(lc::kViewSwitch, lighting.state.lightingView ? lighting_picture::kViewOn
                                                                          : lighting_picture::kViewOff);
}

void SelectCurrentMode(LightingContext& lighting) {
    const int listIndex = lighting.state.effectMap.ListIndexOfMode(lighting.state.currentMode);
    lighting.effectSelection = listIndex;
    lighting.view.SelectEffect(listIndex);
}

}  // namespace

void ShowControlsForMode(LightingContext& lighting, int modeId) {
    ShowControls(lighting, LightingControlsForMode(modeId));
}

void HideModeControls(LightingContext& lighting) {
    ShowControls(lighting, LightingControls{});
}

void ShowControlsForView(LightingContext& lighting, int modeId) {
    if (lighting.state.lightingView) {
        ShowControlsForMode(lighting, modeId);
    } else {
        HideModeControls(lighting);
    }
}

void MoveDirectionControls(LightingContext& lighting, int modeId) {
    const DirectionPlacement placement = DirectionPlacementForMode(modeId);
    lighting.view.MoveControl(lc::kDirectionLabel, placement.label);
    lighting.view.MoveControl(lc::kDirectionFirst, placement.first);
    lighting.view.MoveControl(lc::kDirectionSecond, placement.second);
}

void ShowDirectionPictures(LightingContext& lighting, int modeId) {
    const auto& pictures = DirectionPicturesForMode(modeId);
    const bool first = lighting.state.direction != kDirectionSecond;
    lighting.view.SetPicture(lc::kDirectionFirst, first ? pictures.firstPressed : pictures.firstReleased);
    lighting.view.SetPicture(lc::kDirectionSecond, first ? pictures.secondReleased : pictures.secondPressed);
}

void ShowMultiColourPictures(LightingContext& lighting) {
    const auto picture =
        lighting.state.multiColour ? lighting_picture::kMultiColourOn : lighting_picture::kMultiColourOff;
    lighting.view.SetPicture(lc::kFirstGroupMultiColour, picture);
    lighting.view.SetPicture(lc::kSecondGroupMultiColour, picture);
}

void ShowEffectColour(LightingContext& lighting) {
    lighting.view.SetColourButton(lc::kFirstGroupColour, lighting.state.effectColour);
    lighting.view.SetColourButton(lc::kSecondGroupColour, lighting.state.effectColour);
}

void ShowSwatch(LightingContext& lighting) {
    int& swatch = lighting.state.swatch;
    if (swatch < 0 || swatch >= static_cast<int>(lc::kSwatches.size())) swatch = 0;
    for (size_t i = 0; i < lc::kSwatches.size(); ++i) {
        const auto& pictures = lighting_picture::kSwatches[i];
        lighting.view.SetPicture(lc::kSwatches[i],
                                 static_cast<int>(i) == swatch ? pictures.chosen : pictures.plain);
    }
}

void ShowReportRate(LightingContext& lighting) {
    for (size_t i = 0; i < lc::kReportRateButtons.size(); ++i) {
        lighting.view.SetButtonChecked(lc::kReportRateButtons[i],
                                       static_cast<int>(i) == lighting.state.reportRate);
    }
}

void ShowSliders(LightingContext& lighting) {
    const int brightness = lighting.state.brightness;
    const int speedPosition = lc::kHighestSliderPosition - lighting.state.speed;
    lighting.view.SetSliderPosition(lc::kBrightnessSlider, brightness);
    lighting.view.SetSliderTrack(lc::kBrightnessSlider, lighting_picture::BrightnessTrack(brightness));
    lighting.view.SetSliderPosition(lc::kSpeedSlider, speedPosition);
    lighting.view.SetSliderTrack(lc::kSpeedSlider, lighting_picture::SpeedTrack(speedPosition));
}

void ShowLightingSettings(LightingContext& lighting) {
    ShowReportRate(lighting);
    ShowSliders(lighting);
    ShowEffectColour(lighting);
    ShowMultiColourPictures(lighting);
    ShowSwatch(lighting);
    ShowDirectionPictures(lighting, lighting.state.currentMode);
}

void RefreshLightingPanel(LightingContext& lighting) {
    LightingState& state = lighting.state;
    BuildEffectList(lighting);
    if (ForcesMultiColour(state.currentMode)) state.multiColour = true;
    ShowLightingSettings(lighting);
    RefreshPresetControls(lighting);
    SelectCurrentMode(lighting);
    if (state.currentMode == kPerKeyColourModeId && state.lightingView) PaintKeysFromTable(lighting);
    ShowViewSwitch(lighting);
    ShowControlsForView(lighting, state.currentMode);
    MoveDirectionControls(lighting, state.currentMode);
}

bool ToggleLightingView(LightingContext& lighting, const std::function<bool()>& reapplyCurrentProfile) {
    LightingState& state = lighting.state;
    if (state.lightingView) {
        LightingViewOff(lighting);
        return false;
    }
    state.lightingView = true;
    if (reapplyCurrentProfile && !reapplyCurrentProfile()) {
        state.lightingView = false;
        return false;
    }
    lighting.view.ResetKeyButtons();
    lighting.presets.WriteLightingView(true);
    ShowViewSwitch(lighting);
    const int modeId = SelectedMode(lighting);
    if (ForcesMultiColour(modeId)) {
        state.multiColour = false;
        ToggleMultiColour(lighting);
    }
    if (modeId == kPerKeyColourModeId) SelectPreset(lighting, lighting.keyColours.presetIndex);
    ShowControlsForMode(lighting, modeId);
    lighting.view.SetColourButton(lc::kBaseColour, lighting.keyColours.tools.baseColour);
    return true;
}

void LightingViewOff(LightingContext& lighting) {
    lighting.state.lightingView = false;
    lighting.presets.WriteLightingView(false);
    ShowViewSwitch(lighting);
    lighting.view.ResetKeyButtons();
    lighting.view.RedrawKeyAssignments();
    HideModeControls(lighting);
}

bool TakeLightingProfile(LightingContext& lighting, int profile) {
    if (!SetLightingProfileIndex(lighting, profile)) return false;
    LoadLighting(lighting);
    if (ModeListContains(lighting.state.modeList, kPerKeyColourModeId)) {
        FillPresetList(lighting);
        ApplyPresetToKeyboard(lighting);
    }
    RefreshLightingPanel(lighting);
    if (lighting.state.lightingView) LightingViewOff(lighting);
    return true;
}

}  // namespace quovex
