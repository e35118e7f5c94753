// libHidServ.so loaded as the program loads it, running the virtual keyboard:
// the exported names, calls refused for a wrong check value or identifier,
// channels and their notification records, attach and detach, events, the
// status word, latency, update mode, the state file at Init, End and process
// exit, and the report trace.
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "quovex/hidserv_abi.h"
#include "quovex/sim_control.h"
#include "sim/command_report.h"
#include "sim/state_file.h"
#include "sim_test_support.h"

extern char** environ;

namespace quovex::hidserv {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using sim::Memory;

constexpr auto kWait = 5s;  // generous: only reached when something is broken

// The library's entry points, resolved once; the library stays loaded.
struct Library {
    HidServInitFn Init;
    HidServEndFn End;
    HidServDebugFn Debug;
    HidServRequestGetDeviceCountFn RequestGetDeviceCount;
    HidServDeleteRequestFromUnitIdFn DeleteRequestFromUnitId;
    HidServRequestWriteOneFn RequestWriteOne;
    HidServRequestStatusWriteFn RequestStatusWrite;
    HidServRequestAsyncReadFn RequestAsyncRead;
    HidServDeleteRequestFromHandleFn DeleteRequestFromHandle;
    HidServRequestWriteFn RequestWrite;
    HidServRequestStatusGetFn RequestStatusGet;
    HidServRequestStatusSetFeatureFn RequestStatusSetFeature;
    sim::ControlAccessor SimControl;
};

const fs::path kLibraryPath = fs::path(QUOVEX_PROGRAM_DIR) / kLibraryFileName;

const Library& TheLibrary() {
    static const Library library = [] {
        void* handle = dlopen(kLibraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            ADD_FAILURE() << dlerror();
            std::abort();
        }
        auto resolve = [&](const char* name) {
            void* symbol = dlsym(handle, name);
            if (symbol == nullptr) {
                ADD_FAILURE() << "no entry point " << name;
                std::abort();
            }
            return symbol;
        };
        Library l;
        l.Init = reinterpret_cast<HidServInitFn>(resolve("Init"));
        l.End = reinterpret_cast<HidServEndFn>(resolve("End"));
        l.Debug = reinterpret_cast<HidServDebugFn>(resolve("Debug"));
        l.RequestGetDeviceCount =
            reinterpret_cast<HidServRequestGetDeviceCountFn>(resolve("RequestGetDeviceCount"));
        l.DeleteRequestFromUnitId =
            reinterpret_cast<HidServDeleteRequestFromUnitIdFn>(resolve("DeleteRequestFromUnitId"));
        l.RequestWriteOne = reinterpret_cast<HidServRequestWriteOneFn>(resolve("RequestWriteOne"));
        l.RequestStatusWrite = reinterpret_cast<HidServRequestStatusWriteFn>(resolve("RequestStatusWrite"));
        l.RequestAsyncRead = reinterpret_cast<HidServRequestAsyncReadFn>(resolve("RequestAsyncRead"));
        l.DeleteRequestFromHandle =
            reinterpret_cast<HidServDeleteRequestFromHandleFn>(resolve("DeleteRequestFromHandle"));
        l.RequestWrite = reinterpret_cast<HidServRequestWriteFn>(resolve("RequestWrite"));
        l.RequestStatusGet = reinterpret_cast<HidServRequestStatusGetFn>(resolve("RequestStatusGet"));
        l.RequestStatusSetFeature =
            reinterpret_cast<HidServRequestStatusSetFeatureFn>(resolve("RequestStatusSetFeature"));
        l.SimControl = reinterpret_cast<sim::ControlAccessor>(resolve(sim::kControlAccessorName));
        return l;
    }();
    return library;
}

const Identifier kEventId = MakeIdentifier(kEventCollection);
const Identifier kControlId = MakeIdentifier(kControlCollection);
const Identifier kStatusId = MakeIdentifier(kStatusCollection);

uint32_t Check(const Identifier& id, HidServCallback callback, uint32_t tag, const Bytes& data = {}) {
    return ComputeCheck(id.data(), reinterpret_cast<const void*>(callback), tag,
                        data.empty() ? nullptr : data.data(), data.size());
}

// What the callbacks received, copied out of the records while they were valid.
struct Notification {
    int32_t kind;
    uint32_t tag;
    uint32_t length_or_count;
    Bytes data;
    uint16_t code;
};

class Recorder {
public:
    void Add(const void* raw) {
        const auto& record = *static_cast<const NotificationRecord*>(raw);
        const RequestRecord& request = *record.request;
        Notification notification{record.kind, request.tag, request.length_or_count, {}, 0};
        if (record.kind == kNotifyData)
            notification.data.assign(request.data, request.data + request.length_or_count);
        notification.code = *request.consumer->UsagePointer();
        std::lock_guard lock(mutex_);
        received_.push_back(std::move(notification));
        changed_.notify_all();
    }
    std::vector<Notification> WaitFor(size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kWait, [&] { return received_.size() >= n; });
        return received_;
    }
    std::vector<Notification> All() {
        std::lock_guard lock(mutex_);
        return received_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        received_.clear();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Notification> received_;
};

Recorder g_control;
Recorder g_event;
int RecordControl(const void* notification) {
    g_control.Add(notification);
    return 1;
}
int RecordEvent(const void* notification) {
    g_event.Add(notification);
    return 1;
}

Bytes Command(uint8_t code, uint8_t length = 0, uint16_t address = 0, const Bytes& data = {}) {
    const sim::ReportBytes bytes = sim::testing::MakeRequest(code, length, address, data);
    return {bytes.begin(), bytes.end()};
}

class HidServLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("QUOVEX_DEVICE", "sim", 1);
        unsetenv("QUOVEX_SIM_STATE");
        unsetenv("QUOVEX_SIM_TRACE");
        Restart();
    }
    void TearDown() override {
        lib_.End();
        unsetenv("QUOVEX_SIM_STATE");
        unsetenv("QUOVEX_SIM_TRACE");
    }

    // As the program starts: End what a previous test left, Init, a factory keyboard plugged in.
    void Restart() {
        lib_.End();
        ASSERT_EQ(lib_.Init(0), 1);
        keyboard_ = lib_.SimControl();
        ASSERT_NE(keyboard_, nullptr);
        keyboard_->ResetToFactory();
        keyboard_->Attach();
        ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
        g_control.Clear();
        g_event.Clear();
    }

    uint32_t OpenChannel(const Identifier& id, HidServCallback callback, uint32_t tag) {
        uint32_t unit = 0;
        EXPECT_EQ(lib_.RequestAsyncRead(id.data(), callback, tag, Check(id, callback, tag), &unit), 1);
        EXPECT_NE(unit, 0u);
        return unit;
    }
    void OpenChannels() {
        OpenChannel(kEventId, RecordEvent, kEventTag);
        OpenChannel(kControlId, RecordControl, kControlTag);
    }
    int Send(const Bytes& report) {
        return lib_.RequestWriteOne(kControlId.data(), nullptr, 0, report.data(),
                                    static_cast<uint32_t>(report.size()),
                                    Check(kControlId, nullptr, 0, report), nullptr);
    }
    int DeviceCount() {
        return lib_.RequestGetDeviceCount(kControlId.data(), nullptr, 0, Check(kControlId, nullptr, 0),
                                          nullptr);
    }

    const Library& lib_ = TheLibrary();
    sim::VirtualKeyboardControl* keyboard_ = nullptr;
};

