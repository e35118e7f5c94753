// The main window's flags that core reads and writes, shared between the
// window's thread, the attach thread and the notification thread.
#pragma once

#include <atomic>

namespace quovex {

struct MainWindowFlags {
    // Set once the window has finished its initialisation (UM_INIT); the
    // attach thread waits for it before it touches the tray or opens the window.
    std::atomic<bool> ready{false};
    // While set, a keyboard found later does not open the window by itself:
    // set by "/Start", by a start without a keyboard and after the first opening.
    std::atomic<bool> no_auto_open{false};
    // Mirrors the Apply button (id 1006): set while the working profile holds
    // changes that neither the working file nor the keyboard have.
    std::atomic<bool> apply_enabled{false};
    // The key view: 0 function keys, 1 colour keys.
    std::atomic<int> key_view{0};
    // Set while SwitchProfile's save question is on screen, so that a switch
    // arriving meanwhile does not ask again.
    std::atomic<bool> switch_question_open{false};
};

}  // namespace quovex
