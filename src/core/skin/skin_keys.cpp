#include "skin/skin_keys.h"

namespace quovex::skin {

std::string ArrowFrameKey(std::string_view prefix, int frame) {
    return std::string(prefix) + std::to_string(frame);
}

}  // namespace quovex::skin