TEST_F(HidServLibraryTest, ExportsTheEntryPointsAndTheControlAccessorOnly) {
    const std::string command = "nm -D --defined-only " + kLibraryPath.string();
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> exported;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);  // address, type, name
        std::string address, type, name;
        fields >> address >> type >> name;
        exported.insert(name);
    }
    ASSERT_EQ(pclose(pipe), 0) << command;
    EXPECT_EQ(exported,
              (std::set<std::string>{"Init", "End", "Debug", "RequestGetDeviceCount",
                                     "DeleteRequestFromUnitId", "RequestWriteOne", "RequestStatusWrite",
                                     "RequestAsyncRead", "DeleteRequestFromHandle", "RequestWrite",
                                     "RequestStatusGet", "RequestStatusSetFeature", "QuovexSimControl"}));
}

TEST_F(HidServLibraryTest, CallsWithAWrongCheckOrIdentifierAreRefused) {
    const Bytes report = Command(sim::CMD_READ_STATE, 44);
    Identifier other_vendor = kControlId;
    other_vendor[4] = 0x46;
    Identifier nonzero_tail = kControlId;
    nonzero_tail[15] = 1;
    const uint8_t status[] = {0x05, 0x02};
    struct Case {
        const char* name;
        std::function<int()> call;
    };
    const uint32_t write_check = Check(kControlId, nullptr, 0, report);
    const Case cases[] = {
        {"write: check off by one",
         [&] {
             return lib_.RequestWriteOne(kControlId.data(), nullptr, 0, report.data(), 64, write_check + 1,
                                         nullptr);
         }},
        {"write: check over other bytes",
         [&] {
             Bytes changed = report;
             changed[63] = 1;
             return lib_.RequestWriteOne(kControlId.data(), nullptr, 0, changed.data(), 64, write_check,
                                         nullptr);
         }},
        {"write: another vendor's identifier",
         [&] {
             return lib_.RequestWriteOne(other_vendor.data(), nullptr, 0, report.data(), 64,
                                         Check(other_vendor, nullptr, 0, report), nullptr);
         }},
        {"write: identifier with a non-zero tail",
         [&] {
             return lib_.RequestWriteOne(nonzero_tail.data(), nullptr, 0, report.data(), 64,
                                         Check(nonzero_tail, nullptr, 0, report), nullptr);
         }},
        {"write: on the event collection",
         [&] {
             return lib_.RequestWriteOne(kEventId.data(), nullptr, 0, report.data(), 64,
                                         Check(kEventId, nullptr, 0, report), nullptr);
         }},
        {"write: 63 bytes",
         [&] {
             const Bytes short_report(report.begin(), report.end() - 1);
             return lib_.RequestWriteOne(kControlId.data(), nullptr, 0, short_report.data(), 63,
                                         Check(kControlId, nullptr, 0, short_report), nullptr);
         }},
        {"write: no identifier",
         [&] { return lib_.RequestWriteOne(nullptr, nullptr, 0, report.data(), 64, write_check, nullptr); }},
        {"count: wrong check",
         [&] {
             return lib_.RequestGetDeviceCount(kControlId.data(), nullptr, 0,
                                               Check(kControlId, nullptr, 0) + 1, nullptr);
         }},
        {"read: wrong check",
         [&] {
             uint32_t unit = 77;
             const int result = lib_.RequestAsyncRead(kControlId.data(), RecordControl, kControlTag,
                                                      Check(kControlId, RecordControl, 0), &unit);
             EXPECT_EQ(unit, 77u) << "a refused call stores no unit id";
             return result;
         }},
        {"read: on the status collection",
         [&] {
             return lib_.RequestAsyncRead(kStatusId.data(), RecordControl, kStatusTag,
                                          Check(kStatusId, RecordControl, kStatusTag), nullptr);
         }},
        {"status: wrong check",
         [&] {
             return lib_.RequestStatusWrite(kStatusId.data(), nullptr, kStatusTag, status, 2,
                                            Check(kStatusId, nullptr, kStatusTag), nullptr);
         }},
        {"status: on the control collection",
         [&] {
             return lib_.RequestStatusWrite(kControlId.data(), nullptr, kStatusTag, status, 2,
                                            Check(kControlId, nullptr, kStatusTag, Bytes{0x05, 0x02}),
                                            nullptr);
         }},
        {"calls the program never makes",
         [&] {
             uint8_t buffer[2];
             return lib_.DeleteRequestFromHandle(nullptr) +
                    lib_.RequestStatusGet(kStatusId.data(), nullptr, 0, buffer, 2, 0, nullptr) +
                    lib_.RequestWrite(kControlId.data(), nullptr, 0, report.data(), 64, write_check,
                                      nullptr) +
                    lib_.RequestStatusSetFeature(kStatusId.data(), nullptr, 0, status, 2, 0, nullptr);
         }},
    };
    OpenChannels();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(test.call(), 0);
    }
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_EQ(keyboard_->ReportsReceived(), 0u);
    EXPECT_EQ(keyboard_->StatusWord(), (std::array<uint8_t, 2>{0x05, 0x02}));
    EXPECT_TRUE(g_control.All().empty());

    // The same calls with the right check value are served.
    EXPECT_EQ(DeviceCount(), 1);
    EXPECT_EQ(Send(report), 1);
    EXPECT_EQ(g_control.WaitFor(1).size(), 1u);
}

