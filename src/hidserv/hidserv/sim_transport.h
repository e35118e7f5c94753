// The virtual-keyboard transport: the keyboard's firmware model run on the
// library's own thread, and its control API.
//
// A command report given to WriteCommand is queued and the call returns at once.
// The library's thread hands each queued report to the firmware when its
// latency has passed, counted from when the report arrived, and delivers the
// answer on the control channel. Events, attach and detach travel through the
// same queue, so everything reaches the program in the order it happened. The
// wait sleeps until shortly before the deadline and then spins until it, so
// that a 1 ms latency costs 1 ms and not a scheduler tick more.
//
// Locks: `model_mutex_` guards the firmware, `queue_mutex_` the queue; neither
// is held while the sink (and so the program's callback) runs, and they are
// never held together.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "hidserv/report_trace.h"
#include "hidserv/transport.h"
#include "quovex/sim_control.h"
#include "sim/keyboard_firmware.h"

namespace quovex::hidserv {

struct SimTransportOptions {
    std::string state_path;  // the state file; empty: none
    std::string trace_path;  // the report trace; empty: none
};

class SimTransport final : public Transport, public sim::VirtualKeyboardControl {
public:
    SimTransport() = default;
    ~SimTransport() override { Stop(); }
    SimTransport(const SimTransport&) = delete;
    SimTransport& operator=(const SimTransport&) = delete;

    // Takes effect at the next Start.
    void Configure(SimTransportOptions options);

    // Loads the state file when it exists (problems go to standard error; what
    // could not be read takes factory values), opens the trace, starts the thread.
    bool Start(TransportSink& sink, std::string* error) override;
    // Stops the thread (reports still queued are dropped) and saves the state file.
    void Stop() override;
    uint32_t DeviceCount() override;
    bool WriteCommand(std::span<const uint8_t> report) override;
    // Records the 2-byte status word in the keyboard.
    bool WriteStatus(std::span<const uint8_t> status) override;
    void TraceNote(std::string_view word) override { trace_.Note(word); }

    void Attach() override;
    void Detach() override;
    bool IsPresent() const override;
    void DetachAfterReports(std::optional<uint32_t> reports) override;
    void SwitchBank() override;
    int Bank() const override;
    void ReportLightingChanged() override;
    void SendEvent(uint16_t code) override;
    std::array<uint8_t, 2> StatusWord() const override;
    void SetLatency(std::chrono::milliseconds latency) override;
    std::chrono::milliseconds Latency() const override;
    void SetFaults(const sim::FaultCounters& faults) override;
    sim::FaultCounters Faults() const override;
    std::vector<uint8_t> ReadMemory(sim::Memory memory) const override;
    bool WriteMemory(sim::Memory memory, size_t offset, std::span<const uint8_t> bytes) override;
    bool InUpdateMode() const override;
    bool InAccessGroup() const override;
    uint64_t ReportsReceived() const override { return reports_received_.load(); }
    bool WaitUntilIdle(std::chrono::milliseconds timeout) override;
    void ResetToFactory() override;
    bool SaveState(std::string* error) override;
    std::string StatePath() const override;

private:
    using Clock = std::chrono::steady_clock;
    struct Item {
        enum class Kind { kReport, kEvent, kDeviceCount } kind;
        sim::ReportBytes report{};  // kReport
        uint16_t code = 0;          // kEvent
        uint32_t count = 0;         // kDeviceCount
        Clock::time_point due{};    // kReport: when its answer is due
    };

    void Enqueue(Item item);
    void Run();
    // Waits for `due` with `lock` held on entry and released on return; false when stopping.
    bool WaitForDue(Clock::time_point due, std::unique_lock<std::mutex>& lock);
    void Handle(const Item& item);
    void HandleReport(const sim::ReportBytes& report);

    mutable std::mutex model_mutex_;
    sim::KeyboardFirmware firmware_;
    SimTransportOptions options_;  // guarded by model_mutex_

    std::mutex queue_mutex_;
    std::condition_variable queue_changed_;
    std::condition_variable idle_;
    std::deque<Item> queue_;
    bool running_ = false;
    bool stopping_ = false;
    bool handling_ = false;  // an item is out of the queue and not yet delivered
    TransportSink* sink_ = nullptr;
    std::thread worker_;

    std::atomic<uint64_t> reports_received_{0};
    ReportTrace trace_;
};

}  // namespace quovex::hidserv
