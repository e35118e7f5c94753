// The synchronous exchange against the fake HID service: answers, time-outs,
// wrong echoes, busy and error answers, late answers and two threads at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "device/device_link.h"
#include "device/result_codes.h"
#include "support/fake_hidserv.h"

namespace quovex {
namespace {

using namespace std::chrono_literals;
using testing::FakeHidServ;
using testing::FakeReply;
using testing::FakeStep;
using testing::Report;

// Short enough to keep time-outs cheap, long enough that an immediate answer
// never misses it on a loaded machine under a sanitizer.
constexpr DeviceLinkTiming kTestTiming{250ms, 1ms};

// A request as the command set builds it: report id 4, code, data bytes.
Report MakeRequest(uint8_t code, uint8_t fill) {
    Report request{};
    request[0] = 0x04;
    request[3] = code;
    std::fill(request.begin() + 8, request.end(), fill);
    return request;
}

// Answers with the request's data bytes plus one, so an answer names its request.
void AnswerWithRequestDataPlusOne(const Report& request, Report& answer) {
    for (size_t i = 8; i < answer.size(); ++i) answer[i] = static_cast<uint8_t>(request[i] + 1);
}

class LinkExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.SetResponder(AnswerWithRequestDataPlusOne);
        link.OpenChannels();
    }
    void TearDown() override {
        EXPECT_EQ(fake.RefusedCalls(), 0) << "a call carried a wrong identifier or check";
    }

    int Exchange(const Report& request, Report& answer, size_t* length) {
        return link.ExchangeReport(request.data(), request.size(), answer.data(), answer.size(), length);
    }

    FakeHidServ fake;
    HidServLibrary library{fake.EntryPoints()};
    DeviceLink link{library, kTestTiming};
};