TEST_F(HidServLibraryTest, AnswerArrivesOnTheControlChannelUnchanged) {
    OpenChannels();
    const Bytes request = Command(sim::CMD_READ_STATE, 44);
    ASSERT_EQ(Send(request), 1);
    const std::vector<Notification> answers = g_control.WaitFor(1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].kind, kNotifyData);
    EXPECT_EQ(answers[0].tag, kControlTag);
    ASSERT_EQ(answers[0].length_or_count, 64u);
    EXPECT_EQ(answers[0].data[3], sim::CMD_READ_STATE);
    EXPECT_EQ(answers[0].data[7], sim::kStatusSuccess);
    EXPECT_EQ(Bytes(answers[0].data.begin() + 8, answers[0].data.begin() + 52),
              keyboard_->ReadMemory(Memory::kState));
    EXPECT_EQ(answers[0].code, 0);
    EXPECT_EQ(keyboard_->ReportsReceived(), 1u);
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_TRUE(g_event.All().empty());
}

TEST_F(HidServLibraryTest, WritesReachTheKeyboardsMemories) {
    OpenChannels();
    const Bytes colours = {0x10, 0x20, 0x30};
    for (const Bytes& report :
         {Command(sim::CMD_BEGIN_ACCESS), Command(sim::CMD_WRITE_KEY_COLOURS, 3, 512 + 3, colours),
          Command(sim::CMD_END_ACCESS)}) {
        ASSERT_EQ(Send(report), 1);
    }
    const std::vector<Notification> answers = g_control.WaitFor(3);
    ASSERT_EQ(answers.size(), 3u);
    for (const Notification& answer : answers) EXPECT_EQ(answer.data[7], sim::kStatusSuccess);
    const Bytes memory = keyboard_->ReadMemory(Memory::kKeyColours);
    EXPECT_EQ(Bytes(memory.begin() + 515, memory.begin() + 518), colours);
    EXPECT_FALSE(keyboard_->InAccessGroup());
}

