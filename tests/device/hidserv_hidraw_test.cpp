// The hidraw transport driven through a fake of the few hidapi calls it makes:
// which node each collection is opened on, where input reports are routed,
// that command and status reports go out unchanged, attach and detach, a node
// the user may not open, and a read failure.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <set>

#include "hidserv/hid_service.h"
#include "hidserv/hidraw_transport.h"

namespace quovex::hidserv {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

constexpr auto kWait = 5s;  // generous: only reached when something is broken

// Fake device nodes. Every open handle of a node receives each input report,
// as hidraw does; a node that is unplugged fails reads and writes.
class FakeHidApi final : public HidApi {
public:
    void List(std::vector<HidCollectionInfo> collections) {
        std::lock_guard lock(mutex_);
        listed_ = std::move(collections);
    }
    void Deny(const std::string& path) {
        std::lock_guard lock(mutex_);
        denied_.insert(path);
    }
    void FailInit() { init_ok_ = false; }

    void Input(const std::string& path, Bytes report) {
        std::lock_guard lock(mutex_);
        for (auto& [device, state] : open_) {
            if (state.path == path) state.input.push_back(report);
        }
        changed_.notify_all();
    }
    // The node disappears from the list and its open handles fail.
    void Unplug(const std::string& path) {
        std::lock_guard lock(mutex_);
        std::erase_if(listed_, [&](const HidCollectionInfo& info) { return info.path == path; });
        for (auto& [device, state] : open_) {
            if (state.path == path) state.gone = true;
        }
        changed_.notify_all();
    }

    int OpenHandles(const std::string& path) {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(open_.begin(), open_.end(),
                                              [&](const auto& entry) { return entry.second.path == path; }));
    }
    std::vector<std::pair<std::string, Bytes>> Written() {
        std::lock_guard lock(mutex_);
        return written_;
    }
    int InitCalls() const { return init_calls_; }
    int ExitCalls() const { return exit_calls_; }

    bool Init() override {
        ++init_calls_;
        return init_ok_;
    }
    void Exit() override { ++exit_calls_; }
    std::vector<HidCollectionInfo> Enumerate(uint16_t vendor_id, uint16_t product_id) override {
        EXPECT_EQ(vendor_id, 0x0C45);
        EXPECT_EQ(product_id, 0x5004);
        std::lock_guard lock(mutex_);
        return listed_;
    }
    Device* Open(const std::string& path, int* error_number) override {
        std::lock_guard lock(mutex_);
        if (denied_.count(path) > 0) {
            *error_number = EACCES;
            return nullptr;
        }
        auto* device = reinterpret_cast<Device*>(next_handle_++);
        open_[device] = {path, {}, false};
        return device;
    }
    void Close(Device* device) override {
        std::lock_guard lock(mutex_);
        EXPECT_EQ(open_.erase(device), 1u) << "closed twice or never opened";
    }
    int Read(Device* device, uint8_t* buffer, size_t capacity, std::chrono::milliseconds timeout) override {
        std::unique_lock lock(mutex_);
        NodeState& state = open_.at(device);
        changed_.wait_for(lock, timeout, [&] { return state.gone || !state.input.empty(); });
        if (state.gone) return -1;
        if (state.input.empty()) return 0;
        const Bytes report = state.input.front();
        state.input.pop_front();
        const size_t length = std::min(capacity, report.size());
        std::copy_n(report.begin(), length, buffer);
        return static_cast<int>(length);
    }
    int Write(Device* device, const uint8_t* data, size_t length) override {
        std::lock_guard lock(mutex_);
        const NodeState& state = open_.at(device);
        if (state.gone) return -1;
        written_.emplace_back(state.path, Bytes(data, data + length));
        return static_cast<int>(length);
    }

private:
    struct NodeState {
        std::string path;
        std::deque<Bytes> input;
        bool gone = false;
    };
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<HidCollectionInfo> listed_;
    std::set<std::string> denied_;
    std::map<Device*, NodeState> open_;
    std::vector<std::pair<std::string, Bytes>> written_;
    uintptr_t next_handle_ = 0x1000;
    bool init_ok_ = true;
    std::atomic<int> init_calls_{0};
    std::atomic<int> exit_calls_{0};
};

