// Changing the keyboard's lighting from the panel: mode, brightness, speed,
// direction, effect colour, multi-colour, swatch, report rate and the lighting
// defaults. Each operation updates the lighting state and the panel, then
// writes the changed bytes of the lighting profile's block at once, in one
// access group per change. Write results are not looked at: the next load
// shows what the keyboard really holds.
#pragma once

#include <cstdint>
#include <span>

#include "lighting/lighting_context.h"

namespace quovex {

// One field of the lighting profile's block: its offset and new bytes.
struct LightingFieldWrite {
    uint8_t offset;
    std::span<const uint8_t> bytes;
};

// The one write primitive: CMD_BEGIN_ACCESS, one CMD_WRITE_LIGHTING per field at
// profileIndex x 42 + offset, CMD_END_ACCESS. Fields that change together share
// the group.
void WriteLightingFields(LightingContext& lighting, std::span<const LightingFieldWrite> fields);
void WriteLightingField(LightingContext& lighting, uint8_t offset, std::span<const uint8_t> bytes);

// The effect list's selection changed. Modes 1, 2, 3, 5, 7, 8, 9, 13, 14 and 15
// write the mode and the multi-colour flag in one group; 4, 6, 11, 12, 16, 17
// and 18 the mode alone; 10 forces multi-colour on in a group of its own, then
// writes the mode; 20 writes the mode and paints the keys from the key colour
// table. Any other id (19, or an index not in the list) writes nothing and
// hides every lighting control.
void SelectLightingMode(LightingContext& lighting, int listIndex);

// Slider positions 0..4; anything else is ignored. Brightness = position,
// speed = 4 - position. A position that gives the stored value writes nothing.
void SetBrightnessPosition(LightingContext& lighting, int position);
void SetSpeedPosition(LightingContext& lighting, int position);

// The first direction picture (left, up, spread) stores 0xFF, the second 0x00.
enum class DirectionChoice { kFirst, kSecond };
void SetDirection(LightingContext& lighting, DirectionChoice choice);

// A single effect colour: multi-colour off, then the colour, in one group.
void ApplyEffectColour(LightingContext& lighting, Rgb colour);
void ToggleMultiColour(LightingContext& lighting);

// Swatch 0..3 (red, yellow, green, blue) and report-rate index 0..3; other
// values are ignored.
void SelectSwatch(LightingContext& lighting, int swatch);
void SetReportRate(LightingContext& lighting, int index);

// Mode 1 is chosen, the factory presets replace the lighting profile's presets
// (when the keyboard offers mode 20) and the 35-byte default block is written
// at profileIndex x 42. The lighting state then takes the default block's
// values and the panel shows them, so that it shows what the keyboard holds.
void RestoreLightingDefaults(LightingContext& lighting);

}  // namespace quovex