TEST_F(HidServLibraryTest, AttachAndDetachNotifyTheControlChannelWithTheCount) {
    OpenChannels();
    keyboard_->Detach();
    std::vector<Notification> changes = g_control.WaitFor(1);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, kNotifyDeviceChange);
    EXPECT_EQ(changes[0].tag, kControlTag);
    EXPECT_EQ(changes[0].length_or_count, 0u);
    EXPECT_EQ(DeviceCount(), 0);
    EXPECT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 0) << "nothing to send to";

    keyboard_->Detach();  // already detached: nothing
    keyboard_->Attach();
    changes = g_control.WaitFor(2);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].kind, kNotifyDeviceChange);
    EXPECT_EQ(changes[1].length_or_count, 1u);
    EXPECT_EQ(DeviceCount(), 1);
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_TRUE(g_event.All().empty()) << "presence is reported on the control channel only";
}

TEST_F(HidServLibraryTest, CablePulledMidTransferLeavesTheReportUnanswered) {
    OpenChannels();
    keyboard_->DetachAfterReports(1);
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    const std::vector<Notification> received = g_control.WaitFor(2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].kind, kNotifyData);
    EXPECT_EQ(received[1].kind, kNotifyDeviceChange);
    EXPECT_EQ(received[1].length_or_count, 0u);
    EXPECT_EQ(DeviceCount(), 0);
}

