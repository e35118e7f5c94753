// The keyboard's command set: every configuration read or write is one or more
// 64-byte command reports sent through the device link's exchange.
//
// Report layout (request and answer):
//   byte 0      report id 0x04
//   bytes 1..2  checksum: 16-bit sum of bytes 3..63, little-endian (not checked on answers)
//   byte 3      command code (the answer must echo it)
//   byte 4      length of the data in this report, or a fixed parameter
//   bytes 5..6  address, little-endian
//   byte 7      status: 0 in requests; 0xFF error / 0xFE busy in answers
//   bytes 8..63 data
// Blocks larger than one report travel in 56-byte chunks, one exchange each; the
// first failing chunk ends the command with its result.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/command_report.h"
#include "device/result_codes.h"

namespace quovex {

class DeviceLink;

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
inline constexpr uint8_t CMD_READ_DEFAULT_KEYMAP = 0x0F;
inline constexpr uint8_t CMD_WRITE_KEY_COLOURS = 0x11;
inline constexpr uint8_t CMD_ENTER_UPDATE = 0xEE;

inline constexpr size_t kCommandReportSize = 64;
inline constexpr size_t kChunkSize = 56;
inline constexpr size_t kStateBlockSize = 44;
inline constexpr size_t kKeyMapSize = 378;  // 126 records of 3 bytes
inline constexpr int kOnBoardProfiles = 3;

using CommandReport = std::array<uint8_t, kCommandReportSize>;
using StateBlock = std::array<uint8_t, kStateBlockSize>;
using KeyMapBytes = std::array<uint8_t, kKeyMapSize>;
using LightingChunk = std::array<uint8_t, kChunkSize>;

// Builds a request: report id, code, length, address, data from byte 8, then the
// checksum. Data beyond 56 bytes does not fit and is not taken; the command
// operations refuse such data before building.
CommandReport BuildCommandReport(uint8_t code, uint8_t length, uint16_t address,
                                 std::span<const uint8_t> data = {});
// 16-bit sum of bytes 3..63.
uint16_t CommandChecksum(const CommandReport& report);

// Every operation returns a result code (result_codes.h). Writes of more than
// 56 bytes in one report, and blocks that run past the 16-bit address range,
// give kResultBadLength and send nothing. An answer too short to hold its
// status byte or the data asked for gives kResultShortAnswer and leaves that
// chunk of the destination untouched.
class CommandSet {
public:
    explicit CommandSet(DeviceLink& link) : link_(link) {}

    int BeginAccess();
    int EndAccess();  // waits 10 ms, then sends CMD_END_ACCESS

    int ReadState(StateBlock& state);
    int WriteState(const StateBlock& state);

    // Copies all 56 data bytes of the answer, whatever `length` asked for.
    int ReadLighting(uint8_t length, uint16_t address, LightingChunk& out);
    int WriteLighting(uint16_t address, std::span<const uint8_t> data);  // at most 56 bytes

    // Profile 0..2 (compared unsigned); anything else gives kResultBadProfile and sends nothing.
    int ReadKeyMap(unsigned profile, KeyMapBytes& out);
    int WriteKeyMap(unsigned profile, const KeyMapBytes& map);
    int ReadDefaultKeyMap(KeyMapBytes& out);

    // block.size() bytes of macro memory from address 0; an empty block sends nothing.
    int ReadMacros(std::span<uint8_t> block);
    int WriteMacros(std::span<const uint8_t> block);

    // Address = key index x 3 + lighting profile index x 512.
    int WriteKeyColours(uint16_t address, std::span<const uint8_t> data);  // at most 56 bytes

    // Bytes 3 and 4 = 0xEE, no checksum, sent with SendReport: no device check, no wait.
    // Returns what SendReport returned (greater than 0 = sent).
    int EnterUpdate();

    DeviceLink& Link() { return link_; }

    // The pause before CMD_END_ACCESS, giving the keyboard time to store what
    // the group wrote.
    static constexpr std::chrono::milliseconds kEndAccessPause{10};

private:
    // One report: exchange it and turn the answer into a result; on success
    // copies read.size() answer data bytes into `read`.
    int SingleReport(uint8_t code, uint8_t length, uint16_t address, std::span<const uint8_t> data,
                     std::span<uint8_t> read);
    // A block in 56-byte chunks at base, base + 56, ...; the first failing chunk ends it.
    int ChunkedWrite(uint8_t code, uint16_t base, std::span<const uint8_t> block);
    int ChunkedRead(uint8_t code, uint16_t base, std::span<uint8_t> block);

    DeviceLink& link_;
};

}  // namespace quovex
