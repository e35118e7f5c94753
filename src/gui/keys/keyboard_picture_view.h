// What the lighting panel and the preview do to the keyboard picture of the
// main window: its 104 key buttons, the second Enter (1057), Fn (1174) and the
// nine G-key buttons, named by control id. The keyboard picture implements it;
// the lighting panel and its tests call it. Main window thread only.
#pragma once

#include <string_view>

#include "lighting/lighting_panel_view.h"
#include "lighting/rgb.h"

namespace quovex::gui {

class KeyboardPictureView {
public:
    virtual ~KeyboardPictureView() = default;

    // Every G-key button (G1..G9), key button (position order) and Fn back to
    // its plain look: frame off, not checked, drawn at once.
    virtual void ResetKeyButtons() = 0;
    // Marks and tooltips of the key and G-key buttons drawn again from the
    // working profile's block of the current on-board profile.
    virtual void RedrawKeyAssignments() = 0;
    // A 2-pixel frame of `colour` around a key, G-key or Fn button (the
    // per-key colours of mode 20 and every frame of the preview); `on` false
    // takes the frame away.
    virtual void SetKeyFrameColour(int controlId, Rgb colour, bool on) = 0;
    // The colour keys view look of a key or G-key button.
    virtual void SetKeyLight(int controlId, const KeyLightLook& look) = 0;
    // Caption of the key view switch button ("FUNC_SWITCH").
    virtual void SetKeyViewCaption(std::string_view caption) = 0;
    // The working profile changed: enable the main window's Apply button.
    virtual void EnableApply() = 0;
};

}  // namespace quovex::gui
