#include "lighting/key_view.h"

#include "model/key_layout.h"
#include "model/profile_image.h"

namespace quovex {

void KeyView::ShowCaption() {
    view_.SetKeyViewCaption(
        texts_.Text(colourKeysView_ ? "MAIN_SWITCH_COLOR_TEXT" : "MAIN_SWITCH_FUNCTION_TEXT"));
}

void KeyView::ShowKeyLight(int controlId, uint32_t light) {
    view_.SetKeyLight(controlId,
                      KeyLightLook{kKeyLightOffImage, kKeyLightOnImage, colourKeysView_, light != 0});
}

void KeyView::ToggleKeyView(int currentProfile, int bank) {
    colourKeysView_ = !colourKeysView_;
    ShowCaption();
    RefreshKeyView(currentProfile, bank);
}

void KeyView::RefreshKeyView(int currentProfile, int bank) {
    if (!IsOnBoardProfile(currentProfile)) return;
    auto lock = working_.Lock();
    const auto block = working_.Block(currentProfile);
    for (int j = 0; j < kGKeyCount; ++j)
        ShowKeyLight(kGKeyControlIds[j], block[GKeyLightEntry(j, bank)].light);
    for (int q = 0; q < kLayoutKeyCount; ++q) ShowKeyLight(kKeyPositions[q].control_id, block[q].light);
}

bool KeyView::ToggleKeyLight(int controlId, int currentProfile, int bank) {
    if (!colourKeysView_ || !IsOnBoardProfile(currentProfile)) return false;
    const auto button = FindKeyButton(controlId);
    if (!button || button->kind == KeyButton::Kind::kFn) return false;

    const bool isGKey = button->kind == KeyButton::Kind::kGKey;
    const int entry = isGKey ? GKeyLightEntry(button->index, bank) : button->index;
    const int shownId = isGKey ? kGKeyControlIds[button->index] : kKeyPositions[button->index].control_id;
    uint32_t light = 0;
    {
        auto lock = working_.Lock();
        KeyEntry& key = working_.Block(currentProfile)[entry];
        key.light = key.light != 0 ? 0 : 1;
        light = key.light;
    }
    ShowKeyLight(shownId, light);
    view_.EnableApply();
    return true;
}

void KeyView::ResetKeyView(int currentProfile, int bank) {
    colourKeysView_ = false;
    ShowCaption();
    RefreshKeyView(currentProfile, bank);
}

}  // namespace quovex
