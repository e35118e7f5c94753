// Light slots: where each key of the keyboard picture keeps its colour in the
// keyboard's key colour memory (slot 0..125). The 104 key buttons take theirs
// from the key layout, the Fn button uses slot 110 and the nine G-key buttons
// share slot 125.
#pragma once

#include <array>
#include <span>

#include "model/key_layout.h"

namespace quovex {

inline constexpr int kLightSlots = 126;

// A button of the keyboard picture that shows a key colour.
struct ColourButton {
    int controlId;
    int lightSlot;
};

// The 104 key buttons in the order of the key position list (index q), then
// G1..G9, then Fn: the order in which base-colour fills visit them.
inline constexpr int kFirstGKeyColourButton = kLayoutKeyCount;
inline constexpr int kFnColourButton = kFirstGKeyColourButton + kGKeyCount;
inline constexpr int kColourButtonCount = kFnColourButton + 1;

constexpr std::array<ColourButton, kColourButtonCount> MakeColourButtons() {
    std::array<ColourButton, kColourButtonCount> buttons{};
    for (int q = 0; q < kLayoutKeyCount; ++q)
        buttons[q] = {kKeyPositions[q].control_id, kKeyPositions[q].light_slot};
    for (int j = 0; j < kGKeyCount; ++j)
        buttons[kFirstGKeyColourButton + j] = {kGKeyControlIds[j], kGKeyLightSlot};
    buttons[kFnColourButton] = {kFnControlId, kFnLightSlot};
    return buttons;
}
inline constexpr std::array<ColourButton, kColourButtonCount> kColourButtons = MakeColourButtons();

// The index in kColourButtons of a control id (the second Enter button gives
// Enter's), or -1 for an id that shows no key colour.
int ColourButtonIndex(int controlId);

// The light slot of a control id; 0 for an id that is not a key, G-key or Fn button.
int LightSlotOfControl(int controlId);

}  // namespace quovex
