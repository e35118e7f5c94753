// libHidServ.so from the build's program folder, running the virtual keyboard,
// and the keyboard's control API, for tests that drive the device link
// through the real library. The library is bound once per process: it stays
// loaded, and it picks its transport when it starts.
#pragma once

#include <string>

#include "device/hidserv_library.h"
#include "quovex/sim_control.h"

namespace quovex::testing {

class VirtualKeyboard {
public:
    // Binds the library with QUOVEX_DEVICE=sim (no state file, no trace) on the
    // first call. Null, with one line in `error`, when that failed.
    static VirtualKeyboard* Get(std::string* error);

    const HidServLibrary& Library() const { return *library_; }
    sim::VirtualKeyboardControl& Control() const { return *control_; }

    // Factory memories, plugged in, no latency, no faults, everything delivered.
    void Reset();

private:
    VirtualKeyboard(std::unique_ptr<HidServLibrary> library, sim::VirtualKeyboardControl* control)
        : library_(std::move(library)), control_(control) {}

    std::unique_ptr<HidServLibrary> library_;
    sim::VirtualKeyboardControl* control_;
};

}  // namespace quovex::testing
