// The key view switch of the keyboard picture: the function keys view (key
// buttons show their normal images, a click opens the key assignment) or the
// colour keys view (key buttons show their light flag, a click toggles it).
//
// A key's light flag is the `light` word of the working profile (non-zero =
// lit), in the block of the keyboard's current on-board profile: the key at
// position q uses entry q, G key j entry j (j + 9 while bank B is active).
// Flags are read and flipped under the profile lock. While the current profile
// is unknown (not 0..2) nothing is read or changed.
//
// Only the main window's thread uses a KeyView.
#pragma once

#include "app/text_table.h"
#include "lighting/lighting_panel_view.h"
#include "model/working_profile.h"

namespace quovex {

// The colour-view images of a key button in the skin folder, off and on.
inline constexpr std::string_view kKeyLightOffImage = "main_color0.jpg";
inline constexpr std::string_view kKeyLightOnImage = "main_color1.jpg";

class KeyView {
public:
    // `texts` gives the switch button's captions (MAIN_SWITCH_COLOR_TEXT,
    // MAIN_SWITCH_FUNCTION_TEXT). All three must outlive the KeyView.
    KeyView(LightingPanelView& view, WorkingProfile& working, const TextTable& texts)
        : view_(view), working_(working), texts_(texts) {}

    // The key view flag: false = function keys view (at start), true = colour keys view.
    bool ColourKeysView() const { return colourKeysView_; }

    // The "Switch" button: flips the view, sets the caption, shows the flags.
    void ToggleKeyView(int currentProfile, int bank);

    // Every G-key button (of the active bank) and each of the 104 key buttons
    // shows its light flag; the colour-view images replace the normal ones only
    // in the colour keys view.
    void RefreshKeyView(int currentProfile, int bank);

    // In the colour keys view, a key button or G-key button clicked: flips its
    // light flag, redraws the button and enables Apply. True when a flag
    // flipped; false in the function keys view, for the Fn button or another
    // id, and while the current profile is unknown.
    bool ToggleKeyLight(int controlId, int currentProfile, int bank);

    // A profile button: back to the function keys view, with its caption and flags.
    void ResetKeyView(int currentProfile, int bank);

private:
    void ShowCaption();
    void ShowKeyLight(int controlId, uint32_t light);

    LightingPanelView& view_;
    WorkingProfile& working_;
    const TextTable& texts_;
    bool colourKeysView_ = false;
};

}  // namespace quovex
