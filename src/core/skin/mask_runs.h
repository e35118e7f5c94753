// The window shape of a skinned dialog comes from a mask picture: every pixel
// that is not the transparent colour belongs to the window. The shape is kept
// as runs, one per maximal horizontal stretch of non-transparent pixels in a
// row, each later turned into a rectangle one pixel high.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quovex::skin {

struct MaskRun {
    int x;
    int y;
    int width;
    bool operator==(const MaskRun&) const = default;
};

struct MaskColour {
    uint8_t red, green, blue;
};

// The skin's rule: white is transparent, with no tolerance.
inline constexpr MaskColour kMaskTransparent = {255, 255, 255};
inline constexpr int kMaskTolerance = 0;

// Pixels are 0xAARRGGBB words (alpha ignored), row after row, `stride` words
// apart. A pixel is transparent when each of its red, green and blue values
// lies between the transparent colour's value and that value plus the
// tolerance (capped at 255). Runs come row by row from the top, left to right.
// An empty result means an empty shape (every pixel transparent).
std::vector<MaskRun> OpaqueRuns(std::span<const uint32_t> pixels, int width, int height, size_t stride,
                                MaskColour transparent = kMaskTransparent, int tolerance = kMaskTolerance);

}  // namespace quovex::skin
