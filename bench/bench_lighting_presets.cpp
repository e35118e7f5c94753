// Cost of the preset file work behind the lighting panel, on the factory
// presets: loading one preset (its tools and the 105 key colours, as
// ApplyPresetToKeyboard does before it sends them) and storing a base-colour
// fill of 104 keys, once in one rewrite of the file and, for comparison, key by
// key. Every rewrite is atomic (temporary file, flush, rename), so the number
// of rewrites is what a user waits for.
//   build/bin/quovex_bench_lighting_presets
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "../skin/presets/factory_presets.h"
#include "lighting/light_slots.h"
#include "lighting/preset_files.h"

namespace quovex {
namespace {

// A profile folder holding the factory presets as profile 0's file, removed at the end.
class PresetFolder {
public:
    PresetFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quovex-bench-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::ofstream(PresetFilePath(path_, 0), std::ios::binary) << factory_presets::MakeFactoryPresetFile();
    }
    ~PresetFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::vector<SlotColour> FillOf104Keys(uint8_t shade) {
    std::vector<SlotColour> keys;
    for (int q = 0; q < kLayoutKeyCount; ++q)
        keys.push_back({kColourButtons[q].lightSlot, {{shade, 0, 0}, true}});
    return keys;
}

void BM_ReadOnePreset(benchmark::State& bench) {
    PresetFolder folder;
    const PresetFiles presets(folder.Path());
    for (auto _ : bench) {
        benchmark::DoNotOptimize(presets.ReadPresetTools(0, 3));
        for (int q = 0; q < kLayoutKeyCount; ++q) {
            benchmark::DoNotOptimize(presets.ReadKeyColour(0, 3, kColourButtons[q].lightSlot));
        }
        benchmark::DoNotOptimize(presets.ReadKeyColour(0, 3, kFnLightSlot));
    }
}
BENCHMARK(BM_ReadOnePreset)->Unit(benchmark::kMicrosecond);

void BM_BaseColourFillInOneRewrite(benchmark::State& bench) {
    PresetFolder folder;
    PresetFiles presets(folder.Path());
    uint8_t shade = 0;
    for (auto _ : bench) benchmark::DoNotOptimize(presets.WriteKeyColours(0, 3, FillOf104Keys(++shade)));
}
BENCHMARK(BM_BaseColourFillInOneRewrite)->Unit(benchmark::kMillisecond);

void BM_BaseColourFillKeyByKey(benchmark::State& bench) {
    PresetFolder folder;
    PresetFiles presets(folder.Path());
    uint8_t shade = 0;
    for (auto _ : bench) {
        for (const SlotColour& key : FillOf104Keys(++shade)) {
            benchmark::DoNotOptimize(presets.WriteKeyColour(0, 3, key.slot, key.keyColour));
        }
    }
}
BENCHMARK(BM_BaseColourFillKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace quovex
