#include "hidserv/hid_service.h"

#include <algorithm>
#include <array>

#include "hidserv/diagnostics.h"
#include "sim/event_report.h"

namespace quovex::hidserv {
namespace {

// The identifier's fixed parts: the 32-bit value 0x0000000F and 4 zero bytes at the end.
bool IsKeyboardIdentifier(const uint8_t* identifier) {
    const Identifier expected = MakeIdentifier(CollectionOf(identifier));
    return std::equal(expected.begin(), expected.end(), identifier);
}

}  // namespace

bool HidService::Start(Transport& transport, std::string* error) {
    std::unique_lock lock(lifecycle_mutex_);
    if (transport_ != nullptr) {
        if (error != nullptr) *error = "the HID service is already running";
        return false;
    }
    if (!transport.Start(*this, error)) return false;
    transport_ = &transport;
    return true;
}

void HidService::Stop() {
    Transport* transport = nullptr;
    {
        // Once the exclusive lock is held no call is using the transport, and
        // from now on calls are refused; the transport's threads may still be
        // delivering, and a callback may still call in, so the lock is released
        // before the transport joins them.
        std::unique_lock lock(lifecycle_mutex_);
        std::swap(transport, transport_);
    }
    if (transport == nullptr) return;
    transport->Stop();
    std::lock_guard lock(requests_mutex_);
    requests_.clear();
}

bool HidService::Running() const {
    std::shared_lock lock(lifecycle_mutex_);
    return transport_ != nullptr;
}

bool HidService::Accept(const char* call, const uint8_t* identifier,
                        std::initializer_list<Collection> allowed, HidServCallback callback, uint32_t tag,
                        const uint8_t* data, size_t length, uint32_t check, Collection* collection) {
    const char* fault = nullptr;
    if (transport_ == nullptr) {
        fault = "the library is not initialised";
    } else if (identifier == nullptr || !IsKeyboardIdentifier(identifier)) {
        fault = "the identifier is not one of the keyboard's";
    } else if (std::find(allowed.begin(), allowed.end(), CollectionOf(identifier)) == allowed.end()) {
        fault = "the identifier names a collection this call does not serve";
    } else if (ComputeCheck(identifier, reinterpret_cast<const void*>(callback), tag, data, length) !=
               check) {
        fault = "wrong check value";
    }
    if (fault == nullptr) {
        if (collection != nullptr) *collection = CollectionOf(identifier);
        return true;
    }
    Refuse(call, fault);
    return false;
}

int HidService::RefuseUnsupported(const char* call) {
    std::shared_lock lock(lifecycle_mutex_);
    return Refuse(call, "not served by this library");
}

int HidService::Refuse(const char* call, std::string_view reason) {
    Diagnose(DiagnosticLevel::kNote, std::string(call) + " refused: " + std::string(reason));
    if (transport_ != nullptr) transport_->TraceNote(std::string("refused-") + call);
    return 0;
}

int HidService::RequestGetDeviceCount(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                      uint32_t check, uint32_t* unit_out) {
    std::shared_lock lock(lifecycle_mutex_);
    if (!Accept("RequestGetDeviceCount", identifier,
                {kControlCollection, kEventCollection, kStatusCollection}, callback, tag, nullptr, 0, check,
                nullptr)) {
        return 0;
    }
    if (unit_out != nullptr) *unit_out = 0;  // nothing stays open
    return static_cast<int>(transport_->DeviceCount());
}

int HidService::RequestWriteOne(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                const uint8_t* report, uint32_t length, uint32_t check, uint32_t* unit_out) {
    std::shared_lock lock(lifecycle_mutex_);
    if (report == nullptr || length != kReportSize) {
        return Refuse("RequestWriteOne", "a command report is 64 bytes");
    }
    if (!Accept("RequestWriteOne", identifier, {kControlCollection}, callback, tag, report, length, check,
                nullptr)) {
        return 0;
    }
    if (unit_out != nullptr) *unit_out = 0;
    return transport_->WriteCommand({report, length}) ? 1 : 0;
}

int HidService::RequestStatusWrite(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                   const uint8_t* data, uint32_t length, uint32_t check, uint32_t* unit_out) {
    std::shared_lock lock(lifecycle_mutex_);
    if (data == nullptr || length == 0 || length > kReportSize) {
        return Refuse("RequestStatusWrite", "the status data must be 1 to 64 bytes");
    }
    if (!Accept("RequestStatusWrite", identifier, {kStatusCollection}, callback, tag, data, length, check,
                nullptr)) {
        return 0;
    }
    if (!transport_->WriteStatus({data, length})) return 0;
    const uint32_t unit = OpenRequest(Channel::kStatus, callback, tag);
    if (unit_out != nullptr) *unit_out = unit;
    return 1;
}

int HidService::RequestAsyncRead(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                 uint32_t check, uint32_t* unit_out) {
    std::shared_lock lock(lifecycle_mutex_);
    if (callback == nullptr) return Refuse("RequestAsyncRead", "no callback");
    Collection collection{};
    if (!Accept("RequestAsyncRead", identifier, {kEventCollection, kControlCollection}, callback, tag,
                nullptr, 0, check, &collection)) {
        return 0;
    }
    const Channel channel = collection == kEventCollection ? Channel::kEvent : Channel::kControl;
    const uint32_t unit = OpenRequest(channel, callback, tag);
    if (unit_out != nullptr) *unit_out = unit;
    return 1;
}

int HidService::DeleteRequestFromUnitId(uint32_t unit) {
    std::lock_guard lock(requests_mutex_);
    const auto it = std::find_if(requests_.begin(), requests_.end(),
                                 [unit](const Request& request) { return request.unit == unit; });
    if (it == requests_.end()) return 0;
    requests_.erase(it);
    return 1;
}

uint32_t HidService::OpenRequest(Channel channel, HidServCallback callback, uint32_t tag) {
    std::lock_guard lock(requests_mutex_);
    const uint32_t unit = next_unit_++;
    if (next_unit_ == 0) next_unit_ = 1;
    requests_.push_back({unit, channel, callback, tag});
    return unit;
}

void HidService::OnInputReport(InputChannel channel, std::span<const uint8_t> report) {
    if (channel == InputChannel::kEvent) {
        const uint16_t code = sim::EventCodeOf(report).value_or(0);
        Deliver(Channel::kEvent, kNotifyData, static_cast<uint32_t>(report.size()), report.data(), code);
    } else {
        Deliver(Channel::kControl, kNotifyData, static_cast<uint32_t>(report.size()), report.data(), 0);
    }
}

void HidService::OnDeviceCountChanged(uint32_t count) {
    Deliver(Channel::kControl, kNotifyDeviceChange, count, nullptr, 0);
}

void HidService::Deliver(Channel channel, int32_t kind, uint32_t length_or_count, const uint8_t* data,
                         uint16_t code) {
    // Copied out so that no lock is held while a callback runs: it may open or
    // end requests, or send the next report, from inside the call.
    std::vector<Request> receivers;
    {
        std::lock_guard lock(requests_mutex_);
        std::copy_if(requests_.begin(), requests_.end(), std::back_inserter(receivers),
                     [channel](const Request& request) { return request.channel == channel; });
    }
    for (const Request& receiver : receivers) {
        ConsumerUsageRecord consumer{};
        consumer.SetUsagePointer(&code);
        const RequestRecord request{receiver.tag, length_or_count, data, &consumer};
        const NotificationRecord notification{kind, &request};
        receiver.callback(&notification);
    }
}

}  // namespace quovex::hidserv
