#include "device/device_link.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "device/result_codes.h"

namespace quovex {
namespace {

using hidserv::kReportSize;

// Byte offsets in a command report that the exchange itself looks at.
constexpr size_t kEchoOffset = 3;    // command code; the answer must repeat it
constexpr size_t kStatusOffset = 7;  // 0xFF error, 0xFE busy in answers
constexpr uint8_t kStatusError = 0xFF;
constexpr uint8_t kStatusBusy = 0xFE;

constexpr hidserv::Identifier kEventIdentifier = hidserv::MakeIdentifier(hidserv::kEventCollection);
constexpr hidserv::Identifier kControlIdentifier = hidserv::MakeIdentifier(hidserv::kControlCollection);
constexpr hidserv::Identifier kStatusIdentifier = hidserv::MakeIdentifier(hidserv::kStatusCollection);
// Command reports go to the control collection with no callback and no tag.
constexpr const hidserv::Identifier& kCommandIdentifier = kControlIdentifier;

// Routes the library's notifications to the one link whose channels are open.
// Allocated once and never destroyed: library threads may still call back while
// the process's static objects are being destroyed.
class NotificationRoute {
public:
    static NotificationRoute& Instance() {
        static NotificationRoute* route = new NotificationRoute;
        return *route;
    }

    void Attach(DeviceLink* link) {
        std::lock_guard lock(mutex_);
        link_ = link;
    }

    // After this returns, no notification is being handled by `link` and none will be.
    void Detach(DeviceLink* link) {
        std::unique_lock lock(mutex_);
        if (link_ == link) link_ = nullptr;
        idle_.wait(lock, [this] { return in_flight_ == 0; });
    }

    int Deliver(const void* notification) {
        if (notification == nullptr) return 1;
        DeviceLink* link = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (link_ == nullptr) return 1;
            link = link_;
            ++in_flight_;
        }
        link->DeviceNotify(*static_cast<const hidserv::NotificationRecord*>(notification));
        {
            std::lock_guard lock(mutex_);
            --in_flight_;
        }
        idle_.notify_all();
        return 1;
    }

private:
    std::mutex mutex_;
    std::condition_variable idle_;
    DeviceLink* link_ = nullptr;
    int in_flight_ = 0;
};

extern "C" int QuovexDeviceNotify(const void* notification) {
    return NotificationRoute::Instance().Deliver(notification);
}

const void* CallbackAddress() {
    return reinterpret_cast<const void*>(&QuovexDeviceNotify);
}

}  // namespace

DeviceLink::DeviceLink(const HidServLibrary& library, DeviceLinkTiming timing)
    : api_(library.EntryPoints()), timing_(timing) {}

DeviceLink::~DeviceLink() {
    if (!routed_) return;
    // The link's requests end with it, so that the library stops notifying on
    // them; a link opened later has its own.
    {
        std::lock_guard lock(channel_mutex_);
        for (uint32_t* unit : {&event_unit_, &control_unit_, &status_unit_}) {
            if (*unit != 0) api_.DeleteRequestFromUnitId(*unit);
            *unit = 0;
        }
    }
    NotificationRoute::Instance().Detach(this);
}

void DeviceLink::SetObserver(DeviceEventObserver* observer) {
    observer_.store(observer);
}

void DeviceLink::OpenChannels() {
    NotificationRoute::Instance().Attach(this);
    routed_ = true;
    {
        std::lock_guard lock(channel_mutex_);
        status_word_ = kInitialStatusWord;
        status_unit_ = 0;
    }
    OpenChannel(kEventIdentifier, hidserv::kEventTag, event_unit_);
    {
        std::lock_guard lock(answer_mutex_);
        answer_pending_ = false;
        answer_received_ = false;
        answer_buffer_ = nullptr;
    }
    OpenChannel(kControlIdentifier, hidserv::kControlTag, control_unit_);
}

// A channel is opened afresh: the request of its previous unit id is deleted
// first (0 before the first opening), then the library stores the new unit id.
void DeviceLink::OpenChannel(const hidserv::Identifier& identifier, uint32_t tag, uint32_t& unit) {
    std::lock_guard lock(channel_mutex_);
    api_.DeleteRequestFromUnitId(unit);
    const uint32_t check = hidserv::ComputeCheck(identifier.data(), CallbackAddress(), tag, nullptr, 0);
    api_.RequestAsyncRead(identifier.data(), &QuovexDeviceNotify, tag, check, &unit);
}

uint32_t DeviceLink::GetDeviceCount() {
    const uint32_t check = hidserv::ComputeCheck(kCommandIdentifier.data(), nullptr, 0, nullptr, 0);
    const int count = api_.RequestGetDeviceCount(kCommandIdentifier.data(), nullptr, 0, check, nullptr);
    return count > 0 ? static_cast<uint32_t>(count) : 0;
}

DeviceLink::Report DeviceLink::BuildReport(const uint8_t* request, size_t length) const {
    Report report{};
    if (request != nullptr) std::copy_n(request, std::min(length, kReportSize), report.begin());
    return report;
}

int DeviceLink::WriteReport(const Report& report) {
    const uint32_t check =
        hidserv::ComputeCheck(kCommandIdentifier.data(), nullptr, 0, report.data(), report.size());
    return api_.RequestWriteOne(kCommandIdentifier.data(), nullptr, 0, report.data(),
                                static_cast<uint32_t>(report.size()), check, nullptr);
}

void DeviceLink::ArmAnswer(uint8_t* answer, size_t capacity) {
    std::lock_guard lock(answer_mutex_);
    answer_buffer_ = answer;
    answer_capacity_ = answer != nullptr ? capacity : 0;
    answer_length_ = 0;
    answer_received_ = false;
    answer_pending_ = true;
}