class RecordingSink final : public TransportSink {
public:
    struct Input {
        InputChannel channel;
        Bytes report;
    };
    void OnInputReport(InputChannel channel, std::span<const uint8_t> report) override {
        std::lock_guard lock(mutex_);
        inputs_.push_back({channel, Bytes(report.begin(), report.end())});
        changed_.notify_all();
    }
    void OnDeviceCountChanged(uint32_t count) override {
        std::lock_guard lock(mutex_);
        counts_.push_back(count);
        changed_.notify_all();
    }
    std::vector<Input> WaitForInputs(size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kWait, [&] { return inputs_.size() >= n; });
        return inputs_;
    }
    std::vector<uint32_t> WaitForCounts(size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kWait, [&] { return counts_.size() >= n; });
        return counts_;
    }
    std::vector<uint32_t> Counts() {
        std::lock_guard lock(mutex_);
        return counts_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Input> inputs_;
    std::vector<uint32_t> counts_;
};

const HidCollectionInfo kEventNode{"/dev/hidraw1", 0x000C, 0x0001, 1};
const HidCollectionInfo kKeyboardNode{"/dev/hidraw0", 0x0001, 0x0006, 0};  // boot keyboard, not opened
const HidCollectionInfo kControlNode{"/dev/hidraw2", 0xFF1C, 0x0092, 2};
const HidCollectionInfo kStatusNode{"/dev/hidraw3", 0x0008, 0x0089, 3};

Bytes CommandAnswer() {
    Bytes answer(64, 0);
    answer[0] = 0x04;
    answer[3] = 0x03;
    answer[63] = 0x99;
    return answer;
}

class HidrawTransportTest : public ::testing::Test {
protected:
    // No presence thread unless a test asks for one: the test lists the keyboards itself.
    void StartTransport(std::chrono::milliseconds presence_period = 0ms) {
        HidrawOptions options;
        options.presence_period = presence_period;
        options.read_timeout = 20ms;
        options.report_error = [this](const std::string& message) {
            std::lock_guard lock(errors_mutex_);
            errors_.push_back(message);
        };
        transport_ = std::make_unique<HidrawTransport>(api_, options);
        std::string error;
        ASSERT_TRUE(transport_->Start(sink_, &error)) << error;
    }
    std::vector<std::string> Errors() {
        std::lock_guard lock(errors_mutex_);
        return errors_;
    }
    void TearDown() override {
        if (transport_ != nullptr) transport_->Stop();
    }

    FakeHidApi api_;
    RecordingSink sink_;
    std::unique_ptr<HidrawTransport> transport_;
    std::mutex errors_mutex_;
    std::vector<std::string> errors_;
};

TEST(HidrawRouting, ByNodeOrByReportIdOnASharedNode) {
    const Bytes command_answer = {0x04, 0, 0, 3};
    const Bytes event = {0x02, 0xFF, 0x02};
    struct Case {
        const char* name;
        NodeCollections node;
        Bytes report;
        std::optional<InputChannel> channel;
    };
    const Case cases[] = {
        {"control node", {.control = true}, event, InputChannel::kControl},
        {"event node", {.event = true}, command_answer, InputChannel::kEvent},
        {"shared node, command report id",
         {.event = true, .control = true},
         command_answer,
         InputChannel::kControl},
        {"shared node, consumer report id", {.event = true, .control = true}, event, InputChannel::kEvent},
        {"status node has no input", {.status = true}, event, std::nullopt},
        {"empty report", {.event = true, .control = true}, {}, std::nullopt},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(RouteInputReport(test.node, test.report), test.channel);
    }
}

