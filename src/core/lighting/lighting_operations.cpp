#include "lighting/lighting_operations.h"

#include <cstring>

#include "lighting/access_group.h"
#include "lighting/key_colour_operations.h"
#include "lighting/lighting_panel.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/mode_table.h"

namespace quovex {
namespace {

namespace lc = lighting_control;

bool ValidSliderPosition(int position) {
    return position >= 0 && position <= lc::kHighestSliderPosition;
}

// Whether `index` names one of the controls (a swatch, a report-rate button).
template <size_t N>
bool ValidIndex(int index, const std::array<int, N>& /*controls*/) {
    return index >= 0 && index < static_cast<int>(N);
}

void WriteByte(LightingContext& lighting, uint8_t offset, uint8_t value) {
    const uint8_t bytes[] = {value};
    WriteLightingField(lighting, offset, bytes);
}

uint8_t MultiColourByte(const LightingState& state) {
    return state.multiColour ? 1 : 0;
}

void WriteChosenMode(LightingContext& lighting, const ModeInfo& mode) {
    LightingState& state = lighting.state;
    const uint8_t modeByte[] = {mode.id};
    switch (mode.write) {
        case ModeWrite::kModeOnly:
            WriteLightingField(lighting, lighting_field::kMode, modeByte);
            return;
        case ModeWrite::kModeAndMultiColour: {
            const uint8_t multiColour[] = {MultiColourByte(state)};
            const LightingFieldWrite fields[] = {{lighting_field::kMode, modeByte},
                                                 {lighting_field::kMultiColour, multiColour}};
            WriteLightingFields(lighting, fields);
            return;
        }
        case ModeWrite::kMultiColourOnThenMode:
            state.multiColour = false;
            ToggleMultiColour(lighting);
            WriteLightingField(lighting, lighting_field::kMode, modeByte);
            return;
        case ModeWrite::kModeThenKeyColours:
            WriteLightingField(lighting, lighting_field::kMode, modeByte);
            PaintKeysFromTable(lighting);
            return;
    }
}

}  // namespace

void WriteLightingFields(LightingContext& lighting, std::span<const LightingFieldWrite> fields) {
    AccessGroup group(lighting.commands);
    for (const LightingFieldWrite& field : fields) {
        lighting.commands.WriteLighting(LightingAddress(lighting.state.profileIndex, field.offset),
                                        field.bytes);
    }
}

void WriteLightingField(LightingContext& lighting, uint8_t offset, std::span<const uint8_t> bytes) {
    const LightingFieldWrite field{offset, bytes};
    WriteLightingFields(lighting, {&field, 1});
}

void SelectLightingMode(LightingContext& lighting, int listIndex) {
    lighting.view.ResetKeyButtons();
    const int modeId = lighting.state.effectMap.ModeAtListIndex(listIndex);
    lighting.effectSelection = modeId < 0 ? -1 : listIndex;
    MoveDirectionControls(lighting, modeId);
    ShowDirectionPictures(lighting, modeId);

    if (const ModeInfo* mode = FindMode(modeId)) WriteChosenMode(lighting, *mode);

    lighting.state.currentMode = modeId;
    lighting.view.RestartPreview();
    ShowControlsForView(lighting, modeId);
}

void SetBrightnessPosition(LightingContext& lighting, int position) {
    if (!ValidSliderPosition(position)) return;
    lighting.view.SetSliderTrack(lc::kBrightnessSlider, lighting_picture::BrightnessTrack(position));
    if (position == lighting.state.brightness) return;
    lighting.state.brightness = position;
    WriteByte(lighting, lighting_field::kBrightness, static_cast<uint8_t>(position));
}

void SetSpeedPosition(LightingContext& lighting, int position) {
    if (!ValidSliderPosition(position)) return;
    const int speed = lc::kHighestSliderPosition - position;
    lighting.view.SetSliderTrack(lc::kSpeedSlider, lighting_picture::SpeedTrack(position));
    if (speed == lighting.state.speed) return;
    lighting.state.speed = speed;
    WriteByte(lighting, lighting_field::kSpeed, static_cast<uint8_t>(speed));
}

void SetDirection(LightingContext& lighting, DirectionChoice choice) {
    const uint8_t direction = choice == DirectionChoice::kFirst ? kDirectionFirst : kDirectionSecond;
    lighting.state.direction = direction;
    ShowDirectionPictures(lighting, lighting.state.currentMode);
    WriteByte(lighting, lighting_field::kDirection, direction);
}

void ApplyEffectColour(LightingContext& lighting, Rgb colour) {
    LightingState& state = lighting.state;
    state.multiColour = false;
    ShowMultiColourPictures(lighting);
    const uint8_t multiColour[] = {0};
    const uint8_t colourBytes[] = {colour.red, colour.green, colour.blue};
    const LightingFieldWrite fields[] = {{lighting_field::kMultiColour, multiColour},
                                         {lighting_field::kEffectColour, colourBytes}};
    WriteLightingFields(lighting, fields);
    state.effectColour = colour;
    ShowEffectColour(lighting);
}

void ToggleMultiColour(LightingContext& lighting) {
    lighting.state.multiColour = !lighting.state.multiColour;
    ShowMultiColourPictures(lighting);
    WriteByte(lighting, lighting_field::kMultiColour, MultiColourByte(lighting.state));
}

void SelectSwatch(LightingContext& lighting, int swatch) {
    if (!ValidIndex(swatch, lc::kSwatches)) return;
    lighting.state.swatch = swatch;
    ShowSwatch(lighting);
    WriteByte(lighting, lighting_field::kSwatch, static_cast<uint8_t>(swatch));
}

void SetReportRate(LightingContext& lighting, int index) {
    if (!ValidIndex(index, lc::kReportRateButtons)) return;
    lighting.state.reportRate = index;
    ShowReportRate(lighting);
    WriteByte(lighting, lighting_field::kReportRate, static_cast<uint8_t>(index));
}

void RestoreLightingDefaults(LightingContext& lighting) {
    LightingState& state = lighting.state;
    const int listIndex = state.effectMap.ListIndexOfMode(kDefaultModeId);
    lighting.view.SelectEffect(listIndex);
    SelectLightingMode(lighting, listIndex);

    if (ModeListContains(state.modeList, kPerKeyColourModeId)) RestorePresetsOfProfile(lighting);
    WriteLightingField(lighting, 0, kDefaultLightingBlock);

    LightingBlock defaults{};
    std::memcpy(&defaults, kDefaultLightingBlock.data(), kDefaultLightingBlock.size());
    DecodeLightingBlock(defaults, state);
    ShowLightingSettings(lighting);
}

}  // namespace quovex
