// A 24-bit colour as the keyboard stores it: three bytes, red first.
#pragma once

#include <cstdint>

namespace quovex {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kRgbBlack{0, 0, 0};
inline constexpr Rgb kRgbRed{255, 0, 0};
inline constexpr Rgb kRgbWhite{255, 255, 255};

}  // namespace quovex