TEST_F(HidrawTransportTest, EachCollectionOnItsOwnNode) {
    api_.List({kKeyboardNode, kEventNode, kControlNode, kStatusNode});
    StartTransport();
    EXPECT_EQ(transport_->DeviceCount(), 1u);
    EXPECT_EQ(sink_.Counts(), std::vector<uint32_t>{1});
    EXPECT_EQ(api_.OpenHandles(kKeyboardNode.path), 0);
    EXPECT_EQ(api_.OpenHandles(kEventNode.path), 1);    // reads only
    EXPECT_EQ(api_.OpenHandles(kControlNode.path), 2);  // a reader and a writer
    EXPECT_EQ(api_.OpenHandles(kStatusNode.path), 1);   // writes only

    api_.Input(kControlNode.path, CommandAnswer());
    api_.Input(kEventNode.path, {0x02, 0x01, 0x04});
    std::vector<RecordingSink::Input> inputs = sink_.WaitForInputs(2);
    ASSERT_EQ(inputs.size(), 2u);
    std::sort(inputs.begin(), inputs.end(),
              [](const auto& a, const auto& b) { return a.channel < b.channel; });
    EXPECT_EQ(inputs[0].channel, InputChannel::kEvent);
    EXPECT_EQ(inputs[0].report, (Bytes{0x02, 0x01, 0x04}));
    EXPECT_EQ(inputs[1].channel, InputChannel::kControl);
    EXPECT_EQ(inputs[1].report, CommandAnswer());

    Bytes command(64);
    std::iota(command.begin(), command.end(), 0x04);
    ASSERT_TRUE(transport_->WriteCommand(command));
    ASSERT_TRUE(transport_->WriteStatus(Bytes{0x05, 0x03}));
    using Written = std::vector<std::pair<std::string, Bytes>>;
    EXPECT_EQ(api_.Written(), (Written{{kControlNode.path, command}, {kStatusNode.path, {0x05, 0x03}}}));
}

TEST_F(HidrawTransportTest, CollectionsSharingOneNodeAreRoutedByReportId) {
    const std::string path = "/dev/hidraw5";
    api_.List({{path, 0x000C, 0x0001, 1}, {path, 0xFF1C, 0x0092, 1}, {path, 0x0008, 0x0089, 1}});
    StartTransport();
    EXPECT_EQ(api_.OpenHandles(path), 2);
    api_.Input(path, {0x02, 0x10, 0x18});
    api_.Input(path, CommandAnswer());
    const std::vector<RecordingSink::Input> inputs = sink_.WaitForInputs(2);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(inputs[0].channel, InputChannel::kEvent);
    EXPECT_EQ(inputs[1].channel, InputChannel::kControl);
    ASSERT_TRUE(transport_->WriteStatus(Bytes{0x05, 0x02}));
    ASSERT_EQ(api_.Written().size(), 1u);
    EXPECT_EQ(api_.Written()[0].first, path);
}

TEST_F(HidrawTransportTest, AttachAndDetachChangeTheCount) {
    StartTransport();
    EXPECT_EQ(transport_->DeviceCount(), 0u);
    EXPECT_FALSE(transport_->WriteCommand(Bytes(64)));

    api_.List({kEventNode, kControlNode, kStatusNode});
    transport_->Rescan();
    EXPECT_EQ(transport_->DeviceCount(), 1u);
    EXPECT_TRUE(transport_->WriteCommand(Bytes(64)));

    transport_->Rescan();  // nothing changed: no notification, nodes stay open
    EXPECT_EQ(api_.OpenHandles(kControlNode.path), 2);

    for (const auto& node : {kEventNode, kControlNode, kStatusNode}) api_.Unplug(node.path);
    transport_->Rescan();
    EXPECT_EQ(transport_->DeviceCount(), 0u);
    EXPECT_EQ(api_.OpenHandles(kControlNode.path), 0);
    EXPECT_FALSE(transport_->WriteCommand(Bytes(64)));

    api_.List({kEventNode, kControlNode, kStatusNode});
    transport_->Rescan();
    EXPECT_EQ(sink_.Counts(), (std::vector<uint32_t>{1, 0, 1}));

    transport_->Stop();
    EXPECT_EQ(api_.OpenHandles(kControlNode.path), 0);
    EXPECT_EQ(api_.ExitCalls(), 1);
}

