// The lighting panel's logic that is not drawing: what it shows for the
// lighting state, which controls the current mode offers, the lighting view
// switch and the lighting part of the profile buttons. Everything is told to
// the panel view (lighting_panel_view.h); the GUI only maps it to widgets.
#pragma once

#include <functional>

#include "lighting/lighting_context.h"

namespace quovex {

// The visibility rule: the controls the mode offers are shown, the others of
// the rule hidden; an unknown mode (19, -1, ...) hides all of them, the effect
// list included. The report-rate buttons and label, the RGB boxes and the
// lighting view switch are not touched.
void ShowControlsForMode(LightingContext& lighting, int modeId);
// Every control of the visibility rule hidden (the lighting view is off).
void HideModeControls(LightingContext& lighting);
// ShowControlsForMode while the lighting view is on, HideModeControls while it is off.
void ShowControlsForView(LightingContext& lighting, int modeId);

// The direction label and pictures move to the skin positions of the mode:
// the keys ending in 2 for modes 1 to 3, in 3 for mode 12, the plain keys otherwise.
void MoveDirectionControls(LightingContext& lighting, int modeId);
// The mode's direction pair, the chosen direction pressed (non-zero
// `direction` chooses the first picture).
void ShowDirectionPictures(LightingContext& lighting, int modeId);

// The pieces of the lighting state the panel shows.
void ShowMultiColourPictures(LightingContext& lighting);  // both multi-colour switches
void ShowEffectColour(LightingContext& lighting);         // both effect colour buttons
void ShowSwatch(LightingContext& lighting);               // a swatch above 3 shows red and becomes 0
void ShowReportRate(LightingContext& lighting);  // the button of the index pressed, the others released
void ShowSliders(LightingContext& lighting);     // positions and track pictures
// All of the above, with the direction pictures of the current mode.
void ShowLightingSettings(LightingContext& lighting);

// Shows the lighting state: the effect list with the current mode selected,
// the settings, the preset controls, the lighting view picture, the controls
// of the mode (while the view is on) and the direction controls' places. Mode
// 10 shows multi-colour on (nothing is written); mode 20 with the view on
// paints the keys from the key colour table.
void RefreshLightingPanel(LightingContext& lighting);

// The lighting view switch (picture 1167) clicked. Turning the view on first
// re-applies the keyboard's current on-board profile through
// `reapplyCurrentProfile` (the profile switch, which refuses with false while
// the key assignment dialog is open); a refusal leaves the view off. Returns
// whether the view is on afterwards.
bool ToggleLightingView(LightingContext& lighting, const std::function<bool()>& reapplyCurrentProfile);

// Turns the lighting view off: lxkb.ini, the switch picture, the key buttons
// back to their plain look and their key assignments, the mode's controls hidden.
void LightingViewOff(LightingContext& lighting);

// The lighting part of a profile button, before the profile switch: the
// panel takes profile 0..2, reads the lighting again, reloads the profile's
// presets (when the keyboard offers mode 20), refreshes itself and turns the
// lighting view off. False, with nothing changed, for another number.
bool TakeLightingProfile(LightingContext& lighting, int profile);

}  // namespace quovex
