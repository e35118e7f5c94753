#include "support/fake_hidserv.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace quovex::testing {
namespace {

std::atomic<FakeHidServ*> current_fake{nullptr};

const hidserv::Identifier kControlIdentifier = hidserv::MakeIdentifier(hidserv::kControlCollection);
const hidserv::Identifier kStatusIdentifier = hidserv::MakeIdentifier(hidserv::kStatusCollection);

bool SameIdentifier(const uint8_t* identifier, const hidserv::Identifier& expected) {
    return identifier != nullptr && std::memcmp(identifier, expected.data(), expected.size()) == 0;
}

const void* AsAddress(HidServCallback callback) {
    return reinterpret_cast<const void*>(callback);
}

}  // namespace

FakeHidServ::FakeHidServ() {
    FakeHidServ* expected = nullptr;
    if (!current_fake.compare_exchange_strong(expected, this)) std::abort();  // one fake at a time
    delivery_thread_ = std::thread([this] { RunDeliveries(); });
}

FakeHidServ::~FakeHidServ() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    deliveries_changed_.notify_all();
    delivery_thread_.join();
    current_fake.store(nullptr);
}

FakeHidServ* FakeHidServ::Current() {
    return current_fake.load();
}

HidServEntryPoints FakeHidServ::EntryPoints() const {
    HidServEntryPoints table;
    table.Init = &Init;
    table.RequestGetDeviceCount = &RequestGetDeviceCount;
    table.DeleteRequestFromUnitId = &DeleteRequestFromUnitId;
    table.RequestWriteOne = &RequestWriteOne;
    table.RequestStatusWrite = &RequestStatusWrite;
    table.RequestAsyncRead = &RequestAsyncRead;
    return table;
}

void FakeHidServ::SetDeviceCount(uint32_t count) {
    std::lock_guard lock(mutex_);
    device_count_ = count;
}

void FakeHidServ::SetWriteResult(int result) {
    std::lock_guard lock(mutex_);
    write_result_ = result;
}

void FakeHidServ::Script(std::vector<FakeStep> steps) {
    std::lock_guard lock(mutex_);
    script_.assign(steps.begin(), steps.end());
}

void FakeHidServ::SetDefaultStep(FakeStep step) {
    std::lock_guard lock(mutex_);
    default_step_ = step;
}

void FakeHidServ::SetResponder(Responder responder) {
    std::lock_guard lock(mutex_);
    responder_ = std::move(responder);
}

bool FakeHidServ::CheckCall(bool valid) {
    if (!valid) {
        std::lock_guard lock(mutex_);
        ++refused_calls_;
    }
    return valid;
}

int FakeHidServ::Init(int) {
    return 1;
}

int FakeHidServ::RequestGetDeviceCount(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                       uint32_t check, uint32_t*) {
    FakeHidServ* fake = Current();
    const bool valid = SameIdentifier(identifier, kControlIdentifier) && callback == nullptr && tag == 0 &&
                       check == hidserv::ComputeCheck(identifier, nullptr, 0, nullptr, 0);
    if (!fake->CheckCall(valid)) return 0;
    std::lock_guard lock(fake->mutex_);
    ++fake->device_count_queries_;
    return static_cast<int>(fake->device_count_);
}

int FakeHidServ::DeleteRequestFromUnitId(uint32_t unit) {
    FakeHidServ* fake = Current();
    std::lock_guard lock(fake->mutex_);
    fake->deleted_units_.push_back(unit);
    return 1;
}

int FakeHidServ::RequestAsyncRead(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                  uint32_t check, uint32_t* unit_out) {
    FakeHidServ* fake = Current();
    const bool valid = identifier != nullptr && callback != nullptr && unit_out != nullptr &&
                       check == hidserv::ComputeCheck(identifier, AsAddress(callback), tag, nullptr, 0);
    if (!fake->CheckCall(valid)) return 0;
    std::lock_guard lock(fake->mutex_);
    const hidserv::Collection collection = hidserv::CollectionOf(identifier);
    *unit_out = fake->next_unit_++;
    fake->openings_.push_back({collection.usage_page, collection.usage, tag, *unit_out});
    fake->callbacks_[tag] = callback;
    return 1;
}

int FakeHidServ::RequestStatusWrite(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                    const uint8_t* data, uint32_t length, uint32_t check,
                                    uint32_t* unit_out) {
    FakeHidServ* fake = Current();
    const bool valid = SameIdentifier(identifier, kStatusIdentifier) && callback != nullptr &&
                       tag == hidserv::kStatusTag && data != nullptr && unit_out != nullptr &&
                       check == hidserv::ComputeCheck(identifier, AsAddress(callback), tag, data, length);
    if (!fake->CheckCall(valid)) return 0;
    std::lock_guard lock(fake->mutex_);
    fake->status_writes_.emplace_back(data, data + length);
    *unit_out = fake->next_unit_++;
    return 1;
}

