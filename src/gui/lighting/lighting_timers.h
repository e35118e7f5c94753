// The main window's timers that drive the lighting panel, by the ids the
// window knows them by, with their intervals.
#pragma once

#include <chrono>

namespace quovex::gui::lighting_timer {

using namespace std::chrono_literals;

// 1050: Apply's progress picture, one frame per tick while Apply works.
inline constexpr int kApplyProgressId = 1050;
inline constexpr auto kApplyProgressInterval = 50ms;

// 1051: one-shot, reloads the lighting after the keyboard reported a change
// made with its own keys. The short wait lets a burst of such changes (the
// user pressing a lighting key several times) end in one reload.
inline constexpr int kLightingReloadId = 1051;
inline constexpr auto kLightingReloadDelay = 100ms;

// 1052: the preview; the first tick after a start comes later, so that the
// window has drawn itself before the keys start moving.
inline constexpr int kPreviewId = 1052;
inline constexpr auto kPreviewFirstTick = 100ms;
inline constexpr auto kPreviewInterval = 50ms;

}  // namespace quovex::gui::lighting_timer