TEST_F(HidServLibraryTest, KeyboardEventsCarryTheirCode) {
    OpenChannels();
    keyboard_->SwitchBank();
    keyboard_->ReportLightingChanged();
    keyboard_->SendEvent(6161);
    keyboard_->SendEvent(6160);
    const std::vector<Notification> events = g_event.WaitFor(4);
    ASSERT_EQ(events.size(), 4u);
    const uint16_t codes[] = {767, 1025, 6161, 6160};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(codes[i]);
        EXPECT_EQ(events[i].kind, kNotifyData);
        EXPECT_EQ(events[i].tag, kEventTag);
        EXPECT_EQ(events[i].code, codes[i]);
        EXPECT_EQ(events[i].data,
                  (Bytes{0x02, static_cast<uint8_t>(codes[i] & 0xFF), static_cast<uint8_t>(codes[i] >> 8)}));
    }
    EXPECT_EQ(keyboard_->Bank(), 1);
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_TRUE(g_control.All().empty());

    keyboard_->Detach();
    keyboard_->SendEvent(6161);
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_EQ(g_event.All().size(), 4u) << "an unplugged keyboard sends no events";
}

TEST_F(HidServLibraryTest, StatusWordIsRecordedAndItsRequestEnded) {
    const Bytes bank_b = {0x05, 0x03};
    uint32_t unit = 0;
    ASSERT_EQ(lib_.RequestStatusWrite(kStatusId.data(), RecordEvent, kStatusTag, bank_b.data(), 2,
                                      Check(kStatusId, RecordEvent, kStatusTag, bank_b), &unit),
              1);
    EXPECT_NE(unit, 0u);
    EXPECT_EQ(keyboard_->StatusWord(), (std::array<uint8_t, 2>{0x05, 0x03}));
    EXPECT_EQ(lib_.DeleteRequestFromUnitId(unit), 1);
    EXPECT_EQ(lib_.DeleteRequestFromUnitId(unit), 0);
    EXPECT_EQ(lib_.DeleteRequestFromUnitId(0), 0);
}

TEST_F(HidServLibraryTest, EndedChannelReceivesNothingMore) {
    const uint32_t unit = OpenChannel(kControlId, RecordControl, kControlTag);
    ASSERT_EQ(lib_.DeleteRequestFromUnitId(unit), 1);
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    keyboard_->Detach();
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_TRUE(g_control.All().empty());
}

// The program's callback may send the next report, or the status word, from
// inside the notification; the library must not hold a lock that those need.
std::atomic<int> g_chain_left{0};
std::atomic<int> g_chain_answers{0};
int SendNextFromCallback(const void* raw) {
    const auto& record = *static_cast<const NotificationRecord*>(raw);
    if (record.kind != kNotifyData) return 1;
    ++g_chain_answers;
    const Library& lib = TheLibrary();
    if (record.request->tag == kEventTag) {
        const Bytes status = {0x05, 0x03};
        lib.RequestStatusWrite(kStatusId.data(), nullptr, kStatusTag, status.data(), 2,
                               Check(kStatusId, nullptr, kStatusTag, status), nullptr);
    } else if (g_chain_left.fetch_sub(1) > 0) {
        const Bytes next = Command(sim::CMD_READ_STATE, 44);
        lib.RequestWriteOne(kControlId.data(), nullptr, 0, next.data(), 64,
                            Check(kControlId, nullptr, 0, next), nullptr);
    }
    return 1;
}

TEST_F(HidServLibraryTest, CallbackMaySendTheNextReport) {
    OpenChannel(kControlId, SendNextFromCallback, kControlTag);
    OpenChannel(kEventId, SendNextFromCallback, kEventTag);
    g_chain_left = 20;
    g_chain_answers = 0;
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    keyboard_->SwitchBank();
    // Each next report is queued before its callback returns, so the keyboard is idle only at the chain's
    // end.
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_EQ(keyboard_->ReportsReceived(), 21u);
    EXPECT_EQ(g_chain_answers.load(), 22);
    EXPECT_EQ(keyboard_->StatusWord(), (std::array<uint8_t, 2>{0x05, 0x03}));
}

TEST_F(HidServLibraryTest, AnswerWaitsForTheLatencyButTheSendDoesNot) {
    OpenChannels();
    keyboard_->SetLatency(50ms);
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    EXPECT_TRUE(g_control.All().empty()) << "the send returned before the answer";
    ASSERT_EQ(g_control.WaitFor(1).size(), 1u);
    EXPECT_GE(std::chrono::steady_clock::now() - sent, 50ms);
}

