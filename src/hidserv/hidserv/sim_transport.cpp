#include "hidserv/sim_transport.h"

#include <algorithm>
#include <filesystem>

#include "hidserv/diagnostics.h"
#include "hidserv/transport_thread.h"
#include "sim/event_report.h"
#include "sim/hex.h"
#include "sim/state_file.h"

namespace quovex::hidserv {
namespace {

// How long before an answer's deadline the thread stops sleeping and spins
// instead: more than the usual lateness of a wake-up. The spin does not yield:
// on a loaded machine a yield hands the processor to a busy task for a whole
// time slice, several milliseconds.
constexpr std::chrono::microseconds kSpinMargin{200};

}  // namespace

void SimTransport::Configure(SimTransportOptions options) {
    std::lock_guard lock(model_mutex_);
    options_ = std::move(options);
}

bool SimTransport::Start(TransportSink& sink, std::string* error) {
    std::unique_lock queue_lock(queue_mutex_);
    if (running_) {
        if (error != nullptr) *error = "the virtual keyboard is already running";
        return false;
    }
    queue_lock.unlock();

    SimTransportOptions options;
    {
        std::lock_guard lock(model_mutex_);
        options = options_;
    }
    std::string trace_error;
    if (!trace_.Open(options.trace_path, &trace_error)) Diagnose(DiagnosticLevel::kError, trace_error);

    std::error_code exists_error;
    if (!options.state_path.empty() && std::filesystem::exists(options.state_path, exists_error)) {
        sim::LoadedState loaded = sim::LoadStateFile(options.state_path);
        for (const std::string& problem : loaded.problems) {
            Diagnose(DiagnosticLevel::kError,
                     "virtual keyboard state file " + options.state_path + ": " + problem);
        }
        if (loaded.kept_copy) {
            Diagnose(DiagnosticLevel::kError,
                     "the state file as it was is kept in " + loaded.kept_copy->string());
        }
        std::lock_guard lock(model_mutex_);
        firmware_.Restore(std::move(loaded.state));
    }

    queue_lock.lock();
    queue_.clear();
    sink_ = &sink;
    running_ = true;
    stopping_ = false;
    worker_ = std::thread([this] { Run(); });
    return true;
}

void SimTransport::Stop() {
    {
        std::lock_guard lock(queue_mutex_);
        if (!running_) return;
        stopping_ = true;
    }
    queue_changed_.notify_all();
    worker_.join();
    {
        std::lock_guard lock(queue_mutex_);
        queue_.clear();
        running_ = false;
        stopping_ = false;
        handling_ = false;
        sink_ = nullptr;
    }
    idle_.notify_all();

    std::string error;
    if (!StatePath().empty() && !SaveState(&error)) Diagnose(DiagnosticLevel::kError, error);
    trace_.Close();
}

void SimTransport::Enqueue(Item item) {
    {
        std::lock_guard lock(queue_mutex_);
        if (!running_ || stopping_) return;
        queue_.push_back(item);
    }
    queue_changed_.notify_all();
}

void SimTransport::Run() {
    MarkTransportThread();
    std::unique_lock lock(queue_mutex_);
    for (;;) {
        queue_changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        const Item item = queue_.front();
        queue_.pop_front();
        handling_ = true;
        if (!WaitForDue(item.due, lock)) return;
        Handle(item);
        lock.lock();
        handling_ = false;
        if (queue_.empty()) idle_.notify_all();
    }
}

bool SimTransport::WaitForDue(Clock::time_point due, std::unique_lock<std::mutex>& lock) {
    if (queue_changed_.wait_until(lock, due - kSpinMargin, [this] { return stopping_; })) return false;
    lock.unlock();
    while (Clock::now() < due) {
    }
    return true;
}

void SimTransport::Handle(const Item& item) {
    switch (item.kind) {
        case Item::Kind::kReport:
            HandleReport(item.report);
            return;
        case Item::Kind::kEvent: {
            // Raised while the keyboard was present, so delivered even when it
            // was unplugged since: the report was already on its way.
            trace_.Note("event-" + std::to_string(item.code));
            const auto report = sim::MakeEventReport(item.code);
            sink_->OnInputReport(InputChannel::kEvent, report);
            return;
        }
        case Item::Kind::kDeviceCount:
            trace_.Note(item.count > 0 ? "attach" : "detach");
            sink_->OnDeviceCountChanged(item.count);
            return;
    }
}

void SimTransport::HandleReport(const sim::ReportBytes& report) {
    sim::KeyboardFirmware::Outcome outcome;
    {
        std::lock_guard lock(model_mutex_);
        outcome = firmware_.HandleReport(report);
    }
    if (outcome.received) trace_.ToKeyboard(report);
    if (outcome.entered_update) trace_.Note("update");
    if (outcome.detached) {
        trace_.Note("detach");
        sink_->OnDeviceCountChanged(0);
    }
    if (outcome.answer) {
        trace_.FromKeyboard(*outcome.answer);
        sink_->OnInputReport(InputChannel::kControl, *outcome.answer);
    }
}

uint32_t SimTransport::DeviceCount() {
    return IsPresent() ? 1 : 0;
}

bool SimTransport::WriteCommand(std::span<const uint8_t> report) {
    if (report.size() != sim::kReportSize) return false;
    Item item{Item::Kind::kReport};
    std::copy(report.begin(), report.end(), item.report.begin());
    {
        std::lock_guard lock(model_mutex_);
        if (!firmware_.Present()) return false;
        item.due = Clock::now() + std::chrono::milliseconds(firmware_.State().latency_ms);
    }
    ++reports_received_;
    Enqueue(item);
    return true;
}

bool SimTransport::WriteStatus(std::span<const uint8_t> status) {
    if (status.size() != 2) return false;
    {
        std::lock_guard lock(model_mutex_);
        if (!firmware_.Present()) return false;
        firmware_.SetStatusWord({status[0], status[1]});
    }
    trace_.Note("status-" + sim::ToHex(status));
    return true;
}

void SimTransport::Attach() {
    bool changed = false;
    {
        std::lock_guard lock(model_mutex_);
        changed = firmware_.Attach();
    }
    if (changed) Enqueue({Item::Kind::kDeviceCount, {}, 0, 1});
}

void SimTransport::Detach() {
    bool changed = false;
    {
        std::lock_guard lock(model_mutex_);
        changed = firmware_.Detach();
    }
    if (changed) Enqueue({Item::Kind::kDeviceCount, {}, 0, 0});
}

bool SimTransport::IsPresent() const {
    std::lock_guard lock(model_mutex_);
    return firmware_.Present();
}

void SimTransport::DetachAfterReports(std::optional<uint32_t> reports) {
    std::lock_guard lock(model_mutex_);
    firmware_.DetachAfterReports(reports);
}

void SimTransport::SwitchBank() {
    bool switched = false;
    {
        std::lock_guard lock(model_mutex_);
        switched = firmware_.SwitchBank();
    }
    if (switched) Enqueue({Item::Kind::kEvent, {}, sim::kEventBankSwitched});
}

int SimTransport::Bank() const {
    std::lock_guard lock(model_mutex_);
    return firmware_.Bank();
}

void SimTransport::ReportLightingChanged() {
    SendEvent(sim::kEventLightingChanged);
}

void SimTransport::SendEvent(uint16_t code) {
    if (IsPresent()) Enqueue({Item::Kind::kEvent, {}, code});
}

std::array<uint8_t, 2> SimTransport::StatusWord() const {
    std::lock_guard lock(model_mutex_);
    return firmware_.StatusWord();
}

void SimTransport::SetLatency(std::chrono::milliseconds latency) {
    const auto clamped = std::clamp<std::chrono::milliseconds::rep>(latency.count(), 0, sim::kMaxLatencyMs);
    std::lock_guard lock(model_mutex_);
    firmware_.SetLatencyMs(static_cast<uint32_t>(clamped));
}

std::chrono::milliseconds SimTransport::Latency() const {
    std::lock_guard lock(model_mutex_);
    return std::chrono::milliseconds(firmware_.State().latency_ms);
}

void SimTransport::SetFaults(const sim::FaultCounters& faults) {
    std::lock_guard lock(model_mutex_);
    firmware_.SetFaults(faults);
}

sim::FaultCounters SimTransport::Faults() const {
    std::lock_guard lock(model_mutex_);
    return firmware_.State().faults;
}

std::vector<uint8_t> SimTransport::ReadMemory(sim::Memory memory) const {
    std::lock_guard lock(model_mutex_);
    return firmware_.ReadMemory(memory);
}

bool SimTransport::WriteMemory(sim::Memory memory, size_t offset, std::span<const uint8_t> bytes) {
    std::lock_guard lock(model_mutex_);
    return firmware_.WriteMemory(memory, offset, bytes);
}

bool SimTransport::InUpdateMode() const {
    std::lock_guard lock(model_mutex_);
    return firmware_.InUpdateMode();
}

bool SimTransport::InAccessGroup() const {
    std::lock_guard lock(model_mutex_);
    return firmware_.InAccessGroup();
}

bool SimTransport::WaitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(queue_mutex_);
    return idle_.wait_for(lock, timeout, [this] { return queue_.empty() && !handling_; });
}

void SimTransport::ResetToFactory() {
    {
        std::lock_guard lock(model_mutex_);
        firmware_.ResetToFactory();
    }
    reports_received_ = 0;
}

bool SimTransport::SaveState(std::string* error) {
    sim::KeyboardState state;
    std::string path;
    {
        std::lock_guard lock(model_mutex_);
        state = firmware_.State();
        path = options_.state_path;
    }
    if (path.empty()) {
        if (error != nullptr) *error = "no virtual keyboard state file is named (QUOVEX_SIM_STATE)";
        return false;
    }
    std::string reason;
    if (!sim::SaveStateFile(path, state, &reason)) {
        if (error != nullptr) *error = "cannot save the virtual keyboard state: " + reason;
        return false;
    }
    return true;
}

std::string SimTransport::StatePath() const {
    std::lock_guard lock(model_mutex_);
    return options_.state_path;
}

}  // namespace quovex::hidserv
