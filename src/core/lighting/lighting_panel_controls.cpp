#include "lighting/lighting_panel_controls.h"

namespace quovex {
namespace {

using enum ShownFor;
namespace lc = lighting_control;

constexpr auto kControls = std::to_array<PanelControl>({
    {lc::kViewSwitchLabel, "CONTROL_DengStatic", "Deng", kNotByMode},
    {lc::kViewSwitch, "CONTROL_DengStaPic", "", kNotByMode},
    {lc::kEffectList, "CONTROL_XGcombox", "", kEffectListAndBrightness},
    {lc::kBrightnessLabel, "CONTROL_LightStatic", "Light", kEffectListAndBrightness},
    {lc::kBrightnessSlider, "CONTROL_LightSlider", "", kEffectListAndBrightness},
    {lc::kSpeedLabel, "CONTROL_SpeedStatic", "Speed", kSpeed},
    {lc::kSpeedSlider, "CONTROL_SpeedSlider", "", kSpeed},
    {lc::kDirectionLabel, "CONTROL_BLFXStatic", "FX", kDirection},
    {lc::kDirectionFirst, "CONTROL_BLFXLStaPic", "", kDirection},
    {lc::kDirectionSecond, "CONTROL_BLFXRStaPic", "", kDirection},
    {lc::kFirstGroupLabel, "CONTROL_FYYSStatic", "Color", kFirstColourGroup},
    {lc::kFirstGroupColour, "CONTROL_FYYSButton", "", kFirstColourGroup},
    {lc::kFirstGroupMultiColour, "CONTROL_FYSJSStaPic", "", kFirstColourGroup},
    {lc::kFirstGroupMultiColourLabel, "CONTROL_FYSJSStatic", "DC", kFirstColourGroup},
    {lc::kSecondGroupLabel, "CONTROL_HXysStatic", "Color", kSecondColourGroup},
    {lc::kSecondGroupColour, "CONTROL_HXysButton", "", kSecondColourGroup},
    {lc::kSecondGroupMultiColour, "CONTROL_HXsjsStaPic", "", kSecondColourGroup},
    {lc::kSecondGroupMultiColourLabel, "CONTROL_HXsjsStatic", "DC", kSecondColourGroup},
    {lc::kSwatches[0], "CONTROL_HONGPIC", "", kSwatches},
    {lc::kSwatches[1], "CONTROL_HUANGPIC", "", kSwatches},
    {lc::kSwatches[2], "CONTROL_LVPIC", "", kSwatches},
    {lc::kSwatches[3], "CONTROL_LANPIC", "", kSwatches},
    {lc::kPresetList, "CONTROL_umCombo", "", kUserMode},
    {lc::kPaintColourLabel, "CONTROL_USERysStatic", "Color", kUserMode},
    {lc::kPaintColour, "CONTROL_USERysButton", "", kUserMode},
    {lc::kBaseColourLabel, "CONTROL_USERjsStatic", "JColor", kUserMode},
    {lc::kBaseColour, "CONTROL_USERjsButton", "", kUserMode},
    {lc::kToolLabel, "CONTROL_USERgjStatic", "Tool", kUserMode},
    {lc::kTools[0], "CONTROL_USERgjStaPic1", "", kUserMode},
    {lc::kTools[1], "CONTROL_USERgjStaPic2", "", kUserMode},
    {lc::kRgbBoxes[0], "m_edit_rgbr", "", kNotByMode},
    {lc::kRgbBoxes[1], "m_edit_rgbg", "", kNotByMode},
    {lc::kRgbBoxes[2], "m_edit_rgbb", "", kNotByMode},
    {lc::kRgbLabels[0], "m_rgbr_static", "", kNotByMode},
    {lc::kRgbLabels[1], "m_rgbg_static", "", kNotByMode},
    {lc::kRgbLabels[2], "m_rgbb_static", "", kNotByMode},
    {lc::kReportRateLabel, "CONTROL_UsbStatic", "Usb", kNotByMode},
    {lc::kReportRateButtons[0], "FUNC_REPORT1", "", kNotByMode},
    {lc::kReportRateButtons[1], "FUNC_REPORT2", "", kNotByMode},
    {lc::kReportRateButtons[2], "FUNC_REPORT3", "", kNotByMode},
    {lc::kReportRateButtons[3], "FUNC_REPORT4", "", kNotByMode},
    {lc::kProgress, "CONTROL_JDTStatic", "", kNotByMode},
    // Stone-throw and ribbon colours, trigger kind, static-mode colour: kept hidden.
    {1157, "", "", kNever},
    {1158, "", "", kNever},
    {1180, "", "", kNever},
    {1181, "", "", kNever},
    {1182, "", "", kNever},
    {1183, "", "", kNever},
    {1184, "", "", kNever},
    {1185, "", "", kNever},
    {1186, "", "", kNever},
    {1187, "", "", kNever},
    {1188, "", "", kNever},
    {1189, "", "", kNever},
    {1190, "", "", kNever},
    {1191, "", "", kNever},
    {1192, "", "", kNever},
    {1193, "", "", kNever},
});

constexpr std::string_view kDirectionLabelKey = "CONTROL_BLFXStatic";
constexpr std::string_view kDirectionFirstKey = "CONTROL_BLFXLStaPic";
constexpr std::string_view kDirectionSecondKey = "CONTROL_BLFXRStaPic";

}  // namespace

std::span<const PanelControl> LightingPanelControls() {
    return kControls;
}

bool IsShown(ShownFor shownFor, const LightingControls& controls) {
    switch (shownFor) {
        case kEffectListAndBrightness:
            return controls.effectListAndBrightness;
        case kSpeed:
            return controls.speed;
        case kDirection:
            return controls.direction;
        case kSwatches:
            return controls.swatches;
        case kFirstColourGroup:
            return controls.firstColourGroup;
        case kSecondColourGroup:
            return controls.secondColourGroup;
        case kUserMode:
            return controls.userMode;
        case kNotByMode:
        case kNever:
            return false;
    }
    return false;
}

DirectionPlacement DirectionPlacementForMode(int modeId) {
    const ModeInfo* mode = FindMode(modeId);
    const std::string suffix = mode != nullptr ? mode->directionPlaceSuffix : "";
    return DirectionPlacement{std::string(kDirectionLabelKey) + suffix,
                              std::string(kDirectionFirstKey) + suffix,
                              std::string(kDirectionSecondKey) + suffix};
}

namespace lighting_picture {

std::string BrightnessTrack(int brightness) {
    return std::to_string(brightness) + ".bmp";
}

std::string SpeedTrack(int sliderPosition) {
    constexpr int kFirstSpeedTrack = 6;
    return std::to_string(kFirstSpeedTrack + sliderPosition) + ".bmp";
}

std::string ProgressFrame(int frame) {
    return "jdt" + std::to_string(frame + 1) + ".bmp";
}

}  // namespace lighting_picture

const lighting_picture::DirectionPictures& DirectionPicturesForMode(int modeId) {
    const ModeInfo* mode = FindMode(modeId);
    const DirectionPair pair = mode != nullptr && mode->directionPair != DirectionPair::kNoPair
                                   ? mode->directionPair
                                   : DirectionPair::kLeftRight;
    for (const auto& pictures : lighting_picture::kDirectionPairs) {
        if (pictures.pair == pair) return pictures;
    }
    return lighting_picture::kDirectionPairs.front();
}

}  // namespace quovex
