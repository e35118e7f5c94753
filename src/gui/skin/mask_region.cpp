#include "skin/mask_region.h"

#include <span>
#include <vector>

namespace quovex::gui {

std::optional<QRegion> RegionFromMask(const QImage& mask, skin::MaskColour transparent, int tolerance) {
    if (mask.isNull()) return std::nullopt;
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    const size_t stride = static_cast<size_t>(pixels.bytesPerLine()) / sizeof(uint32_t);
    const std::span<const uint32_t> words(reinterpret_cast<const uint32_t*>(pixels.constBits()),
                                          stride * static_cast<size_t>(pixels.height()));
    const std::vector<skin::MaskRun> runs =
        skin::OpaqueRuns(words, pixels.width(), pixels.height(), stride, transparent, tolerance);

    QRegion shape;
    std::vector<QRect> batch;
    batch.reserve(kRegionBatchRectangles);
    const auto flush = [&] {
        if (batch.empty()) return;
        QRegion part;
        part.setRects(batch.data(), static_cast<int>(batch.size()));
        shape += part;
        batch.clear();
    };
    for (const skin::MaskRun& run : runs) {
        batch.emplace_back(run.x, run.y, run.width, 1);
        if (static_cast<int>(batch.size()) == kRegionBatchRectangles) flush();
    }
    flush();
    return shape;
}

}  // namespace quovex::gui
