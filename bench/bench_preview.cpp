// Cost of one preview tick per mode. The GUI draws 20 ticks a second; the goal is
// under 20 microseconds per tick.
//   build/bin/quovex_bench_preview
#include <benchmark/benchmark.h>

#include "lighting/preview_engine.h"

namespace quovex {
namespace {

void BM_PreviewTick(benchmark::State& bench) {
    SeededPreviewRandom random(1);
    PreviewEngine engine(random);
    LightingState state;
    state.lightingView = true;
    state.currentMode = static_cast<int>(bench.range(0));
    state.multiColour = bench.range(1) != 0;
    state.direction = 255;
    state.effectColour = Rgb{255, 128, 64};
    for (auto _ : bench) {
        const PreviewFrame& frame = engine.PreviewTick(state);
        benchmark::DoNotOptimize(&frame);
    }
}
BENCHMARK(BM_PreviewTick)
    ->ArgNames({"mode", "multi"})
    ->ArgsProduct({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20}, {0, 1}});

}  // namespace
}  // namespace quovex
