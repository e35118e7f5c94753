// Opening the request channels, the status word and the keyboard's events.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "support/fake_hidserv.h"

namespace quovex {
namespace {

using testing::FakeHidServ;

// Records the observer's calls as text; they arrive on the fake's thread.
class RecordingObserver : public DeviceEventObserver {
public:
    void OnBankChanged(int bank) override { Add("bank " + std::to_string(bank)); }
    void OnLightingChanged() override { Add("lighting"); }
    void OnTrayEvent(uint16_t code) override { Add("tray " + std::to_string(code)); }
    void OnDeviceCountChanged(uint32_t count) override { Add("count " + std::to_string(count)); }

    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    void Add(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

class LinkChannelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        link.SetObserver(&observer);
        link.OpenChannels();
    }
    void TearDown() override {
        EXPECT_EQ(fake.RefusedCalls(), 0) << "a call carried a wrong identifier or check";
    }

    FakeHidServ fake;
    HidServLibrary library{fake.EntryPoints()};
    RecordingObserver observer;
    DeviceLink link{library};
};

TEST_F(LinkChannelsTest, OpensTheEventChannelThenTheControlChannel) {
    const auto openings = fake.ChannelOpenings();
    ASSERT_EQ(openings.size(), 2u);
    EXPECT_EQ(openings[0].usage_page, 0x000C);
    EXPECT_EQ(openings[0].usage, 0x0001);
    EXPECT_EQ(openings[0].tag, 0x434F4E53u);
    EXPECT_EQ(openings[1].usage_page, 0xFF1C);
    EXPECT_EQ(openings[1].usage, 0x0092);
    EXPECT_EQ(openings[1].tag, 0x4354524Cu);
    EXPECT_EQ(fake.DeletedUnits(), (std::vector<uint32_t>{0, 0})) << "no unit ids before the first opening";
    EXPECT_EQ(link.StatusWord(), (std::array<uint8_t, 2>{0x05, 0x02}));
    EXPECT_TRUE(fake.StatusWrites().empty()) << "the status word is sent only when the bank changes";
}

TEST_F(LinkChannelsTest, ReopeningDeletesTheRequestsOfThePreviousUnits) {
    const auto first = fake.ChannelOpenings();
    link.OpenChannels();
    EXPECT_EQ(fake.DeletedUnits(), (std::vector<uint32_t>{0, 0, first[0].unit, first[1].unit}));
}

TEST_F(LinkChannelsTest, BankSwitchFlipsTheBankBitSendsTheStatusWordAndTellsTheObserver) {
    fake.SendEvent(DeviceLink::kEventBankSwitch);
    fake.WaitForDeliveries();
    EXPECT_EQ(link.Bank(), 1);
    ASSERT_EQ(fake.StatusWrites().size(), 1u);
    EXPECT_EQ(fake.StatusWrites()[0], (std::vector<uint8_t>{0x05, 0x03}));

    fake.SendEvent(DeviceLink::kEventBankSwitch);
    fake.WaitForDeliveries();
    EXPECT_EQ(link.Bank(), 0) << "a second switch restores bank A";
    ASSERT_EQ(fake.StatusWrites().size(), 2u);
    EXPECT_EQ(fake.StatusWrites()[1], (std::vector<uint8_t>{0x05, 0x02}));
    EXPECT_EQ(observer.Calls(), (std::vector<std::string>{"bank 1", "bank 0"}));

    // Each status write first deletes the request of the one before.
    const auto deleted = fake.DeletedUnits();
    ASSERT_EQ(deleted.size(), 4u);
    EXPECT_EQ(deleted[2], 0u);
    EXPECT_NE(deleted[3], 0u);
}

TEST_F(LinkChannelsTest, EventCodesAndTheirActions) {
    const struct {
        uint16_t code;
        std::vector<std::string> calls;
    } cases[] = {
        {1025, {"lighting"}}, {6160, {"tray 6160"}}, {6161, {"tray 6161"}}, {6145, {}}, {6148, {}}, {0, {}},
        {0x1234, {}},
    };
    size_t seen = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        fake.SendEvent(c.code);
        fake.WaitForDeliveries();
        const auto calls = observer.Calls();
        EXPECT_EQ(std::vector<std::string>(calls.begin() + seen, calls.end()), c.calls);
        seen = calls.size();
    }
    EXPECT_TRUE(fake.StatusWrites().empty());
    EXPECT_EQ(link.Bank(), 0);
}

TEST_F(LinkChannelsTest, DeviceCountChangesReachTheObserver) {
    fake.SendDeviceCount(1);
    fake.SendDeviceCount(0);
    fake.WaitForDeliveries();
    EXPECT_EQ(observer.Calls(), (std::vector<std::string>{"count 1", "count 0"}));
}

TEST_F(LinkChannelsTest, MalformedNotificationsAreIgnored) {
    const hidserv::RequestRecord no_consumer{hidserv::kEventTag, 2, nullptr, nullptr};
    hidserv::ConsumerUsageRecord no_usage{};
    no_usage.SetUsagePointer(nullptr);
    const hidserv::RequestRecord null_usage{hidserv::kEventTag, 2, nullptr, &no_usage};
    const hidserv::RequestRecord count_on_event_channel{hidserv::kEventTag, 3, nullptr, nullptr};
    const hidserv::RequestRecord answer_without_data{hidserv::kControlTag, 64, nullptr, nullptr};
    const hidserv::RequestRecord unknown_tag{0x41424344, 64, nullptr, nullptr};

    const hidserv::NotificationRecord records[] = {
        {hidserv::kNotifyData, nullptr},
        {hidserv::kNotifyData, &no_consumer},
        {hidserv::kNotifyData, &null_usage},
        {hidserv::kNotifyDeviceChange, &count_on_event_channel},
        {hidserv::kNotifyData, &answer_without_data},
        {hidserv::kNotifyData, &unknown_tag},
        {7, &unknown_tag},
    };
    for (const auto& record : records) {
        fake.SendRaw(hidserv::kEventTag,
                     [&record](HidServCallback callback) { EXPECT_EQ(callback(&record), 1); });
    }
    fake.SendRaw(hidserv::kEventTag, [](HidServCallback callback) { EXPECT_EQ(callback(nullptr), 1); });
    fake.WaitForDeliveries();
    EXPECT_TRUE(observer.Calls().empty());
    EXPECT_TRUE(fake.StatusWrites().empty());
}

TEST(LinkLifetimeTest, AGoneLinkEndsItsRequestsAndDropsLaterNotifications) {
    FakeHidServ fake;
    HidServLibrary library{fake.EntryPoints()};
    RecordingObserver observer;
    auto link = std::make_unique<DeviceLink>(library);
    link->SetObserver(&observer);
    link->OpenChannels();
    const auto openings = fake.ChannelOpenings();
    link.reset();
    EXPECT_EQ(fake.DeletedUnits(), (std::vector<uint32_t>{0, 0, openings[0].unit, openings[1].unit}));

    fake.SendEvent(DeviceLink::kEventBankSwitch);
    fake.SendDeviceCount(1);
    fake.WaitForDeliveries();
    EXPECT_TRUE(observer.Calls().empty());
    EXPECT_TRUE(fake.StatusWrites().empty());
}

}  // namespace
}  // namespace quovex
