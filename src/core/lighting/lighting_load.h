// Reading the lighting from the keyboard: the mode list of the state block and
// the three lighting blocks, decoded for the lighting profile the panel shows.
#pragma once

#include <vector>

#include "lighting/lighting_context.h"

namespace quovex {

// Empties the effect list, reads the mode list and the three blocks, takes the
// block of `profileIndex` into the lighting state and reads the lighting view
// from lxkb.ini. Returns 0, or -1 when the state block cannot be read: the
// effect list and the mode list are then empty and the other fields keep
// their values. A block whose read fails keeps its copy from the last read, so
// a keyboard that stops answering half-way never shows a zeroed block.
int LoadLighting(LightingContext& lighting);

// The same; when the keyboard offers per-key colours (mode 20) it also fills
// the preset list with the lighting profile's presets and sends the selected
// preset's key colours, inside the load's access group.
int LoadLightingWithPresets(LightingContext& lighting);

// Fills the effect list from the mode list: one entry per non-empty slot, in
// slot order, with the mode's display name from the main skin file. The
// effect-list map follows the list; no entry is selected afterwards.
std::vector<EffectListItem> BuildEffectList(LightingContext& lighting);

}  // namespace quovex
