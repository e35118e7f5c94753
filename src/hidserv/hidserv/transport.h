// A transport carries the library's traffic to one keyboard: command reports and
// the status word out, input reports and keyboard counts in. The library has two:
// hidraw (the real keyboard) and the virtual keyboard.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quovex::hidserv {

// The collections a report arrives on.
enum class InputChannel { kEvent, kControl };

// Where a transport delivers what arrives. Called on the transport's own
// threads, never while the transport holds a lock that its Write calls need,
// so a receiver may send the next report from inside the call.
class TransportSink {
public:
    virtual void OnInputReport(InputChannel channel, std::span<const uint8_t> report) = 0;
    virtual void OnDeviceCountChanged(uint32_t count) = 0;

protected:
    ~TransportSink() = default;
};

class Transport {
public:
    virtual ~Transport() = default;

    // Starts the transport's threads; false with a one-line reason when it cannot run.
    virtual bool Start(TransportSink& sink, std::string* error) = 0;
    // Stops the threads; after it returns the sink is not called again.
    virtual void Stop() = 0;

    virtual uint32_t DeviceCount() = 0;
    // Carries the 64-byte command report unchanged to the command collection;
    // returns at once. False when it could not be sent.
    virtual bool WriteCommand(std::span<const uint8_t> report) = 0;
    // Sends the status word on the status collection.
    virtual bool WriteStatus(std::span<const uint8_t> status) = 0;

    // A line for the transport's trace: "! " and `word`.
    virtual void TraceNote(std::string_view word) = 0;
};

}  // namespace quovex::hidserv