TEST_F(HidrawTransportTest, ReadFailureIsNoticedWithoutWaitingForThePeriod) {
    api_.List({kEventNode, kControlNode, kStatusNode});
    StartTransport(10min);
    for (const auto& node : {kEventNode, kControlNode, kStatusNode}) api_.Unplug(node.path);
    EXPECT_EQ(sink_.WaitForCounts(2), (std::vector<uint32_t>{1, 0}));
}

TEST_F(HidrawTransportTest, PresenceIsPolled) {
    StartTransport(10ms);
    api_.List({kEventNode, kControlNode, kStatusNode});
    EXPECT_EQ(sink_.WaitForCounts(1), std::vector<uint32_t>{1});
}

TEST_F(HidrawTransportTest, NodeTheUserMayNotOpenIsReportedOnceWithTheUdevRule) {
    api_.List({kEventNode, kControlNode, kStatusNode});
    api_.Deny(kControlNode.path);
    StartTransport();
    transport_->Rescan();
    const std::vector<std::string> errors = Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], ::testing::HasSubstr("/dev/hidraw2"));
    EXPECT_THAT(errors[0], ::testing::HasSubstr("FF1C:0092"));
    EXPECT_THAT(errors[0], ::testing::HasSubstr("Permission denied"));
    EXPECT_THAT(errors[0], ::testing::HasSubstr("udev rule"));
    EXPECT_EQ(transport_->DeviceCount(), 1u) << "the keyboard is there, only not usable";
    EXPECT_FALSE(transport_->WriteCommand(Bytes(64)));

    // Plugged in again: reported again.
    api_.Unplug(kControlNode.path);
    transport_->Rescan();
    api_.List({kEventNode, kControlNode, kStatusNode});
    transport_->Rescan();
    EXPECT_EQ(Errors().size(), 2u);
}

TEST_F(HidrawTransportTest, HidapiThatCannotStartFailsStart) {
    api_.FailInit();
    HidrawTransport transport(api_, HidrawOptions{});
    std::string error;
    EXPECT_FALSE(transport.Start(sink_, &error));
    EXPECT_THAT(error, ::testing::HasSubstr("hidapi"));
}

// The whole way from a hidraw node to the program's callback.
std::mutex g_records_mutex;
std::condition_variable g_records_changed;
std::vector<std::pair<uint32_t, Bytes>> g_records;  // tag, data

int RecordNotification(const void* notification) {
    const auto& record = *static_cast<const NotificationRecord*>(notification);
    std::lock_guard lock(g_records_mutex);
    g_records.emplace_back(
        record.request->tag,
        Bytes(record.request->data, record.request->data + record.request->length_or_count));
    g_records_changed.notify_all();
    return 1;
}

TEST_F(HidrawTransportTest, InputReportReachesTheControlChannelsCallback) {
    api_.List({kEventNode, kControlNode, kStatusNode});
    HidrawOptions options;
    options.presence_period = 0ms;
    options.read_timeout = 20ms;
    HidrawTransport transport(api_, options);
    HidService service;
    std::string error;
    ASSERT_TRUE(service.Start(transport, &error)) << error;

    const Identifier control = MakeIdentifier(kControlCollection);
    uint32_t unit = 0;
    ASSERT_EQ(service.RequestAsyncRead(
                  control.data(), RecordNotification, kControlTag,
                  ComputeCheck(control.data(), reinterpret_cast<const void*>(&RecordNotification),
                               kControlTag, nullptr, 0),
                  &unit),
              1);
    api_.Input(kControlNode.path, CommandAnswer());
    {
        std::unique_lock lock(g_records_mutex);
        g_records_changed.wait_for(lock, kWait, [] { return !g_records.empty(); });
    }
    service.Stop();
    std::lock_guard lock(g_records_mutex);
    ASSERT_EQ(g_records.size(), 1u);
    EXPECT_EQ(g_records[0].first, kControlTag);
    EXPECT_EQ(g_records[0].second, CommandAnswer());
}

}  // namespace
}  // namespace quovex::hidserv
