// The hidraw transport: the real keyboard through hidapi's hidraw backend.
//
// The keyboard (0C45:5004) shows several top-level collections; hidapi lists
// each with its usage page and usage, and collections of one USB interface share
// one device node. The transport opens the nodes that carry the consumer (event),
// vendor (control) and LED (status) collections of the first keyboard listed:
//   - each node with an input collection gets a reader thread; what it reads goes
//     to the event or control channel (RouteInputReport);
//   - writes go through a second handle of the node, serialised per node, so
//     that no hidapi handle is ever used by two threads at once;
//   - a presence thread lists the keyboards every 500 ms (and at once after a
//     read error) and reports a changed count.
// A node the user may not open is reported on standard error once, with the
// node's path and the udev rule that grants access.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <shared_mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "hidserv/hid_api.h"
#include "hidserv/report_trace.h"
#include "hidserv/transport.h"

namespace quovex::hidserv {

// The keyboard's collections that one device node carries.
struct NodeCollections {
    bool event = false;    // consumer collection 000C:0001, input
    bool control = false;  // vendor collection FF1C:0092, input (answers) and output (commands)
    bool status = false;   // LED collection 0008:0089, output (status word)

    bool operator==(const NodeCollections&) const = default;
};

// Which channel an input report read from a node belongs to: the node's only
// input collection, or, when the event and control collections share the node,
// the control channel for the command report id 0x04 and the event channel for
// any other. Nothing for an empty report or a node without input collections.
std::optional<InputChannel> RouteInputReport(const NodeCollections& node, std::span<const uint8_t> report);

struct HidrawOptions {
    // How often the keyboards are listed; zero runs no presence thread (tests
    // then call Rescan themselves).
    std::chrono::milliseconds presence_period{500};
    // How long a reader waits for a report before it looks whether to stop.
    std::chrono::milliseconds read_timeout{100};
    std::string trace_path;
    // Where errors a user must see go; standard error when empty.
    std::function<void(const std::string&)> report_error;
};

class HidrawTransport final : public Transport {
public:
    HidrawTransport(HidApi& api, HidrawOptions options);
    ~HidrawTransport() override { Stop(); }
    HidrawTransport(const HidrawTransport&) = delete;
    HidrawTransport& operator=(const HidrawTransport&) = delete;

    // Initialises hidapi (failing only when that fails), opens the keyboard's
    // nodes if it is attached, starts the presence thread.
    bool Start(TransportSink& sink, std::string* error) override;
    void Stop() override;
    uint32_t DeviceCount() override { return count_.load(); }
    bool WriteCommand(std::span<const uint8_t> report) override;
    bool WriteStatus(std::span<const uint8_t> status) override;
    void TraceNote(std::string_view word) override { trace_.Note(word); }

    // Lists the keyboards now: opens the nodes of a keyboard that appeared,
    // closes those of one that went away or failed, and reports a changed count.
    void Rescan();

private:
    struct Node {
        std::string path;
        NodeCollections collections;
        HidApi::Device* reader_device = nullptr;  // used by the reader thread only
        HidApi::Device* writer_device = nullptr;  // used under write_mutex only
        std::mutex write_mutex;
        std::thread reader;
        std::atomic<bool> stop{false};
        std::atomic<bool> failed{false};
    };

    std::unique_ptr<Node> OpenNode(const std::string& path, NodeCollections collections);
    HidApi::Device* OpenDevice(const std::string& path, NodeCollections collections);
    void CloseNode(std::unique_ptr<Node> node);
    void ReadLoop(Node& node);
    void PresenceLoop();
    void RequestRescan();
    bool Write(bool NodeCollections::*collection, std::span<const uint8_t> bytes);
    void ReportError(const std::string& message);

    HidApi& api_;
    const HidrawOptions options_;
    TransportSink* sink_ = nullptr;
    bool running_ = false;  // changed only by Start and Stop
    std::atomic<uint32_t> count_{0};
    ReportTrace trace_;

    // Held shared while a node is used for writing, exclusively to add or remove one.
    std::shared_mutex nodes_mutex_;
    std::vector<std::unique_ptr<Node>> nodes_;

    std::mutex rescan_mutex_;                  // one rescan at a time
    std::set<std::string> reported_failures_;  // nodes whose open failure was reported; rescan_mutex_

    std::mutex presence_mutex_;
    std::condition_variable presence_wakeup_;
    bool presence_stopping_ = false;
    bool rescan_requested_ = false;
    std::thread presence_;
};

}  // namespace quovex::hidserv
