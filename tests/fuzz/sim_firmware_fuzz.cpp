// The virtual keyboard's firmware on any sequence of reports (the input cut into
// 64-byte reports, the last one zero-filled): never a crash, memories keep their
// sizes, and every answer echoes the header with a valid checksum.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "sim/keyboard_firmware.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex::sim;
    KeyboardFirmware keyboard;
    const size_t macro_size = keyboard.ReadMemory(Memory::kMacros).size();
    for (size_t offset = 0; offset < size; offset += kReportSize) {
        ReportBytes request{};
        std::copy_n(data + offset, std::min(kReportSize, size - offset), request.begin());
        const KeyboardFirmware::Outcome outcome = keyboard.HandleReport(request);
        if (!outcome.answer) continue;
        const CommandReport answer = CommandReport::From(*outcome.answer);
        const CommandReport asked = CommandReport::From(request);
        if (answer.code != asked.code || answer.length != asked.length ||
            answer.Address() != asked.Address() || answer.StoredChecksum() != answer.ComputeChecksum()) {
            std::abort();
        }
    }
    if (keyboard.ReadMemory(Memory::kMacros).size() != macro_size) std::abort();
    return 0;
}
