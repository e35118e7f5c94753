// What the lighting operations tell the lighting panel and the keyboard
// picture of the main window. The GUI implements it with real widgets; tests
// record the calls. Controls are named by their control ids
// (lighting_panel_controls.h, key_layout.h) and pictures by their file names in
// the skin folder, so that an implementation only maps them to widgets.
//
// Every call comes from the main window's thread, and an implementation draws
// at once; none of them calls back into the lighting operations (the effect
// list and the preset list report the user's changes, never the ones made here).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "lighting/rgb.h"

namespace quovex {

// One entry of the effect list: the mode's display name from the main skin file.
struct EffectListItem {
    std::string name;
    int modeId;
    friend bool operator==(const EffectListItem&, const EffectListItem&) = default;
};

// How a key button shows its light flag in the colour keys view: the pair of
// colour-view images, the flag choosing between them, and whether the pair
// replaces the button's normal images (only in the colour keys view).
struct KeyLightLook {
    std::string_view offImage;
    std::string_view onImage;
    bool pairShown;
    bool lit;
    friend bool operator==(const KeyLightLook&, const KeyLightLook&) = default;
};

class LightingPanelView {
public:
    virtual ~LightingPanelView() = default;

    // --- Controls of the panel.
    virtual void SetControlVisible(int controlId, bool visible) = 0;
    virtual void SetPicture(int controlId, std::string_view pictureFile) = 0;
    // Moves a control to the position (not the size) of a key in section
    // "BUTTONINFO" of the main skin file.
    virtual void MoveControl(int controlId, std::string_view positionKey) = 0;
    // The pressed look of a report-rate button.
    virtual void SetButtonChecked(int controlId, bool checked) = 0;
    virtual void SetColourButton(int controlId, Rgb colour) = 0;
    virtual void SetSliderPosition(int sliderId, int position) = 0;
    virtual void SetSliderTrack(int sliderId, std::string_view pictureFile) = 0;
    // The three RGB boxes, in decimal.
    virtual void SetRgbBoxes(int red, int green, int blue) = 0;

    // --- The effect list (not editable) and the preset list (editable).
    virtual void SetEffectList(std::span<const EffectListItem> items) = 0;
    virtual void SelectEffect(int listIndex) = 0;  // -1: no entry selected
    virtual void SetPresetList(std::span<const std::string> names) = 0;
    virtual void SelectPresetEntry(int index) = 0;
    virtual void RenamePresetEntry(int index, std::string_view name) = 0;

    // --- The keyboard picture.
    // Every key button, G-key button and Fn to its plain look: frame off, not checked.
    virtual void ResetKeyButtons() = 0;
    // Key buttons drawn again from their key assignments (marks and tooltips).
    virtual void RedrawKeyAssignments() = 0;
    // A 2-pixel frame in `colour` around a key, G-key or Fn button.
    virtual void SetKeyFrameColour(int controlId, Rgb colour) = 0;
    virtual void SetKeyLight(int controlId, const KeyLightLook& look) = 0;
    virtual void SetKeyViewCaption(std::string_view caption) = 0;

    // --- The main window.
    virtual void EnableApply() = 0;
    // The preview starts its shared ripple state afresh at its next tick.
    virtual void RestartPreview() = 0;
};

}  // namespace quovex