TEST_F(HidServLibraryTest, FaultsSpoilTheNextAnswers) {
    OpenChannels();
    keyboard_->SetFaults({.no_answer = 1, .wrong_echo = 1, .busy = 1, .error = 1});
    for (int i = 0; i < 5; ++i) ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    const std::vector<Notification> answers = g_control.WaitFor(4);
    ASSERT_EQ(answers.size(), 4u);
    EXPECT_NE(answers[0].data[3], sim::CMD_READ_STATE);
    EXPECT_EQ(answers[1].data[7], sim::kStatusBusy);
    EXPECT_EQ(answers[2].data[7], sim::kStatusError);
    EXPECT_EQ(answers[3].data[7], sim::kStatusSuccess);
    EXPECT_EQ(keyboard_->Faults(), sim::FaultCounters{});
}

TEST_F(HidServLibraryTest, UpdateModeAnswersNothingUntilReplugged) {
    OpenChannels();
    Bytes enter(64, 0);
    enter[0] = 0x04;
    enter[3] = 0xEE;
    enter[4] = 0xEE;
    ASSERT_EQ(Send(enter), 1);
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    EXPECT_TRUE(keyboard_->InUpdateMode());
    EXPECT_TRUE(g_control.All().empty());

    keyboard_->Detach();
    keyboard_->Attach();
    ASSERT_EQ(g_control.WaitFor(2).size(), 2u);
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    const std::vector<Notification> received = g_control.WaitFor(3);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[2].data[7], sim::kStatusSuccess);
}

TEST_F(HidServLibraryTest, EndedLibraryRefusesCallsUntilInitAgain) {
    ASSERT_EQ(lib_.End(), 1);
    EXPECT_EQ(DeviceCount(), 0);
    EXPECT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 0);
    EXPECT_EQ(lib_.Init(0), 1);
    EXPECT_EQ(lib_.Init(0), 1) << "a second Init keeps the running library";
    EXPECT_EQ(DeviceCount(), 1);
}

using sim::testing::ReadText;
using sim::testing::TemporaryFolder;

TEST_F(HidServLibraryTest, StateFileIsLoadedAtInitAndSavedAtEnd) {
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "keyboard.json";
    std::ofstream(path) << R"({"bank": 1, "present": false, "latency_ms": 3, "faults": {"busy": 2}})";
    setenv("QUOVEX_SIM_STATE", path.c_str(), 1);
    lib_.End();
    ASSERT_EQ(lib_.Init(0), 1);
    EXPECT_EQ(keyboard_->StatePath(), path.string());
    EXPECT_EQ(keyboard_->Bank(), 1);
    EXPECT_FALSE(keyboard_->IsPresent());
    EXPECT_EQ(DeviceCount(), 0);
    EXPECT_EQ(keyboard_->Latency(), 3ms);
    EXPECT_EQ(keyboard_->Faults(), (sim::FaultCounters{.busy = 2}));

    keyboard_->SetLatency(0ms);
    keyboard_->SetFaults({});
    // The channels first, so that the attach notification cannot come before them.
    OpenChannels();
    keyboard_->Attach();
    const Bytes chunk(56, 0xAB);
    for (const Bytes& report :
         {Command(sim::CMD_BEGIN_ACCESS), Command(sim::CMD_WRITE_KEYMAP, 56, 378, chunk),
          Command(sim::CMD_END_ACCESS)}) {
        ASSERT_EQ(Send(report), 1);
    }
    ASSERT_EQ(g_control.WaitFor(4).size(), 4u);
    ASSERT_EQ(lib_.End(), 1);

    const sim::LoadedState saved = sim::ParseStateText(ReadText(path));
    EXPECT_TRUE(saved.problems.empty());
    EXPECT_TRUE(saved.state.present);
    EXPECT_EQ(saved.state.bank, 1);
    EXPECT_EQ(Bytes(saved.state.memories.key_maps.begin() + 378, saved.state.memories.key_maps.begin() + 434),
              chunk);
    EXPECT_FALSE(fs::exists(folder.Path() / "keyboard.json.bad"));
}

