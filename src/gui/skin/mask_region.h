// The window shape of a skinned dialog, built from its mask picture: every
// pixel that is not white belongs to the window (tolerance 0). Each row's runs
// of such pixels become rectangles one pixel high, united in batches of 2000
// so that no single region call grows without bound.
#pragma once

#include <QImage>
#include <QRegion>
#include <optional>

#include "skin/mask_runs.h"

namespace quovex::gui {

inline constexpr int kRegionBatchRectangles = 2000;

// No region when the mask is not a picture (the dialog keeps its rectangular
// shape then). An all-white mask gives an empty region.
std::optional<QRegion> RegionFromMask(const QImage& mask,
                                      skin::MaskColour transparent = skin::kMaskTransparent,
                                      int tolerance = skin::kMaskTolerance);

}  // namespace quovex::gui
