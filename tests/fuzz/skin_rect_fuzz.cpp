// Fuzzes the skin rectangle parser: any value of a skin file scans without
// fault, and a rectangle written back as four numbers reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "skin/skin_rect.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    const quovex::skin::SkinRect rect = quovex::skin::ParseSkinRect(value);
    const std::string written = std::to_string(rect.x) + "," + std::to_string(rect.y) + "," + std::to_string(rect.w) +
                                "," + std::to_string(rect.h);
    if (!(quovex::skin::ParseSkinRect(written) == rect)) std::abort();
    // The parser never reads past the 259th character.
    if (size > quovex::skin::kRectValueMaxCharacters &&
        !(quovex::skin::ParseSkinRect(value.substr(0, quovex::skin::kRectValueMaxCharacters)) == rect)) {
        std::abort();
    }
    return 0;
}
