#include "lighting/light_slots.h"

namespace quovex {

int ColourButtonIndex(int controlId) {
    if (controlId == kSecondEnterControlId) controlId = kEnterControlId;
    for (int index = 0; index < kColourButtonCount; ++index) {
        if (kColourButtons[index].controlId == controlId) return index;
    }
    return -1;
}

int LightSlotOfControl(int controlId) {
    const int index = ColourButtonIndex(controlId);
    return index < 0 ? 0 : kColourButtons[index].lightSlot;
}

}  // namespace quovex