bool DeviceLink::AwaitAnswer(size_t* received_length) {
    std::unique_lock lock(answer_mutex_);
    const bool received =
        answer_arrived_.wait_for(lock, timing_.answer_wait, [this] { return answer_received_; });
    answer_pending_ = false;
    answer_buffer_ = nullptr;
    *received_length = received ? answer_length_ : 0;
    return received;
}

void DeviceLink::DisarmAnswer() {
    std::lock_guard lock(answer_mutex_);
    answer_pending_ = false;
    answer_buffer_ = nullptr;
}

int DeviceLink::ExchangeReport(const uint8_t* request, size_t length, uint8_t* answer, size_t capacity,
                               size_t* answer_length) {
    if (answer_length != nullptr) *answer_length = 0;
    if (answer == nullptr) capacity = 0;

    // One exchange at a time: a second exchange waits here until the first has
    // its answer or has given up.
    std::lock_guard exchange(exchange_mutex_);

    if (GetDeviceCount() == 0) return kResultNoKeyboard;
    const Report report = BuildReport(request, length);

    // A report goes out at most kTries times: again after a time-out, a wrong
    // echo or a busy/error status, each time after a short pause so the
    // keyboard can finish what kept it from answering.
    for (int tries = 1;; ++tries) {
        ArmAnswer(answer, capacity);
        if (WriteReport(report) <= 0) {
            DisarmAnswer();
            return kResultRefused;
        }
        size_t received = 0;
        const bool answered = AwaitAnswer(&received);
        const bool echoed = answered && received > kEchoOffset && answer[kEchoOffset] == report[kEchoOffset];
        if (echoed) {
            const bool busy_or_error = received > kStatusOffset && (answer[kStatusOffset] == kStatusError ||
                                                                    answer[kStatusOffset] == kStatusBusy);
            // After the last try a busy or error answer is handed to the caller,
            // who turns its status byte into a result code.
            if (!busy_or_error || tries == kTries) {
                if (answer_length != nullptr) *answer_length = received;
                return kResultDone;
            }
        } else if (tries == kTries) {
            return kResultNoAnswer;
        }
        std::this_thread::sleep_for(timing_.retry_pause);
    }
}

int DeviceLink::SendReport(const uint8_t* request, size_t length) {
    return WriteReport(BuildReport(request, length));
}

void DeviceLink::SendBankStatus() {
    std::lock_guard lock(channel_mutex_);
    SendBankStatusLocked();
}

void DeviceLink::SendBankStatusLocked() {
    api_.DeleteRequestFromUnitId(status_unit_);
    const uint32_t check =
        hidserv::ComputeCheck(kStatusIdentifier.data(), CallbackAddress(), hidserv::kStatusTag,
                              status_word_.data(), status_word_.size());
    api_.RequestStatusWrite(kStatusIdentifier.data(), &QuovexDeviceNotify, hidserv::kStatusTag,
                            status_word_.data(), static_cast<uint32_t>(status_word_.size()), check,
                            &status_unit_);
}

std::array<uint8_t, 2> DeviceLink::StatusWord() const {
    std::lock_guard lock(channel_mutex_);
    return status_word_;
}

int DeviceLink::Bank() const {
    return StatusWord()[1] & 0x01;
}

int DeviceLink::DeviceNotify(const hidserv::NotificationRecord& record) {
    const hidserv::RequestRecord* request = record.request;
    if (request == nullptr) return 1;
    if (record.kind == hidserv::kNotifyData) {
        if (request->tag == hidserv::kControlTag) HandleAnswer(*request);
        if (request->tag == hidserv::kEventTag) HandleEvent(*request);
    } else if (record.kind == hidserv::kNotifyDeviceChange && request->tag == hidserv::kControlTag) {
        if (DeviceEventObserver* observer = observer_.load())
            observer->OnDeviceCountChanged(request->length_or_count);
    }
    return 1;
}

// Copies an answer for the exchange that waits for one; with no exchange
// waiting, or once this try already has its answer, the data is dropped.
void DeviceLink::HandleAnswer(const hidserv::RequestRecord& request) {
    {
        std::lock_guard lock(answer_mutex_);
        if (!answer_pending_ || answer_received_) return;
        const size_t length =
            request.data != nullptr ? std::min<size_t>(request.length_or_count, answer_capacity_) : 0;
        if (length > 0) std::memcpy(answer_buffer_, request.data, length);
        answer_length_ = length;
        answer_received_ = true;
    }
    // Woken after the lock is released, so the exchange can take it at once.
    answer_arrived_.notify_one();
}

void DeviceLink::HandleEvent(const hidserv::RequestRecord& request) {
    if (request.consumer == nullptr) return;
    const uint16_t* usage = request.consumer->UsagePointer();
    if (usage == nullptr) return;
    uint16_t code = 0;
    std::memcpy(&code, usage, sizeof code);  // the library gives no alignment promise

    DeviceEventObserver* observer = observer_.load();
    switch (code) {
        case kEventBankSwitch: {
            int bank = 0;
            {
                std::lock_guard lock(channel_mutex_);
                status_word_[1] ^= 0x01;
                bank = status_word_[1] & 0x01;
                SendBankStatusLocked();
            }
            if (observer != nullptr) observer->OnBankChanged(bank);
            break;
        }
        case kEventLightingChanged:
            if (observer != nullptr) observer->OnLightingChanged();
            break;
        case kEventTrayRestore:
        case kEventTrayActive:
            if (observer != nullptr) observer->OnTrayEvent(code);
            break;
        default:  // 6145..6148 and every other code: no action
            break;
    }
}

}  // namespace quovex
