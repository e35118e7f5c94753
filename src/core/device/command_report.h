// The byte layout of the keyboard's 64-byte command report, the same for the
// request and the answer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quovex {

inline constexpr uint8_t kCommandReportId = 0x04;
inline constexpr uint8_t kStatusError = 0xFF;  // answer status: the keyboard refused the command
inline constexpr uint8_t kStatusBusy = 0xFE;   // answer status: the keyboard is busy

struct CommandReportLayout {
    uint8_t report_id;    // 0x04 in requests and answers
    uint8_t checksum[2];  // 16-bit sum of bytes 3..63, little-endian; not checked on answers
    uint8_t code;         // command code (CMD_...); the answer must echo it
    uint8_t length;       // data bytes in this report, or a fixed parameter of the command
    uint8_t address[2];   // 16-bit address or offset in the keyboard's memory, little-endian
    uint8_t status;       // 0 in requests; answers: 0xFF error, 0xFE busy, anything else success
    uint8_t data[56];     // data written, zero-filled after it; or data read
};
static_assert(sizeof(CommandReportLayout) == 64, "a command report is 64 bytes");

inline constexpr size_t kChecksumOffset = offsetof(CommandReportLayout, checksum);
inline constexpr size_t kCodeOffset = offsetof(CommandReportLayout, code);
inline constexpr size_t kLengthOffset = offsetof(CommandReportLayout, length);
inline constexpr size_t kAddressOffset = offsetof(CommandReportLayout, address);
inline constexpr size_t kStatusOffset = offsetof(CommandReportLayout, status);
inline constexpr size_t kDataOffset = offsetof(CommandReportLayout, data);
// The checksum covers everything after itself.
inline constexpr size_t kChecksumFirstByte = kCodeOffset;

}  // namespace quovex
