// The virtual keyboard's state file reader on any bytes: never a crash, and what
// it read is a state the keyboard can hold (the round trip is a unit test; here
// it would slow the search down a hundredfold).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sim/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex::sim;
    const LoadedState loaded = ParseStateText({reinterpret_cast<const char*>(data), size});
    const KeyboardState& state = loaded.state;
    if (state.memories.macros.size() != state.memories.MacroSize()) std::abort();
    if (state.bank != 0 && state.bank != 1) std::abort();
    if (state.latency_ms > kMaxLatencyMs) std::abort();
    return 0;
}
