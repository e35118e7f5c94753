// The skin keys of the keyboard picture's buttons: "KEY_%03X" with the key
// slot of each key of the key list, and "FUNC_G%d" for the G keys.
#pragma once

#include <string>
#include <vector>

namespace quovex::skin_gen {

struct KeyButtonSkinKey {
    int code;              // the key's KeyCode
    std::string skin_key;  // "KEY_%03X" with its key slot
};

// One entry per key of the key list, in the list's order.
const std::vector<KeyButtonSkinKey>& KeyButtonSkinKeys();
std::string GKeySkinKeyOf(int j);

}  // namespace quovex::skin_gen
