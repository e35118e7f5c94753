// The panel view the lighting operations talk to, on real widgets: the
// panel's own controls are changed here; everything that concerns the key
// buttons goes to the keyboard picture, and a restart to the preview. Nothing
// done here reports back as a user's change (list selections and texts are
// set with their signals held).
#pragma once

#include "keys/keyboard_picture_view.h"
#include "lighting/lighting_panel_view.h"
#include "lighting/lighting_preview.h"
#include "lighting/panel_controls.h"
#include "lighting/panel_pictures.h"

namespace quovex::gui {

class PanelView final : public LightingPanelView {
public:
    // Every argument outlives the view.
    PanelView(PanelControls& controls, const PanelPictures& pictures, KeyboardPictureView& keys);

    // The preview that restarts when a mode is chosen (it is made after the
    // lighting context, which needs this view first).
    void SetPreview(LightingPreview* preview) { preview_ = preview; }

    void SetControlVisible(int controlId, bool visible) override;
    void SetPicture(int controlId, std::string_view pictureFile) override;
    void MoveControl(int controlId, std::string_view positionKey) override;
    void SetButtonChecked(int controlId, bool checked) override;
    void SetColourButton(int controlId, Rgb colour) override;
    void SetSliderPosition(int sliderId, int position) override;
    void SetSliderTrack(int sliderId, std::string_view pictureFile) override;
    void SetRgbBoxes(int red, int green, int blue) override;

    void SetEffectList(std::span<const EffectListItem> items) override;
    void SelectEffect(int listIndex) override;
    void SetPresetList(std::span<const std::string> names) override;
    void SelectPresetEntry(int index) override;
    void RenamePresetEntry(int index, std::string_view name) override;

    void ResetKeyButtons() override;
    void RedrawKeyAssignments() override;
    void SetKeyFrameColour(int controlId, Rgb colour) override;
    void SetKeyLight(int controlId, const KeyLightLook& look) override;
    void SetKeyViewCaption(std::string_view caption) override;

    void EnableApply() override;
    void RestartPreview() override;

private:
    PanelControls& controls_;
    const PanelPictures& pictures_;
    KeyboardPictureView& keys_;
    LightingPreview* preview_ = nullptr;
};

}  // namespace quovex::gui
