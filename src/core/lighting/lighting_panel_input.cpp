#include "lighting/lighting_panel_input.h"

#include <algorithm>

#include "lighting/key_colour_operations.h"
#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/mode_table.h"
#include "model/key_layout.h"

namespace quovex {
namespace {

namespace lc = lighting_control;

constexpr int kWheelCentreX = 140;
constexpr int kWheelCentreY = 144;
constexpr int kWheelRadius = 63;

// The position of `id` in `ids`, or -1.
template <size_t N>
int IndexOf(const std::array<int, N>& ids, int id) {
    const auto found = std::ranges::find(ids, id);
    return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

}  // namespace

bool LightingControlClicked(LightingContext& lighting, int controlId,
                            const std::function<bool()>& reapplyCurrentProfile) {
    if (controlId == lc::kDirectionFirst) {
        SetDirection(lighting, DirectionChoice::kFirst);
    } else if (controlId == lc::kDirectionSecond) {
        SetDirection(lighting, DirectionChoice::kSecond);
    } else if (controlId == lc::kFirstGroupMultiColour || controlId == lc::kSecondGroupMultiColour) {
        ToggleMultiColour(lighting);
    } else if (controlId == lc::kViewSwitch) {
        ToggleLightingView(lighting, reapplyCurrentProfile);
    } else if (const int swatch = IndexOf(lc::kSwatches, controlId); swatch >= 0) {
        SelectSwatch(lighting, swatch);
    } else if (const int rate = IndexOf(lc::kReportRateButtons, controlId); rate >= 0) {
        SetReportRate(lighting, rate);
    } else if (const int tool = IndexOf(lc::kTools, controlId); tool >= 0) {
        SelectTool(lighting, tool);
    } else {
        return false;
    }
    return true;
}

bool LightingSliderMoved(LightingContext& lighting, int sliderId, int position) {
    if (sliderId == lc::kBrightnessSlider) {
        SetBrightnessPosition(lighting, position);
    } else if (sliderId == lc::kSpeedSlider) {
        SetSpeedPosition(lighting, position);
    } else {
        return false;
    }
    return true;
}

bool LightingColourChosen(LightingContext& lighting, int controlId, Rgb colour) {
    if (controlId == lc::kFirstGroupColour || controlId == lc::kSecondGroupColour) {
        ApplyEffectColour(lighting, colour);
    } else if (controlId == lc::kPaintColour) {
        SetPaintColour(lighting, colour);
    } else if (controlId == lc::kBaseColour) {
        SetBaseColour(lighting, colour);
    } else {
        return false;
    }
    return true;
}

std::array<int, 3> RgbBoxChanged(LightingContext& lighting, std::array<int, 3> values) {
    for (int& value : values) value = std::clamp(value, 0, 255);
    const Rgb colour{static_cast<uint8_t>(values[0]), static_cast<uint8_t>(values[1]),
                     static_cast<uint8_t>(values[2])};
    const ModeInfo* mode = FindMode(SelectedMode(lighting));
    if (lighting.state.lightingView && mode != nullptr) {
        if (mode->rgbBoxes == RgbBoxTarget::kEffectColour) {
            lighting.view.SetColourButton(lc::kFirstGroupColour, colour);
            ApplyEffectColour(lighting, colour);
        } else if (mode->rgbBoxes == RgbBoxTarget::kToolColour) {
            if (lighting.keyColours.tools.tool == kToolBaseColour) {
                lighting.view.SetColourButton(lc::kBaseColour, colour);
                SetBaseColour(lighting, colour);
            } else {
                lighting.view.SetColourButton(lc::kPaintColour, colour);
                SetPaintColour(lighting, colour);
            }
        }
    }
    lighting.view.SetRgbBoxes(values[0], values[1], values[2]);
    return values;
}

bool IsInsideColourWheel(int x, int y) {
    const int dx = x - kWheelCentreX;
    const int dy = y - kWheelCentreY;
    return dx * dx + dy * dy <= kWheelRadius * kWheelRadius;
}

bool PickWheelColour(LightingContext& lighting, int x, int y, const std::function<Rgb()>& readPixel) {
    if (!IsInsideColourWheel(x, y)) return false;
    const Rgb pixel = readPixel();
    RgbBoxChanged(lighting, {pixel.red, pixel.green, pixel.blue});
    return true;
}

KeyClickResult LightingKeyButtonClicked(LightingContext& lighting, KeyView& keyView, int controlId,
                                        int currentProfile, int bank) {
    const auto button = FindKeyButton(controlId);
    if (!button) return KeyClickResult::kIgnored;
    if (button->kind != KeyButton::Kind::kGKey) {
        if (lighting.state.lightingView) {
            PaintKey(lighting, controlId);
            return KeyClickResult::kPainted;
        }
        if (button->kind == KeyButton::Kind::kFn) return KeyClickResult::kIgnored;
    }
    if (!keyView.ColourKeysView()) return KeyClickResult::kOpenAssignment;
    return keyView.ToggleKeyLight(controlId, currentProfile, bank) ? KeyClickResult::kLightToggled
                                                                   : KeyClickResult::kIgnored;
}

}  // namespace quovex
