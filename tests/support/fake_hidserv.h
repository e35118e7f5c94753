// A stand-in for libHidServ.so and the keyboard behind it, for driving the
// device link without the library. Its entry points check every call's
// identifier and check value as the library does, record what reached the
// keyboard, and answer command reports from a thread of their own after a
// chosen delay: normally, not at all, with a wrong echo, busy, error or cut
// short, as the test scripts it.
//
// The library's entry points carry no user pointer, so one FakeHidServ at a
// time is the current one; create it before the DeviceLink and destroy it after.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "device/hidserv_library.h"

namespace quovex::testing {

using Report = std::array<uint8_t, hidserv::kReportSize>;

enum class FakeReply {
    kAnswer,     // echo of the command code, status 0, data from the responder
    kSilent,     // no answer at all
    kWrongEcho,  // command code byte changed
    kBusy,       // status byte 0xFE
    kError,      // status byte 0xFF
};

struct FakeStep {
    FakeReply reply = FakeReply::kAnswer;
    std::chrono::milliseconds delay{0};
    size_t answer_length = hidserv::kReportSize;  // the answer is cut to this many bytes
};

class FakeHidServ {
public:
    // Fills an answer's bytes for a request; the reply's kind is applied after it.
    using Responder = std::function<void(const Report& request, Report& answer)>;

    FakeHidServ();
    ~FakeHidServ();
    FakeHidServ(const FakeHidServ&) = delete;
    FakeHidServ& operator=(const FakeHidServ&) = delete;

    HidServEntryPoints EntryPoints() const;

    // --- The keyboard's side ---
    void SetDeviceCount(uint32_t count);
    void SetWriteResult(int result);  // what RequestWriteOne returns; 0 or less sends nothing
    // The replies to the next reports, in order; after them, the default step.
    void Script(std::vector<FakeStep> steps);
    void SetDefaultStep(FakeStep step);
    void SetResponder(Responder responder);

    // Notifications, delivered on the fake's thread after `delay`.
    void SendEvent(uint16_t code, std::chrono::milliseconds delay = {});
    void SendDeviceCount(uint32_t count, std::chrono::milliseconds delay = {});
    void SendControlData(std::vector<uint8_t> bytes, std::chrono::milliseconds delay = {});
    // A notification record as the library would hand it over, for odd shapes
    // (null pointers) that the helpers above never produce.
    void SendRaw(uint32_t tag, std::function<void(HidServCallback)> call);
    // Returns once every scheduled notification has been handed over.
    void WaitForDeliveries();

    // --- What reached the keyboard ---
    std::vector<Report> Reports() const;
    std::vector<std::vector<uint8_t>> StatusWrites() const;
    struct ChannelOpening {
        uint16_t usage_page;
        uint16_t usage;
        uint32_t tag;
        uint32_t unit;  // the unit id handed out
    };
    std::vector<ChannelOpening> ChannelOpenings() const;
    std::vector<uint32_t> DeletedUnits() const;
    // Calls refused for a wrong identifier, check value, callback or length.
    int RefusedCalls() const;
    int DeviceCountQueries() const;

private:
    static FakeHidServ* Current();
    static int Init(int);
    static int RequestGetDeviceCount(const uint8_t*, HidServCallback, uint32_t, uint32_t, uint32_t*);
    static int DeleteRequestFromUnitId(uint32_t);
    static int RequestWriteOne(const uint8_t*, HidServCallback, uint32_t, const uint8_t*, uint32_t, uint32_t,
                               uint32_t*);
    static int RequestStatusWrite(const uint8_t*, HidServCallback, uint32_t, const uint8_t*, uint32_t,
                                  uint32_t, uint32_t*);
    static int RequestAsyncRead(const uint8_t*, HidServCallback, uint32_t, uint32_t, uint32_t*);

    bool CheckCall(bool valid);
    void Schedule(std::chrono::milliseconds delay, std::function<void()> action);
    void DeliverData(uint32_t tag, std::vector<uint8_t> bytes, const uint16_t* usage);
    HidServCallback CallbackFor(uint32_t tag) const;
    void RunDeliveries();

    mutable std::mutex mutex_;
    uint32_t device_count_ = 1;
    int write_result_ = 1;
    std::deque<FakeStep> script_;
    FakeStep default_step_;
    Responder responder_;
    std::vector<Report> reports_;
    std::vector<std::vector<uint8_t>> status_writes_;
    std::vector<ChannelOpening> openings_;
    std::vector<uint32_t> deleted_units_;
    std::map<uint32_t, HidServCallback> callbacks_;  // by tag
    uint32_t next_unit_ = 100;
    int refused_calls_ = 0;
    int device_count_queries_ = 0;

    std::condition_variable deliveries_changed_;
    std::multimap<std::chrono::steady_clock::time_point, std::function<void()>> deliveries_;
    bool delivering_ = false;
    bool stopping_ = false;
    std::thread delivery_thread_;
};

}  // namespace quovex::testing