TEST_F(HidServLibraryTest, CorruptStateFileGivesAnErrorAndFactoryValues) {
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "keyboard.json";
    std::ofstream(path) << R"({"bank": 1, "lighting": "not hex"})";
    setenv("QUOVEX_SIM_STATE", path.c_str(), 1);
    lib_.End();
    ::testing::internal::CaptureStderr();
    const int started = lib_.Init(0);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(started, 1);
    EXPECT_THAT(errors, ::testing::HasSubstr(path.string()));
    EXPECT_THAT(errors, ::testing::HasSubstr("\"lighting\" is not hex"));
    EXPECT_THAT(errors, ::testing::HasSubstr("keyboard.json.bad"));
    EXPECT_EQ(keyboard_->Bank(), 1);
    EXPECT_EQ(keyboard_->ReadMemory(Memory::kLighting)[0], 0x01) << "factory lighting";
    EXPECT_EQ(ReadText(folder.Path() / "keyboard.json.bad"), R"({"bank": 1, "lighting": "not hex"})");
}

TEST_F(HidServLibraryTest, SaveStateWithoutAFileSaysSo) {
    std::string error;
    EXPECT_FALSE(keyboard_->SaveState(&error));
    EXPECT_THAT(error, ::testing::HasSubstr("QUOVEX_SIM_STATE"));
}

TEST_F(HidServLibraryTest, TraceHasOneLinePerReportAndEvent) {
    TemporaryFolder folder;
    const fs::path trace = folder.Path() / "trace.txt";
    setenv("QUOVEX_SIM_TRACE", trace.c_str(), 1);
    Restart();
    OpenChannels();
    ASSERT_EQ(Send(Command(sim::CMD_READ_STATE, 44)), 1);
    ASSERT_EQ(g_control.WaitFor(1).size(), 1u);
    keyboard_->SwitchBank();
    keyboard_->Detach();
    ASSERT_TRUE(keyboard_->WaitUntilIdle(kWait));
    lib_.End();

    std::istringstream lines(ReadText(trace));
    std::vector<std::string> found;
    for (std::string line; std::getline(lines, line);) found.push_back(line);
    const std::regex received("> 042f00032c0{118}");
    const std::regex answered("< 04[0-9a-f]{4}032c000000[0-9a-f]{112}");
    ASSERT_GE(found.size(), 4u) << ReadText(trace);
    const std::vector<std::string> last(found.end() - 4, found.end());
    EXPECT_TRUE(std::regex_match(last[0], received)) << last[0];
    EXPECT_TRUE(std::regex_match(last[1], answered)) << last[1];
    EXPECT_EQ(last[2], "! event-767");
    EXPECT_EQ(last[3], "! detach");
}

TEST(HidServLibraryHidraw, InitSucceedsWithNoKeyboardAttached) {
    const Library& lib = TheLibrary();
    lib.End();
    unsetenv("QUOVEX_DEVICE");
    ASSERT_EQ(lib.Init(0), 1);
    EXPECT_EQ(lib.SimControl(), nullptr);
    EXPECT_EQ(
        lib.RequestGetDeviceCount(kControlId.data(), nullptr, 0, Check(kControlId, nullptr, 0), nullptr), 0);
    EXPECT_EQ(lib.End(), 1);
}

// The state is saved when the process ends without End, as the program ends.
// The test runs itself again as the child that ends that way.
TEST(HidServLibraryExit, StateIsSavedWhenTheProcessEnds) {
    if (std::getenv("QUOVEX_TEST_EXIT_CHILD") != nullptr) {
        const Library& lib = TheLibrary();
        if (lib.Init(0) != 1) std::_Exit(2);
        sim::VirtualKeyboardControl* keyboard = lib.SimControl();
        keyboard->ResetToFactory();
        keyboard->SwitchBank();
        keyboard->WaitUntilIdle(kWait);
        std::exit(0);
    }
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "keyboard.json";
    std::vector<std::string> environment = {"QUOVEX_TEST_EXIT_CHILD=1", "QUOVEX_DEVICE=sim",
                                            "QUOVEX_SIM_STATE=" + path.string()};
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string filter = "--gtest_filter=HidServLibraryExit.StateIsSavedWhenTheProcessEnds";
    std::string self = fs::read_symlink("/proc/self/exe").string();
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const sim::LoadedState saved = sim::LoadStateFile(path);
    EXPECT_TRUE(saved.problems.empty());
    EXPECT_EQ(saved.state.bank, 1);
}

}  // namespace
}  // namespace quovex::hidserv
