// The device link: the request channels on the keyboard's HID collections, the
// synchronous command exchange and the plain send, and the handling of the
// library's notifications.
//
// Exchanges may come from several threads (the main thread, attach threads); a
// lock serialises them, so a second exchange waits until the first has its
// answer or has given up, and no exchange can take another's answer.
//
// The library's callback carries no user pointer, so notifications reach the
// one link whose channels are open through a guarded process-wide route:
// OpenChannels takes the route over; the destructor ends the link's requests
// and gives the route up, waiting for a notification being handled to finish.
// The program keeps its one link for the life of the process.
#pragma once

#include <array>
#include <atomic>
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

    // The status word sent on the status channel until the bank changes; only
    // bit 0 of byte 1 (the G-key bank) is ever changed by the program.
    static constexpr std::array<uint8_t, 2> kInitialStatusWord{0x05, 0x02};

    explicit DeviceLink(const HidServLibrary& library, DeviceLinkTiming timing = {});
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Receives keyboard events; may be null. Set before OpenChannels.
    void SetObserver(DeviceEventObserver* observer);

    // Sets the status word to 05 02 and opens the event and control channels.
    // Notifications are routed to this link from then on.
    void OpenChannels();

    // Number of keyboards present on the command path (0 when the library
    // reports an error).
    uint32_t GetDeviceCount();

    // Sends one report (the first min(length, 64) bytes, zero-filled) and waits for
    // the answer on the control channel: kResultDone, kResultNoKeyboard,
    // kResultRefused or kResultNoAnswer. A busy or error status is retried and,
    // after the third such answer, returned as kResultDone with the status byte in
    // the answer. `answer_length` receives the bytes copied (0 unless done).
    // The answer is cut to `capacity`; an answer too short to hold the command
    // echo (byte 3) counts as a wrong echo. `answer_length` may be null.
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
    // Always returns 1.
    int DeviceNotify(const hidserv::NotificationRecord& record);

private:
    using Report = std::array<uint8_t, hidserv::kReportSize>;

    Report BuildReport(const uint8_t* request, size_t length) const;
    int WriteReport(const Report& report);
    void OpenChannel(const hidserv::Identifier& identifier, uint32_t tag, uint32_t& unit);
    void SendBankStatusLocked();  // channel_mutex_ held

    void HandleAnswer(const hidserv::RequestRecord& request);
    void HandleEvent(const hidserv::RequestRecord& request);

    // The three steps of one try's answer hand-off: from ArmAnswer on, an answer
    // is copied into `answer`; AwaitAnswer waits for it, then stops the copying,
    // so that a late answer is dropped; DisarmAnswer stops it without waiting.
    void ArmAnswer(uint8_t* answer, size_t capacity);
    bool AwaitAnswer(size_t* received_length);
    void DisarmAnswer();

    const HidServEntryPoints api_;
    const DeviceLinkTiming timing_;
    std::atomic<DeviceEventObserver*> observer_{nullptr};
    bool routed_ = false;  // set by OpenChannels; only touched by the owning thread

    // Held for the whole of one exchange: exchanges run one at a time.
    std::mutex exchange_mutex_;

    // The answer hand-off between the notification thread and the waiting exchange.
    std::mutex answer_mutex_;
    std::condition_variable answer_arrived_;
    bool answer_pending_ = false;  // an exchange waits; answers are copied only then
    bool answer_received_ = false;
    uint8_t* answer_buffer_ = nullptr;
    size_t answer_capacity_ = 0;
    size_t answer_length_ = 0;

    // The channels' unit ids and the status word.
    mutable std::mutex channel_mutex_;
    uint32_t event_unit_ = 0;
    uint32_t control_unit_ = 0;
    uint32_t status_unit_ = 0;
    std::array<uint8_t, 2> status_word_ = kInitialStatusWord;
};

}  // namespace quovex
