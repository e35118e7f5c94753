// What the lighting panel does with the user's input: clicks on its pictures
// and buttons, the sliders, the colour buttons, the RGB boxes, the colour wheel
// of the window background and clicks on the keyboard picture. The GUI hands
// each event over with the control id it came from.
#pragma once

#include <array>
#include <functional>

#include "lighting/key_view.h"
#include "lighting/lighting_context.h"

namespace quovex {

// A click on a picture or button of the panel: the direction pictures, the
// multi-colour switches, the swatches, the report-rate buttons, the tool
// pictures and the lighting view switch (which needs `reapplyCurrentProfile`,
// see ToggleLightingView). False for an id that is none of them.
bool LightingControlClicked(LightingContext& lighting, int controlId,
                            const std::function<bool()>& reapplyCurrentProfile);

// A picture slider moved (brightness 1178 or speed 1179). False for another id.
bool LightingSliderMoved(LightingContext& lighting, int sliderId, int position);

// A colour chosen with one of the panel's colour buttons: the effect colour
// (1152, 1155), the paint colour (1160) or the base colour (1162). False for another id.
bool LightingColourChosen(LightingContext& lighting, int controlId, Rgb colour);

// The RGB boxes' values after one of them changed (the GUI keeps a box's old
// value when its text is not a number). Values are brought into 0..255 (300
// becomes 255). While the lighting view is on the colour goes where the
// selected mode takes it: the effect colour (modes 1..3, 5..10, 13..16), or
// in mode 20 the base colour (tool 1) or the paint colour (tool 0). The boxes
// then show the values, which are returned.
std::array<int, 3> RgbBoxChanged(LightingContext& lighting, std::array<int, 3> values);

// The colour wheel of the main window's background: the circle of radius 63
// pixels around (140, 144), counted from the window's top-left corner.
bool IsInsideColourWheel(int x, int y);

// A left click on the window background at (x, y) from the window's top-left
// corner: inside the wheel, the pixel's colour (`readPixel`, the screen under
// the point) goes into the RGB boxes and through RgbBoxChanged once, whether
// the lighting view is on or off. Returns whether the point was inside.
bool PickWheelColour(LightingContext& lighting, int x, int y, const std::function<Rgb()>& readPixel);

// What a click on a button of the keyboard picture became.
enum class KeyClickResult {
    kIgnored,         // not a key, G-key or Fn button; Fn with the lighting view off; no flag
                      // flipped in the colour keys view (current profile unknown)
    kPainted,         // lighting view on: PaintKey (a key or Fn)
    kLightToggled,    // colour keys view: ToggleKeyLight flipped the key's light flag
    kOpenAssignment,  // function keys view: the caller opens the key assignment dialog
};

// Routes a click on a key button (the 104 keys, the second Enter, Fn) or a
// G-key button. With the lighting view on, keys and Fn are painted; G keys
// always go to the key view, whatever the lighting view.
KeyClickResult LightingKeyButtonClicked(LightingContext& lighting, KeyView& keyView, int controlId,
                                        int currentProfile, int bank);

}  // namespace quovex
