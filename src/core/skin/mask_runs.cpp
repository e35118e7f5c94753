#include "skin/mask_runs.h"

#include <algorithm>
#include <stdexcept>

namespace quovex::skin {

namespace {

struct ChannelRange {
    int low, high;
    bool Contains(int value) const { return value >= low && value <= high; }
};

ChannelRange RangeOf(uint8_t value, int tolerance) { return {value, std::min(255, value + tolerance)}; }

}  // namespace

std::vector<MaskRun> OpaqueRuns(std::span<const uint32_t> pixels, int width, int height, size_t stride,
                                MaskColour transparent, int tolerance) {
    if (width < 0 || height < 0 || stride < static_cast<size_t>(width)) {
        throw std::invalid_argument("mask size does not fit its stride");
    }
    if (height > 0 && pixels.size() < stride * static_cast<size_t>(height - 1) + static_cast<size_t>(width)) {
        throw std::invalid_argument("mask pixels shorter than its size");
    }
    tolerance = std::max(0, tolerance);
    const ChannelRange red = RangeOf(transparent.red, tolerance);
    const ChannelRange green = RangeOf(transparent.green, tolerance);
    const ChannelRange blue = RangeOf(transparent.blue, tolerance);
    const auto is_transparent = [&](uint32_t pixel) {
        return red.Contains((pixel >> 16) & 0xFF) && green.Contains((pixel >> 8) & 0xFF) &&
               blue.Contains(pixel & 0xFF);
    };

    std::vector<MaskRun> runs;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels.data() + stride * static_cast<size_t>(y);
        int x = 0;
        while (x < width) {
            while (x < width && is_transparent(row[x])) ++x;
            const int start = x;
            while (x < width && !is_transparent(row[x])) ++x;
            if (x > start) runs.push_back(MaskRun{start, y, x - start});
        }
    }
    return runs;
}

}  // namespace quovex::skin
