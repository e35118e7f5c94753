// The command report's bytes and checksum.
#include <gtest/gtest.h>

#include <numeric>

#include "device/command_set.h"

namespace quovex {
namespace {

TEST(CommandReportTest, ChecksumExamples) {
    const struct {
        const char* what;
        CommandReport report;
        uint16_t checksum;
    } cases[] = {
        {"bytes 3 to 63 all zero",
         [] {
             CommandReport r{};
             r[0] = 0x04;
             r[1] = 0xAB;  // bytes before 3 are not summed
             r[2] = 0xCD;
             return r;
         }(),
         0x0000},
        {"CMD_BEGIN_ACCESS", BuildCommandReport(CMD_BEGIN_ACCESS, 0, 0), 0x0001},
        {"CMD_READ_STATE", BuildCommandReport(CMD_READ_STATE, 44, 0), 0x002F},
        {"every byte 0xFF",
         [] {
             CommandReport r;
             r.fill(0xFF);
             return r;
         }(),
         61 * 0xFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CommandChecksum(c.report), c.checksum);
    }
}

TEST(CommandReportTest, BuildPlacesEveryFieldAndStoresTheChecksumLittleEndian) {
    std::array<uint8_t, 60> data;
    std::iota(data.begin(), data.end(), uint8_t{0x80});
    const CommandReport report = BuildCommandReport(CMD_WRITE_LIGHTING, 3, 0x1234, std::span(data).first(3));

    EXPECT_EQ(report[0], 0x04);
    EXPECT_EQ(report[3], CMD_WRITE_LIGHTING);
    EXPECT_EQ(report[4], 3);
    EXPECT_EQ(report[5], 0x34);
    EXPECT_EQ(report[6], 0x12);
    EXPECT_EQ(report[7], 0);
    EXPECT_EQ(report[8], 0x80);
    EXPECT_EQ(report[10], 0x82);
    EXPECT_EQ(report[11], 0) << "zero-filled after the data";
    const unsigned sum = 0x06 + 3 + 0x34 + 0x12 + 0x80 + 0x81 + 0x82;
    EXPECT_EQ(report[1], sum & 0xFF);
    EXPECT_EQ(report[2], sum >> 8);

    // Data past the 56 data bytes does not fit and is not taken.
    const CommandReport full = BuildCommandReport(CMD_WRITE_MACROS, 56, 0, data);
    EXPECT_EQ(full[63], 0x80 + 55);
}

}  // namespace
}  // namespace quovex