TEST_F(LinkExchangeTest, SendsTheRequestZeroFilledAndCopiesTheAnswer) {
    const uint8_t request[10] = {0x04, 0x11, 0x22, 0x03, 0x2C, 0x00, 0x00, 0x00, 0x42, 0x43};
    Report answer{};
    size_t length = 99;
    ASSERT_EQ(link.ExchangeReport(request, sizeof request, answer.data(), answer.size(), &length),
              kResultDone);

    const auto reports = fake.Reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(std::equal(request, request + 10, reports[0].begin()));
    EXPECT_TRUE(std::all_of(reports[0].begin() + 10, reports[0].end(), [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(length, 64u);
    EXPECT_EQ(answer[3], 0x03);
    EXPECT_EQ(answer[8], 0x43);
    EXPECT_EQ(answer[9], 0x44);
    EXPECT_EQ(answer[10], 0x01);
}

TEST_F(LinkExchangeTest, NoKeyboardSendsNothing) {
    fake.SetDeviceCount(0);
    Report answer{};
    size_t length = 99;
    EXPECT_EQ(Exchange(MakeRequest(0x03, 0), answer, &length), kResultNoKeyboard);
    EXPECT_EQ(length, 0u);
    EXPECT_TRUE(fake.Reports().empty());
}

TEST_F(LinkExchangeTest, RefusedReportIsNotRetried) {
    fake.SetWriteResult(0);
    Report answer{};
    size_t length = 99;
    EXPECT_EQ(Exchange(MakeRequest(0x03, 0), answer, &length), kResultRefused);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(fake.Reports().size(), 1u);
}

TEST_F(LinkExchangeTest, AnswerIsCutToTheBufferCapacity) {
    const Report request = MakeRequest(0x05, 0x10);
    std::array<uint8_t, 16> answer;
    answer.fill(0xCC);
    size_t length = 0;
    ASSERT_EQ(link.ExchangeReport(request.data(), request.size(), answer.data(), 12, &length), kResultDone);
    EXPECT_EQ(length, 12u);
    EXPECT_EQ(answer[11], 0x11);
    EXPECT_EQ(answer[12], 0xCC) << "a byte past the capacity was written";
}

struct RetryCase {
    const char* name;
    std::vector<FakeStep> steps;
    int result;
    size_t reports_sent;
    uint8_t status_seen;  // answer byte 7 when the result is done
};

void PrintTo(const RetryCase& c, std::ostream* os) {
    *os << c.name;
}

class LinkRetryTest : public LinkExchangeTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(LinkRetryTest, RetriesAsTheAnswersDemand) {
    const RetryCase& c = GetParam();
    fake.Script(c.steps);
    const Report request = MakeRequest(0x07, 0x20);
    Report answer{};
    size_t length = 99;
    const int result = Exchange(request, answer, &length);

    EXPECT_EQ(result, c.result);
    const auto reports = fake.Reports();
    EXPECT_EQ(reports.size(), c.reports_sent);
    for (const Report& sent : reports)
        EXPECT_EQ(sent, reports.front()) << "a retry must send the same report";
    if (c.result == kResultDone) {
        EXPECT_EQ(length, 64u);
        EXPECT_EQ(answer[7], c.status_seen);
    } else {
        EXPECT_EQ(length, 0u);
    }
}

constexpr FakeStep kAnswer{FakeReply::kAnswer};
constexpr FakeStep kSilence{FakeReply::kSilent};
constexpr FakeStep kWrongEcho{FakeReply::kWrongEcho};
constexpr FakeStep kBusy{FakeReply::kBusy};
constexpr FakeStep kError{FakeReply::kError};
constexpr FakeStep kNoEchoByte{FakeReply::kAnswer, 0ms, 3};

INSTANTIATE_TEST_SUITE_P(
    Answers, LinkRetryTest,
    ::testing::Values(
        RetryCase{"ThreeSilencesGiveNoAnswer", {kSilence, kSilence, kSilence}, kResultNoAnswer, 3, 0},
        RetryCase{
            "ThreeWrongEchoesGiveNoAnswer", {kWrongEcho, kWrongEcho, kWrongEcho}, kResultNoAnswer, 3, 0},
        RetryCase{"AnswersWithoutEchoByteGiveNoAnswer",
                  {kNoEchoByte, kNoEchoByte, kNoEchoByte},
                  kResultNoAnswer,
                  3,
                  0},
        RetryCase{"WrongEchoIsSentAgain", {kWrongEcho, kAnswer}, kResultDone, 2, 0},
        RetryCase{"SilenceIsSentAgain", {kSilence, kAnswer}, kResultDone, 2, 0},
        RetryCase{"BusyIsSentAgain", {kBusy, kAnswer}, kResultDone, 2, 0},
        RetryCase{"MixedFailuresThenAnswer", {kSilence, kError}, kResultDone, 3, 0},
        RetryCase{"ThreeBusyAnswersAreHandedOver", {kBusy, kBusy, kBusy}, kResultDone, 3, 0xFE},
        RetryCase{"ThreeErrorAnswersAreHandedOver", {kError, kError, kError}, kResultDone, 3, 0xFF},
        RetryCase{"BusyAfterSilenceOnTheLastTry", {kSilence, kWrongEcho, kBusy}, kResultDone, 3, 0xFE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkExchangeTest, AnswerArrivingAfterTheExchangeGaveUpIsDropped) {
    fake.Script({kSilence, kSilence, kSilence});
    const Report request = MakeRequest(0x09, 0x30);
    Report answer;
    answer.fill(0xCC);
    size_t length = 99;
    ASSERT_EQ(Exchange(request, answer, &length), kResultNoAnswer);

    Report late{};
    late[3] = 0x09;
    late[8] = 0x77;
    fake.SendControlData({late.begin(), late.end()});
    fake.WaitForDeliveries();
    EXPECT_TRUE(std::all_of(answer.begin(), answer.end(), [](uint8_t b) { return b == 0xCC; }))
        << "the late answer reached a buffer whose exchange was over";

    // The next exchange gets its own answer, not the late one.
    ASSERT_EQ(Exchange(MakeRequest(0x09, 0x40), answer, &length), kResultDone);
    EXPECT_EQ(answer[8], 0x41);
}

TEST_F(LinkExchangeTest, TwoThreadsExchangingAtOnceEachGetTheirOwnAnswer) {
    // Answers take a moment, so that the second thread's exchange starts while
    // the first one waits.
    fake.SetDefaultStep({FakeReply::kAnswer, 2ms});
    constexpr int kRounds = 40;
    auto run = [&](uint8_t fill, int* mismatches, int* failures) {
        const Report request = MakeRequest(0x05, fill);
        for (int round = 0; round < kRounds; ++round) {
            Report answer{};
            size_t length = 0;
            if (Exchange(request, answer, &length) != kResultDone) {
                ++*failures;
                continue;
            }
            if (answer[8] != static_cast<uint8_t>(fill + 1) || answer[63] != static_cast<uint8_t>(fill + 1)) {
                ++*mismatches;
            }
        }
    };
    int mismatches_a = 0, failures_a = 0, mismatches_b = 0, failures_b = 0;
    std::thread a(run, uint8_t{0xA0}, &mismatches_a, &failures_a);
    std::thread b(run, uint8_t{0xB0}, &mismatches_b, &failures_b);
    a.join();
    b.join();

    EXPECT_EQ(mismatches_a + mismatches_b, 0) << "an exchange took another thread's answer";
    EXPECT_EQ(failures_a + failures_b, 0);
    EXPECT_EQ(fake.Reports().size(), 2u * kRounds) << "no report needed a retry";
}

}  // namespace
}  // namespace quovex