int FakeHidServ::RequestWriteOne(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                 const uint8_t* report, uint32_t length, uint32_t check, uint32_t*) {
    FakeHidServ* fake = Current();
    const bool valid = SameIdentifier(identifier, kControlIdentifier) && callback == nullptr && tag == 0 &&
                       report != nullptr && length == hidserv::kReportSize &&
                       check == hidserv::ComputeCheck(identifier, nullptr, 0, report, length);
    if (!fake->CheckCall(valid)) return 0;

    Report request{};
    std::copy_n(report, request.size(), request.begin());
    FakeStep step;
    Responder responder;
    int result = 0;
    {
        std::lock_guard lock(fake->mutex_);
        fake->reports_.push_back(request);
        result = fake->write_result_;
        if (result <= 0) return result;
        if (fake->script_.empty()) {
            step = fake->default_step_;
        } else {
            step = fake->script_.front();
            fake->script_.pop_front();
        }
        responder = fake->responder_;
    }
    if (step.reply == FakeReply::kSilent) return result;

    Report answer{};
    answer[0] = request[0];
    answer[3] = request[3];
    if (responder) responder(request, answer);
    const size_t answer_length = std::min(step.answer_length, answer.size());
    switch (step.reply) {
        case FakeReply::kWrongEcho:
            answer[3] = static_cast<uint8_t>(request[3] ^ 0x80);
            break;
        case FakeReply::kBusy:
            answer[7] = 0xFE;
            break;
        case FakeReply::kError:
            answer[7] = 0xFF;
            break;
        default:
            break;
    }
    fake->SendControlData(std::vector<uint8_t>(answer.begin(), answer.begin() + answer_length), step.delay);
    return result;
}

void FakeHidServ::Schedule(std::chrono::milliseconds delay, std::function<void()> action) {
    {
        std::lock_guard lock(mutex_);
        deliveries_.emplace(std::chrono::steady_clock::now() + delay, std::move(action));
    }
    deliveries_changed_.notify_all();
}

HidServCallback FakeHidServ::CallbackFor(uint32_t tag) const {
    std::lock_guard lock(mutex_);
    const auto found = callbacks_.find(tag);
    return found != callbacks_.end() ? found->second : nullptr;
}

// Builds the records as the library lays them out and calls the channel's callback.
void FakeHidServ::DeliverData(uint32_t tag, std::vector<uint8_t> bytes, const uint16_t* usage) {
    HidServCallback callback = CallbackFor(tag);
    if (callback == nullptr) return;
    hidserv::ConsumerUsageRecord consumer{};
    consumer.SetUsagePointer(usage);
    hidserv::RequestRecord request{tag, static_cast<uint32_t>(bytes.size()), bytes.data(), &consumer};
    hidserv::NotificationRecord notification{hidserv::kNotifyData, &request};
    callback(&notification);
}

void FakeHidServ::SendEvent(uint16_t code, std::chrono::milliseconds delay) {
    Schedule(delay, [this, code] {
        const uint16_t usage = code;
        DeliverData(hidserv::kEventTag, {static_cast<uint8_t>(code & 0xFF), static_cast<uint8_t>(code >> 8)},
                    &usage);
    });
}

void FakeHidServ::SendDeviceCount(uint32_t count, std::chrono::milliseconds delay) {
    Schedule(delay, [this, count] {
        HidServCallback callback = CallbackFor(hidserv::kControlTag);
        if (callback == nullptr) return;
        hidserv::RequestRecord request{hidserv::kControlTag, count, nullptr, nullptr};
        hidserv::NotificationRecord notification{hidserv::kNotifyDeviceChange, &request};
        callback(&notification);
    });
}

void FakeHidServ::SendControlData(std::vector<uint8_t> bytes, std::chrono::milliseconds delay) {
    Schedule(delay, [this, bytes = std::move(bytes)] { DeliverData(hidserv::kControlTag, bytes, nullptr); });
}

void FakeHidServ::SendRaw(uint32_t tag, std::function<void(HidServCallback)> call) {
    Schedule({}, [this, tag, call = std::move(call)] {
        if (HidServCallback callback = CallbackFor(tag)) call(callback);
    });
}

void FakeHidServ::WaitForDeliveries() {
    std::unique_lock lock(mutex_);
    deliveries_changed_.wait(lock, [this] { return deliveries_.empty() && !delivering_; });
}

void FakeHidServ::RunDeliveries() {
    std::unique_lock lock(mutex_);
    while (true) {
        if (stopping_) return;
        if (deliveries_.empty()) {
            deliveries_changed_.wait(lock);
            continue;
        }
        const auto due = deliveries_.begin()->first;
        if (std::chrono::steady_clock::now() < due) {
            deliveries_changed_.wait_until(lock, due);
            continue;
        }
        auto action = std::move(deliveries_.begin()->second);
        deliveries_.erase(deliveries_.begin());
        delivering_ = true;
        lock.unlock();
        action();
        lock.lock();
        delivering_ = false;
        deliveries_changed_.notify_all();
    }
}

std::vector<Report> FakeHidServ::Reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

std::vector<std::vector<uint8_t>> FakeHidServ::StatusWrites() const {
    std::lock_guard lock(mutex_);
    return status_writes_;
}

std::vector<FakeHidServ::ChannelOpening> FakeHidServ::ChannelOpenings() const {
    std::lock_guard lock(mutex_);
    return openings_;
}

std::vector<uint32_t> FakeHidServ::DeletedUnits() const {
    std::lock_guard lock(mutex_);
    return deleted_units_;
}

int FakeHidServ::RefusedCalls() const {
    std::lock_guard lock(mutex_);
    return refused_calls_;
}

int FakeHidServ::DeviceCountQueries() const {
    std::lock_guard lock(mutex_);
    return device_count_queries_;
}

}  // namespace quovex::testing
