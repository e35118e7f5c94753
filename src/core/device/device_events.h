// What the device link tells the rest of the program about the keyboard. The
// calls arrive on the service library's notification thread; an implementation
// that touches the user interface must hand the work to its own thread.
#pragma once

#include <cstdint>

namespace quovex {

class DeviceEventObserver {
public:
    virtual ~DeviceEventObserver() = default;

    // Event 767: the G-key bank was switched on the keyboard. The link has already
    // flipped the status word's bank bit and sent it; `bank` is 0 (A) or 1 (B).
    virtual void OnBankChanged(int bank) = 0;

    // Event 1025: the lighting was changed on the keyboard itself.
    virtual void OnLightingChanged() = 0;

    // Events 6161 (show the keyboard-event tray icon) and 6160 (restore the icon).
    virtual void OnTrayEvent(uint16_t code) = 0;

    // The number of keyboards present changed (kind-0 notification on the control channel).
    virtual void OnDeviceCountChanged(uint32_t count) = 0;
};

}  // namespace quovex
