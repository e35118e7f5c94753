// Per-key colours (lighting mode 20) and the colour presets: loading a preset
// into the key colour table and the keyboard, painting keys, the base colour
// fill, choosing, renaming and restoring presets. Each change is written to the
// keyboard and to the lighting profile's preset file at once; there is no
// separate save. Write results are not looked at: a keyboard that is absent
// leaves the table, the picture and the preset file changed all the same.
#pragma once

#include <string_view>

#include "lighting/lighting_context.h"

namespace quovex {

// Empties the preset list and inserts the ten preset names of the lighting profile.
void FillPresetList(LightingContext& lighting);

// Loads the selected preset of the lighting profile (its tools, the colour
// and base flag of the 104 keys and Fn) into the table and the base flags,
// then sends all key colours. The key frames are not repainted here.
void ApplyPresetToKeyboard(LightingContext& lighting);

// One access group with eight CMD_WRITE_KEY_COLOURS of 54 bytes: slots 0..143
// of the lighting profile, slots 126..143 zero.
void SendKeyColours(LightingContext& lighting);

// Every key button, G-key button and Fn shows the table colour of its slot as its frame.
void PaintKeysFromTable(LightingContext& lighting);

// The preset list, the base and paint colour buttons and the tool pictures
// show the preset state.
void RefreshPresetControls(LightingContext& lighting);

// The preset list's selection changed (0..9; anything else is ignored).
void SelectPreset(LightingContext& lighting, int index);

// The preset list's edit text changed: renames the selected preset in the list
// and in the preset file, with every keystroke. Names are cut to 259 characters.
void RenamePreset(LightingContext& lighting, std::string_view text);

// Tool 0 paints with the paint colour, tool 1 with the base colour; other
// values are ignored.
void SelectTool(LightingContext& lighting, int tool);

void SetPaintColour(LightingContext& lighting, Rgb colour);

// A new base colour recolours every key that follows it (the 104 keys, the G
// keys, Fn) in the table, the picture, the preset file and the keyboard. The
// colour already in use changes nothing.
void SetBaseColour(LightingContext& lighting, Rgb colour);

// A key button (or Fn) clicked while the lighting view is on: with mode 20
// selected in the effect list it takes the tool's colour, in the picture, the
// keyboard, the table and the preset file. Tool 1 makes it follow the base
// colour, tool 0 gives it a colour of its own.
void PaintKey(LightingContext& lighting, int controlId);

// The factory presets replace the lighting profile's preset file (from the
// pristine copy in the profile folder), then the list, the keyboard and the
// controls show them. A missing pristine copy leaves the preset file as it was.
void RestorePresetsOfProfile(LightingContext& lighting);

}  // namespace quovex
