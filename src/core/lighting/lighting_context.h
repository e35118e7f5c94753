// Everything the lighting operations work on: the keyboard's command set, the
// panel they tell about changes, the user's preset files, the skin texts, the
// lighting settings in memory and the per-key colours. The main window owns one
// for the life of the program; the lighting operations (lighting_load.h,
// lighting_operations.h, key_colour_operations.h, lighting_panel.h,
// lighting_panel_input.h) take it as their first argument.
//
// Only the main window's thread uses it. The lighting commands take no lock of
// their own: they rely on the device link serialising exchanges.
#pragma once

#include <array>
#include <filesystem>

#include "app/ini_file.h"
#include "device/command_set.h"
#include "lighting/key_colour_table.h"
#include "lighting/light_slots.h"
#include "lighting/lighting_panel_view.h"
#include "lighting/lighting_state.h"
#include "lighting/preset_files.h"

namespace quovex {

// The per-key colours of mode 20 and the preset being edited.
struct KeyColourState {
    KeyColourTable table;
    // Per profile and colour button (kColourButtons): true when the key
    // follows the base colour, false when it has a colour of its own.
    std::array<std::array<bool, kColourButtonCount>, kLightingProfiles> baseFlags{};
    int presetIndex = 0;  // 0..9, the selected preset of the lighting profile
    PresetTools tools;
};

struct LightingContext {
    // `profileFolder`: documents folder + "Gaming Keyboard" (preset files,
    // lxkb.ini). `skinFolder`: the program's "Skins" folder (Main.ini,
    // language.ini, the factory presets).
    LightingContext(CommandSet& commands, LightingPanelView& view, const std::filesystem::path& profileFolder,
                    const std::filesystem::path& skinFolder);
    LightingContext(const LightingContext&) = delete;
    LightingContext& operator=(const LightingContext&) = delete;

    CommandSet& commands;
    LightingPanelView& view;
    PresetFiles presets;
    CIniFile mainSkin;      // mode names and panel labels
    CIniFile languageFile;  // the language number choosing their sections

    LightingState state;
    KeyColourState keyColours;
    // The effect list's selected entry as the panel shows it (-1: none). The
    // effect list reports the user's choices through SelectLightingMode.
    int effectSelection = -1;
};

// The mode of the effect list's selected entry, or -1.
int SelectedMode(const LightingContext& lighting);

// Sets the lighting profile index: which block the panel edits and which key
// colours and presets it uses (the profile buttons, and the keyboard's current
// profile after an attach). Every lighting operation relies on it being 0..2,
// so any other number is refused (false) and nothing changes.
bool SetLightingProfileIndex(LightingContext& lighting, int profile);

}  // namespace quovex
