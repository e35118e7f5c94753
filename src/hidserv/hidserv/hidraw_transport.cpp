#include "hidserv/hidraw_transport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "hidserv/diagnostics.h"
#include "hidserv/transport_thread.h"
#include "quovex/hidserv_abi.h"
#include "sim/command_report.h"
#include "sim/event_report.h"
#include "sim/hex.h"

namespace quovex::hidserv {
namespace {

// The collections the transport opens, as data: which flag of a node each sets.
struct WantedCollection {
    Collection collection;
    bool NodeCollections::*flag;
    const char* name;
};
constexpr WantedCollection kWantedCollections[] = {
    {kEventCollection, &NodeCollections::event, "consumer collection 000C:0001"},
    {kControlCollection, &NodeCollections::control, "vendor collection FF1C:0092"},
    {kStatusCollection, &NodeCollections::status, "LED collection 0008:0089"},
};

bool Is(const HidCollectionInfo& info, Collection collection) {
    return info.usage_page == collection.usage_page && info.usage == collection.usage;
}

std::string CollectionNames(NodeCollections collections) {
    std::string names;
    for (const WantedCollection& wanted : kWantedCollections) {
        if (!(collections.*wanted.flag)) continue;
        if (!names.empty()) names += ", ";
        names += wanted.name;
    }
    return names;
}

constexpr size_t kInputBufferSize = 256;  // larger than any input report of the keyboard

}  // namespace

std::optional<InputChannel> RouteInputReport(const NodeCollections& node, std::span<const uint8_t> report) {
    if (report.empty()) return std::nullopt;
    if (node.event && node.control) {
        return report[0] == sim::kCommandReportId ? InputChannel::kControl : InputChannel::kEvent;
    }
    if (node.control) return InputChannel::kControl;
    if (node.event) return InputChannel::kEvent;
    return std::nullopt;
}

HidrawTransport::HidrawTransport(HidApi& api, HidrawOptions options)
    : api_(api), options_(std::move(options)) {}

bool HidrawTransport::Start(TransportSink& sink, std::string* error) {
    if (running_) {
        if (error != nullptr) *error = "the hidraw transport is already running";
        return false;
    }
    if (!api_.Init()) {
        if (error != nullptr) *error = "hidapi could not be initialised";
        return false;
    }
    std::string trace_error;
    if (!trace_.Open(options_.trace_path, &trace_error)) ReportError(trace_error);

    sink_ = &sink;
    running_ = true;
    Rescan();
    if (options_.presence_period.count() > 0) {
        presence_stopping_ = false;
        presence_ = std::thread([this] { PresenceLoop(); });
    }
    return true;
}

void HidrawTransport::Stop() {
    if (!running_) return;
    if (presence_.joinable()) {
        {
            std::lock_guard lock(presence_mutex_);
            presence_stopping_ = true;
        }
        presence_wakeup_.notify_all();
        presence_.join();
    }
    std::vector<std::unique_ptr<Node>> nodes;
    {
        std::unique_lock lock(nodes_mutex_);
        nodes.swap(nodes_);
    }
    for (auto& node : nodes) CloseNode(std::move(node));
    count_ = 0;
    {
        std::lock_guard lock(rescan_mutex_);
        reported_failures_.clear();
    }
    api_.Exit();
    trace_.Close();
    sink_ = nullptr;
    running_ = false;
}

void HidrawTransport::Rescan() {
    std::lock_guard rescan_lock(rescan_mutex_);
    const std::vector<HidCollectionInfo> listed = api_.Enumerate(kVendorId, kProductId);

    // Each keyboard has one vendor collection; only the first keyboard listed is served.
    uint32_t keyboards = 0;
    for (const HidCollectionInfo& info : listed) keyboards += Is(info, kControlCollection) ? 1 : 0;

    std::map<std::string, NodeCollections> wanted;
    for (const WantedCollection& collection : kWantedCollections) {
        for (const HidCollectionInfo& info : listed) {
            if (!Is(info, collection.collection)) continue;
            wanted[info.path].*collection.flag = true;
            break;
        }
    }

    // Close what went away, failed or changed shape; keep the rest open.
    std::vector<std::unique_ptr<Node>> closing;
    {
        std::unique_lock lock(nodes_mutex_);
        for (auto it = nodes_.begin(); it != nodes_.end();) {
            const auto keep = wanted.find((*it)->path);
            if (keep != wanted.end() && keep->second == (*it)->collections && !(*it)->failed) {
                wanted.erase(keep);  // already open
                ++it;
            } else {
                closing.push_back(std::move(*it));
                it = nodes_.erase(it);
            }
        }
    }
    for (auto& node : closing) CloseNode(std::move(node));

    for (const auto& [path, collections] : wanted) {
        std::unique_ptr<Node> node = OpenNode(path, collections);
        if (node == nullptr) continue;
        std::unique_lock lock(nodes_mutex_);
        nodes_.push_back(std::move(node));
    }
    // A node that is listed no more may fail and be reported again when it comes back.
    std::erase_if(reported_failures_, [&](const std::string& path) {
        return std::none_of(listed.begin(), listed.end(),
                            [&](const auto& info) { return info.path == path; });
    });

    // Reported after the nodes are open, so that the program may send commands at once.
    if (count_.exchange(keyboards) != keyboards) {
        trace_.Note(keyboards > 0 ? "attach" : "detach");
        if (sink_ != nullptr) sink_->OnDeviceCountChanged(keyboards);
    }
}

std::unique_ptr<HidrawTransport::Node> HidrawTransport::OpenNode(const std::string& path,
                                                                 NodeCollections collections) {
    auto node = std::make_unique<Node>();
    node->path = path;
    node->collections = collections;
    const bool has_input = collections.event || collections.control;
    const bool has_output = collections.control || collections.status;
    if (has_input && (node->reader_device = OpenDevice(path, collections)) == nullptr) return nullptr;
    if (has_output && (node->writer_device = OpenDevice(path, collections)) == nullptr) {
        if (node->reader_device != nullptr) api_.Close(node->reader_device);
        return nullptr;
    }
    reported_failures_.erase(path);
    if (node->reader_device != nullptr) {
        Node& reading = *node;
        node->reader = std::thread([this, &reading] { ReadLoop(reading); });
    }
    return node;
}

HidApi::Device* HidrawTransport::OpenDevice(const std::string& path, NodeCollections collections) {
    int error_number = 0;
    HidApi::Device* device = api_.Open(path, &error_number);
    if (device != nullptr || !reported_failures_.insert(path).second) return device;

    const std::string what =
        "cannot open " + path + " (the keyboard's " + CollectionNames(collections) + "): ";
    if (error_number == EACCES || error_number == EPERM) {
        ReportError(what + std::strerror(error_number) +
                    ". A udev rule is needed to let your user use the keyboard, for example in "
                    "/etc/udev/rules.d/70-quovex.rules: SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"0c45\", "
                    "ATTRS{idProduct}==\"5004\", TAG+=\"uaccess\" (then run \"udevadm control --reload\" "
                    "and plug the keyboard in again)");
    } else {
        // Usually a node that vanished between listing and opening: the keyboard was unplugged.
        Diagnose(DiagnosticLevel::kNote, what + std::strerror(error_number));
    }
    return nullptr;
}

void HidrawTransport::CloseNode(std::unique_ptr<Node> node) {
    node->stop = true;
    if (node->reader.joinable()) node->reader.join();
    if (node->reader_device != nullptr) api_.Close(node->reader_device);
    if (node->writer_device != nullptr) api_.Close(node->writer_device);
}

void HidrawTransport::ReadLoop(Node& node) {
    MarkTransportThread();
    uint8_t buffer[kInputBufferSize];
    while (!node.stop) {
        const int length = api_.Read(node.reader_device, buffer, sizeof buffer, options_.read_timeout);
        if (length < 0) {
            node.failed = true;
            RequestRescan();
            return;
        }
        const std::span<const uint8_t> report(buffer, static_cast<size_t>(length));
        const std::optional<InputChannel> channel = RouteInputReport(node.collections, report);
        if (!channel) continue;
        if (*channel == InputChannel::kControl) {
            trace_.FromKeyboard(report);
        } else {
            trace_.Note("event-" + std::to_string(sim::EventCodeOf(report).value_or(0)));
        }
        sink_->OnInputReport(*channel, report);
    }
}

void HidrawTransport::PresenceLoop() {
    MarkTransportThread();
    std::unique_lock lock(presence_mutex_);
    while (!presence_stopping_) {
        presence_wakeup_.wait_for(lock, options_.presence_period,
                                  [this] { return presence_stopping_ || rescan_requested_; });
        if (presence_stopping_) return;
        rescan_requested_ = false;
        lock.unlock();
        Rescan();
        lock.lock();
    }
}

void HidrawTransport::RequestRescan() {
    {
        std::lock_guard lock(presence_mutex_);
        rescan_requested_ = true;
    }
    presence_wakeup_.notify_all();
}

bool HidrawTransport::WriteCommand(std::span<const uint8_t> report) {
    trace_.ToKeyboard(report);
    return Write(&NodeCollections::control, report);
}

bool HidrawTransport::WriteStatus(std::span<const uint8_t> status) {
    const bool written = Write(&NodeCollections::status, status);
    if (written) trace_.Note("status-" + std::string(sim::ToHex(status)));
    return written;
}

bool HidrawTransport::Write(bool NodeCollections::*collection, std::span<const uint8_t> bytes) {
    std::shared_lock lock(nodes_mutex_);
    for (const auto& node : nodes_) {
        if (!(node->collections.*collection) || node->failed) continue;
        std::lock_guard write_lock(node->write_mutex);
        return api_.Write(node->writer_device, bytes.data(), bytes.size()) == static_cast<int>(bytes.size());
    }
    return false;
}

void HidrawTransport::ReportError(const std::string& message) {
    if (options_.report_error) {
        options_.report_error(message);
    } else {
        Diagnose(DiagnosticLevel::kError, message);
    }
}

}  // namespace quovex::hidserv
