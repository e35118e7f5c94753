// The HID service behind the library's entry points. It checks every call (an
// identifier of the keyboard, the collection the call belongs on, the check value
// over the table T), keeps the open requests (channels) by unit id, and turns
// what the transport delivers into notification records for the channels'
// callbacks:
//   - an input report of the control collection: kind 1 to each request on the
//     control collection, with the report's bytes;
//   - an input report of the consumer collection: kind 1 to each request on the
//     event collection, with the report's bytes and the record at +16 whose +28
//     points to the 16-bit event code;
//   - a new keyboard count: kind 0 to each request on the control collection.
// The record at +16 is always there; its code is 0 for anything but an event
// report. Records live on the delivering thread's stack for the callback's
// duration only.
#pragma once

#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hidserv/transport.h"
#include "quovex/hidserv_abi.h"

namespace quovex::hidserv {

class HidService final : public TransportSink {
public:
    // Starts serving through `transport`, which must outlive Stop. False, with a
    // reason, when the transport cannot start. Starting a running service fails.
    bool Start(Transport& transport, std::string* error);
    // Stops the transport and closes every request. Must not be called from a
    // callback. Does nothing when stopped.
    void Stop();
    bool Running() const;

    // The entry points' work, with their results: the keyboard count; 1 for a
    // request opened, ended or a report sent; 0 for a call refused or a report
    // that could not be sent. A refused call leaves *unit_out untouched.
    int RequestGetDeviceCount(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                              uint32_t check, uint32_t* unit_out);
    int DeleteRequestFromUnitId(uint32_t unit);
    int RequestWriteOne(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                        const uint8_t* report, uint32_t length, uint32_t check, uint32_t* unit_out);
    int RequestStatusWrite(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                           const uint8_t* data, uint32_t length, uint32_t check, uint32_t* unit_out);
    int RequestAsyncRead(const uint8_t* identifier, HidServCallback callback, uint32_t tag, uint32_t check,
                         uint32_t* unit_out);
    // Entry points this library does not serve: refused (0) with a note.
    int RefuseUnsupported(const char* call);

    void OnInputReport(InputChannel channel, std::span<const uint8_t> report) override;
    void OnDeviceCountChanged(uint32_t count) override;

private:
    enum class Channel { kEvent, kControl, kStatus };
    struct Request {
        uint32_t unit;
        Channel channel;
        HidServCallback callback;
        uint32_t tag;
    };

    // Checks a call made for one of `allowed` collections; notes and refuses a bad one.
    bool Accept(const char* call, const uint8_t* identifier, std::initializer_list<Collection> allowed,
                HidServCallback callback, uint32_t tag, const uint8_t* data, size_t length, uint32_t check,
                Collection* collection);
    // Notes a refused call in the diagnostics and the trace; returns 0. The
    // lifecycle lock is held by the caller.
    int Refuse(const char* call, std::string_view reason);
    uint32_t OpenRequest(Channel channel, HidServCallback callback, uint32_t tag);
    void Deliver(Channel channel, int32_t kind, uint32_t length_or_count, const uint8_t* data, uint16_t code);

    // Held shared by every call that uses the transport, exclusively to switch it.
    mutable std::shared_mutex lifecycle_mutex_;
    Transport* transport_ = nullptr;

    std::mutex requests_mutex_;
    std::vector<Request> requests_;
    uint32_t next_unit_ = 1;  // 0 means "no request"
};

}  // namespace quovex::hidserv
