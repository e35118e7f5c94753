#include "lighting/key_colour_operations.h"

#include <string>
#include <vector>

#include "app/unicode.h"
#include "lighting/access_group.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/mode_table.h"

namespace quovex {
namespace {

namespace lc = lighting_control;

void TakeKeyFromPreset(LightingContext& lighting, int button) {
    const int profile = lighting.state.profileIndex;
    const int slot = kColourButtons[button].lightSlot;
    const KeyColour key = lighting.presets.ReadKeyColour(profile, lighting.keyColours.presetIndex, slot);
    lighting.keyColours.table.SetColour(profile, slot, key.colour);
    lighting.keyColours.baseFlags[profile][button] = key.followsBase;
}

void ShowToolPictures(LightingContext& lighting) {
    const int tool = lighting.keyColours.tools.tool;
    for (int t = 0; t < static_cast<int>(lc::kTools.size()); ++t) {
        const auto& pictures = lighting_picture::kTools[t];
        lighting.view.SetPicture(lc::kTools[t], t == tool ? pictures.pressed : pictures.released);
    }
}

void WritePresetTools(LightingContext& lighting) {
    lighting.presets.WritePresetTools(lighting.state.profileIndex, lighting.keyColours.presetIndex,
                                      lighting.keyColours.tools);
}

}  // namespace

void FillPresetList(LightingContext& lighting) {
    std::vector<std::string> names;
    for (int preset = 0; preset < kPresetsPerProfile; ++preset) {
        names.push_back(lighting.presets.ReadPresetName(lighting.state.profileIndex, preset));
    }
    lighting.view.SetPresetList(names);
}

void ApplyPresetToKeyboard(LightingContext& lighting) {
    const int profile = lighting.state.profileIndex;
    KeyColourState& keyColours = lighting.keyColours;
    keyColours.presetIndex = lighting.presets.ReadPresentMode(profile);
    keyColours.tools = lighting.presets.ReadPresetTools(profile, keyColours.presetIndex);
    for (int q = 0; q < kLayoutKeyCount; ++q) TakeKeyFromPreset(lighting, q);
    TakeKeyFromPreset(lighting, kFnColourButton);
    SendKeyColours(lighting);
}

void SendKeyColours(LightingContext& lighting) {
    const auto reports = lighting.keyColours.table.Reports(lighting.state.profileIndex);
    AccessGroup group(lighting.commands);
    for (const KeyColourReport& report : reports)
        lighting.commands.WriteKeyColours(report.address, report.bytes);
}

void PaintKeysFromTable(LightingContext& lighting) {
    for (const ColourButton& button : kColourButtons) {
        lighting.view.SetKeyFrameColour(button.controlId, lighting.keyColours.table.Colour(
                                                              lighting.state.profileIndex, button.lightSlot));
    }
}

void RefreshPresetControls(LightingContext& lighting) {
    const KeyColourState& keyColours = lighting.keyColours;
    lighting.view.SelectPresetEntry(keyColours.presetIndex);
    lighting.view.SetColourButton(lc::kBaseColour, keyColours.tools.baseColour);
    lighting.view.SetColourButton(lc::kPaintColour, keyColours.tools.paintColour);
    ShowToolPictures(lighting);
}

void SelectPreset(LightingContext& lighting, int index) {
    if (index < 0 || index >= kPresetsPerProfile) return;
    lighting.keyColours.presetIndex = index;
    lighting.presets.WritePresentMode(lighting.state.profileIndex, index);
    ApplyPresetToKeyboard(lighting);
    RefreshPresetControls(lighting);
    PaintKeysFromTable(lighting);
}

void RenamePreset(LightingContext& lighting, std::string_view text) {
    const std::string name = CutUtf8(text, kPresetNameMaxCharacters);
    const int preset = lighting.keyColours.presetIndex;
    lighting.view.RenamePresetEntry(preset, name);
    lighting.presets.WritePresetName(lighting.state.profileIndex, preset, name);
}

void SelectTool(LightingContext& lighting, int tool) {
    if (tool != kToolPaintColour && tool != kToolBaseColour) return;
    lighting.keyColours.tools.tool = tool;
    ShowToolPictures(lighting);
    WritePresetTools(lighting);
}

void SetPaintColour(LightingContext& lighting, Rgb colour) {
    lighting.keyColours.tools.paintColour = colour;
    WritePresetTools(lighting);
}

void SetBaseColour(LightingContext& lighting, Rgb colour) {
    KeyColourState& keyColours = lighting.keyColours;
    if (colour == keyColours.tools.baseColour) return;
    keyColours.tools.baseColour = colour;
    WritePresetTools(lighting);

    const int profile = lighting.state.profileIndex;
    std::vector<SlotColour> followers;
    for (int button = 0; button < kColourButtonCount; ++button) {
        if (!keyColours.baseFlags[profile][button]) continue;
        const ColourButton& key = kColourButtons[button];
        keyColours.table.SetColour(profile, key.lightSlot, colour);
        lighting.view.SetKeyFrameColour(key.controlId, colour);
        followers.push_back({key.lightSlot, {colour, true}});
    }
    lighting.presets.WriteKeyColours(profile, keyColours.presetIndex, followers);
    SendKeyColours(lighting);
}

void PaintKey(LightingContext& lighting, int controlId) {
    if (SelectedMode(lighting) != kPerKeyColourModeId) return;
    const int button = ColourButtonIndex(controlId);
    if (button < 0) return;
    KeyColourState& keyColours = lighting.keyColours;
    const int tool = keyColours.tools.tool;
    if (tool != kToolPaintColour && tool != kToolBaseColour) return;

    const bool followsBase = tool == kToolBaseColour;
    const Rgb colour = followsBase ? keyColours.tools.baseColour : keyColours.tools.paintColour;
    const int profile = lighting.state.profileIndex;
    const int slot = kColourButtons[button].lightSlot;
    lighting.view.SetKeyFrameColour(kColourButtons[button].controlId, colour);
    {
        AccessGroup group(lighting.commands);
        const uint8_t bytes[] = {colour.red, colour.green, colour.blue};
        lighting.commands.WriteKeyColours(KeyColourAddress(profile, slot), bytes);
    }
    keyColours.table.SetColour(profile, slot, colour);
    keyColours.baseFlags[profile][button] = followsBase;
    lighting.presets.WriteKeyColour(profile, keyColours.presetIndex, slot, {colour, followsBase});
}

void RestorePresetsOfProfile(LightingContext& lighting) {
    lighting.presets.RestoreProfilePresets(lighting.state.profileIndex);
    FillPresetList(lighting);
    ApplyPresetToKeyboard(lighting);
    RefreshPresetControls(lighting);
}

}  // namespace quovex
