// The 64-byte command report as the keyboard sees it: every request on the
// command path and every answer on the control channel has this layout.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quovex::sim {

inline constexpr size_t kReportSize = 64;
inline constexpr size_t kReportDataSize = 56;
using ReportBytes = std::array<uint8_t, kReportSize>;

inline constexpr uint8_t kCommandReportId = 0x04;
inline constexpr uint8_t kStatusSuccess = 0x00;
inline constexpr uint8_t kStatusBusy = 0xFE;
inline constexpr uint8_t kStatusError = 0xFF;

// Command codes the keyboard knows.
inline constexpr uint8_t CMD_BEGIN_ACCESS = 0x01;
inline constexpr uint8_t CMD_END_ACCESS = 0x02;
inline constexpr uint8_t CMD_READ_STATE = 0x03;
inline constexpr uint8_t CMD_WRITE_STATE = 0x04;
inline constexpr uint8_t CMD_READ_LIGHTING = 0x05;
inline constexpr uint8_t CMD_WRITE_LIGHTING = 0x06;
inline constexpr uint8_t CMD_READ_KEYMAP = 0x07;
inline constexpr uint8_t CMD_WRITE_KEYMAP = 0x08;
inline constexpr uint8_t CMD_READ_MACROS = 0x09;
inline constexpr uint8_t CMD_WRITE_MACROS = 0x0A;
inline constexpr uint8_t CMD_RESERVED_0B = 0x0B;  // no fields; accepted, no effect
inline constexpr uint8_t CMD_RESERVED_0C = 0x0C;  // no fields; accepted, no effect
inline constexpr uint8_t CMD_RESERVED_0E = 0x0E;  // no fields; accepted, no effect
inline constexpr uint8_t CMD_READ_DEFAULT_KEYMAP = 0x0F;
inline constexpr uint8_t CMD_READ_KEY_COLOURS = 0x10;
inline constexpr uint8_t CMD_WRITE_KEY_COLOURS = 0x11;
inline constexpr uint8_t CMD_ENTER_UPDATE = 0xEE;  // bytes 3 and 4 both 0xEE, no checksum

struct CommandReport {
    uint8_t report_id;              // 0x04
    uint8_t checksum[2];            // 16-bit sum of bytes 3..63, little-endian; checked on requests
    uint8_t code;                   // command code; the answer echoes it
    uint8_t length;                 // data bytes in this report, or a fixed parameter
    uint8_t address[2];             // little-endian offset in the memory the command addresses
    uint8_t status;                 // 0 in requests; answers: 0 success, 0xFE busy, 0xFF error
    uint8_t data[kReportDataSize];  // data written or read, zero after the used bytes

    static CommandReport From(const ReportBytes& bytes) {
        CommandReport report;
        std::memcpy(&report, bytes.data(), sizeof report);
        return report;
    }
    ReportBytes Bytes() const {
        ReportBytes bytes;
        std::memcpy(bytes.data(), this, sizeof *this);
        return bytes;
    }

    uint16_t Address() const { return static_cast<uint16_t>(address[0] | address[1] << 8); }
    uint16_t StoredChecksum() const { return static_cast<uint16_t>(checksum[0] | checksum[1] << 8); }
    // The sum of bytes 3..63: 61 bytes of at most 255 cannot overflow 16 bits.
    uint16_t ComputeChecksum() const {
        const auto* bytes = reinterpret_cast<const uint8_t*>(this);
        unsigned sum = 0;
        for (size_t i = offsetof(CommandReport, code); i < kReportSize; ++i) sum += bytes[i];
        return static_cast<uint16_t>(sum);
    }
    // Stores the checksum; called last, after every other byte is set.
    void Seal() {
        const uint16_t sum = ComputeChecksum();
        checksum[0] = sum & 0xFF;
        checksum[1] = sum >> 8;
    }
};
static_assert(sizeof(CommandReport) == kReportSize);
static_assert(offsetof(CommandReport, code) == 3);
static_assert(offsetof(CommandReport, status) == 7);
static_assert(offsetof(CommandReport, data) == 8);

}  // namespace quovex::sim
