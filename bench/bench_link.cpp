// The device link against libHidServ.so running the virtual keyboard:
//   Exchange             one exchange (a state read) with no latency;
//   KeyMapWrite          a key-map write, 7 reports, with 1 ms latency per report;
//                        "ratio" = measured time / (7 x 1 ms), the goal is at most 1.10.
// Each runs 5 times; the median is the figure to read.
//   build/bin/quovex_bench_link
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/program_folder.h"
#include "quovex/sim_control.h"

namespace quovex {
namespace {

using namespace std::chrono_literals;

constexpr int kKeyMapReports = 7;
constexpr auto kLatency = 1ms;

// The library bound once, on the virtual keyboard, with the link's channels open.
struct VirtualKeyboardLink {
    std::unique_ptr<HidServLibrary> library;
    sim::VirtualKeyboardControl* control = nullptr;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<CommandSet> commands;
    std::string error;

    static VirtualKeyboardLink& Get() {
        static VirtualKeyboardLink* instance = [] {
            auto* bound = new VirtualKeyboardLink;
            setenv("QUOVEX_DEVICE", "sim", 1);
            unsetenv("QUOVEX_SIM_STATE");
            unsetenv("QUOVEX_SIM_TRACE");
            const std::filesystem::path folder = ProgramFolder();
            bound->library = HidServLibrary::Load(folder, &bound->error);
            if (bound->library == nullptr) return bound;
            void* handle = dlopen((folder / hidserv::kLibraryFileName).c_str(), RTLD_NOW | RTLD_NOLOAD);
            auto accessor =
                handle != nullptr
                    ? reinterpret_cast<sim::ControlAccessor>(dlsym(handle, sim::kControlAccessorName))
                    : nullptr;
            bound->control = accessor != nullptr ? accessor() : nullptr;
            if (bound->control == nullptr) {
                bound->error = "libHidServ.so offers no virtual keyboard control";
                return bound;
            }
            bound->control->ResetToFactory();
            bound->control->Attach();
            bound->control->WaitUntilIdle(5s);
            bound->link = std::make_unique<DeviceLink>(*bound->library);
            bound->link->OpenChannels();
            bound->commands = std::make_unique<CommandSet>(*bound->link);
            return bound;
        }();
        return *instance;
    }
    bool Ready() const { return commands != nullptr; }
};

void BM_Exchange(benchmark::State& bench) {
    VirtualKeyboardLink& keyboard = VirtualKeyboardLink::Get();
    if (!keyboard.Ready()) return bench.SkipWithError(keyboard.error.c_str());
    keyboard.control->SetLatency(0ms);
    const CommandReport request = BuildCommandReport(CMD_READ_STATE, kStateBlockSize, 0);
    CommandReport answer{};
    for (auto _ : bench) {
        size_t length = 0;
        const int result = keyboard.link->ExchangeReport(request.data(), request.size(), answer.data(),
                                                         answer.size(), &length);
        if (result != kResultDone) return bench.SkipWithError("the exchange failed");
        benchmark::DoNotOptimize(answer.data());
    }
}
BENCHMARK(BM_Exchange)->UseRealTime()->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_KeyMapWrite(benchmark::State& bench) {
    VirtualKeyboardLink& keyboard = VirtualKeyboardLink::Get();
    if (!keyboard.Ready()) return bench.SkipWithError(keyboard.error.c_str());
    keyboard.control->SetLatency(kLatency);
    if (keyboard.commands->BeginAccess() != kResultDone) return bench.SkipWithError("no access group");
    KeyMapBytes map{};
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : bench) {
        if (keyboard.commands->WriteKeyMap(0, map) != kResultDone) {
            return bench.SkipWithError("the key-map write failed");
        }
    }
    const std::chrono::duration<double> measured = std::chrono::steady_clock::now() - start;
    keyboard.commands->EndAccess();
    keyboard.control->SetLatency(0ms);

    const std::chrono::duration<double> ideal = bench.iterations() * kKeyMapReports * kLatency;
    bench.counters["reports"] = kKeyMapReports;
    bench.counters["ratio"] = measured / ideal;
}
BENCHMARK(BM_KeyMapWrite)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace quovex
