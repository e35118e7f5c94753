#include "model/key_layout.h"

#include <cstdio>

namespace quovex {

std::string KeySkinKey(int position) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "KEY_%03X",
                  unsigned{SlotFromKeyCode(kKeyPositions.at(position).code)});
    return buffer;
}

std::string GKeySkinKey(int j) {
    return "FUNC_G" + std::to_string(j + 1);
}

std::optional<KeyButton> FindKeyButton(int control_id) {
    if (control_id == kSecondEnterControlId) control_id = kEnterControlId;
    for (int q = 0; q < kLayoutKeyCount; ++q) {
        if (kKeyPositions[q].control_id == control_id) return KeyButton{KeyButton::Kind::kKey, q};
    }
    for (int j = 0; j < kGKeyCount; ++j) {
        if (kGKeyControlIds[j] == control_id) return KeyButton{KeyButton::Kind::kGKey, j};
    }
    if (control_id == kFnControlId) return KeyButton{KeyButton::Kind::kFn, 0};
    return std::nullopt;
}

}  // namespace quovex
