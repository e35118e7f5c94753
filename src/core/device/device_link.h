// The device link: the request channels on the keyboard's HID collections, the
// synchronous command exchange and the plain send, and the handling of the
// library's notifications.
//
// Exchanges may come from several threads (the main thread, attach threads); a
// lock serialises them, so a second exchange waits until the first has its
// answer or has given up, and no exchange can take another's answer.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "device/device_events.h"
#include "device/hidserv_library.h"

namespace quovex {

struct DeviceLinkTiming {
    // How long one report waits for its answer before it is sent again.
    std::chrono::milliseconds answer_wait{1000};
    // Pause before a report is sent again after a time-out, wrong echo or busy status.
    std::chrono::milliseconds retry_pause{10};
};

class DeviceLink {
public:
    static constexpr int kTries = 3;
    static constexpr uint16_t kEventBankSwitch = 767;
    static constexpr uint16_t kEventLightingChanged = 1025;
    static constexpr uint16_t kEventTrayRestore = 6160;
    static constexpr uint16_t kEventTrayActive = 6161;

    explicit DeviceLink(const HidServLibrary& library, DeviceLinkTiming timing = {});
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Receives keyboard events; may be null. Set before OpenChannels.
    void SetObserver(DeviceEventObserver* observer);

    // Sets the status word to 05 02 and opens the event and control channels.
    // Notifications are routed to this link from then on.
    void OpenChannels();

    // Number of keyboards present on the command path.
    uint32_t GetDeviceCount();

    // Sends one report (the first min(length, 64) bytes, zero-filled) and waits for
    // the answer on the control channel: kResultDone, kResultNoKeyboard,
    // kResultRefused or kResultNoAnswer. A busy or error status is retried and,
    // after the third such answer, returned as kResultDone with the status byte in
    // the answer. `answer_length` receives the bytes copied (0 unless done).
    int ExchangeReport(const uint8_t* request, size_t length, uint8_t* answer, size_t capacity,
                       size_t* answer_length);

    // Sends one report without a device check and without waiting; returns what
    // RequestWriteOne returned (greater than 0 = sent).
    int SendReport(const uint8_t* request, size_t length);

    // Sends the 2-byte status word on the status channel.
    void SendBankStatus();

    std::array<uint8_t, 2> StatusWord() const;
    int Bank() const;  // bit 0 of status byte 1: 0 = bank A, 1 = bank B

    // The notification handler; the library calls it through a C trampoline.
    int DeviceNotify(const hidserv::NotificationRecord& record);

private:
};

}  // namespace quovex
