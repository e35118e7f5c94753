// The window shape's runs from a mask picture: the main window's mask (a
// rounded rectangle, one run per row) and the worst case of a checkerboard
// (a run for every other pixel), at the main window's size.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "skin/mask_runs.h"

namespace {

constexpr int kWidth = 1260, kHeight = 520, kCornerRadius = 12;
constexpr uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

std::vector<uint32_t> RoundedMask() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight, kBlack);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int cx = x < kCornerRadius ? kCornerRadius : x >= kWidth - kCornerRadius ? kWidth - kCornerRadius - 1 : x;
            const int cy = y < kCornerRadius ? kCornerRadius : y >= kHeight - kCornerRadius ? kHeight - kCornerRadius - 1 : y;
            const int dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy > kCornerRadius * kCornerRadius) pixels[static_cast<size_t>(y) * kWidth + x] = kWhite;
        }
    }
    return pixels;
}

std::vector<uint32_t> Checkerboard() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) pixels[static_cast<size_t>(y) * kWidth + x] = (x + y) % 2 ? kWhite : kBlack;
    }
    return pixels;
}

void BM_OpaqueRunsMainWindowMask(benchmark::State& state) {
    const std::vector<uint32_t> pixels = RoundedMask();
    for (auto _ : state) benchmark::DoNotOptimize(quovex::skin::OpaqueRuns(pixels, kWidth, kHeight, kWidth));
}
BENCHMARK(BM_OpaqueRunsMainWindowMask)->Unit(benchmark::kMicrosecond);

void BM_OpaqueRunsCheckerboard(benchmark::State& state) {
    const std::vector<uint32_t> pixels = Checkerboard();
    for (auto _ : state) benchmark::DoNotOptimize(quovex::skin::OpaqueRuns(pixels, kWidth, kHeight, kWidth));
}
BENCHMARK(BM_OpaqueRunsCheckerboard)->Unit(benchmark::kMillisecond);

}  // namespace
