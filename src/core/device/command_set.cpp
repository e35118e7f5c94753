#include "device/command_set.h"

#include <algorithm>
#include <bit>
#include <thread>

#include "device/device_link.h"

namespace quovex {
namespace {

// The update command carries its code twice and no checksum.
constexpr size_t kUpdateSecondCodeOffset = kLengthOffset;

// Chunked blocks address the keyboard's memory with 16 bits.
constexpr size_t kAddressSpace = 0x10000;

bool FitsAddressSpace(uint16_t base, size_t length) {
    return base + length <= kAddressSpace;
}

}  // namespace

uint16_t CommandChecksum(const CommandReport& report) {
    // At most 61 x 255 = 15555: the sum cannot overflow 16 bits.
    unsigned sum = 0;
    for (size_t i = kChecksumFirstByte; i < report.size(); ++i) sum += report[i];
    return static_cast<uint16_t>(sum);
}

CommandReport BuildCommandReport(uint8_t code, uint8_t length, uint16_t address,
                                 std::span<const uint8_t> data) {
    CommandReportLayout fields{};
    fields.report_id = kCommandReportId;
    fields.code = code;
    fields.length = length;
    fields.address[0] = static_cast<uint8_t>(address & 0xFF);
    fields.address[1] = static_cast<uint8_t>(address >> 8);
    fields.status = 0;
    std::copy_n(data.begin(), std::min(data.size(), kChunkSize), fields.data);

    auto report = std::bit_cast<CommandReport>(fields);
    const uint16_t checksum = CommandChecksum(report);  // last: it covers every byte after it
    report[kChecksumOffset] = static_cast<uint8_t>(checksum & 0xFF);
    report[kChecksumOffset + 1] = static_cast<uint8_t>(checksum >> 8);
    return report;
}

int CommandSet::SingleReport(uint8_t code, uint8_t length, uint16_t address, std::span<const uint8_t> data,
                             std::span<uint8_t> read) {
    const CommandReport request = BuildCommandReport(code, length, address, data);
    CommandReport answer{};
    size_t received = 0;
    const int result =
        link_.ExchangeReport(request.data(), request.size(), answer.data(), answer.size(), &received);
    if (result != kResultDone) return result;
    if (received <= kStatusOffset) return kResultShortAnswer;
    if (answer[kStatusOffset] == kStatusError) return kResultKeyboardError;
    if (answer[kStatusOffset] == kStatusBusy) return kResultKeyboardBusy;
    if (received < kDataOffset + read.size()) return kResultShortAnswer;
    std::copy_n(answer.begin() + kDataOffset, read.size(), read.begin());
    return kResultDone;
}

int CommandSet::ChunkedWrite(uint8_t code, uint16_t base, std::span<const uint8_t> block) {
    if (!FitsAddressSpace(base, block.size())) return kResultBadLength;
    for (size_t offset = 0; offset < block.size(); offset += kChunkSize) {
        const auto chunk = block.subspan(offset, std::min(kChunkSize, block.size() - offset));
        const int result = SingleReport(code, static_cast<uint8_t>(chunk.size()),
                                        static_cast<uint16_t>(base + offset), chunk, {});
        if (result != kResultDone) return result;
    }
    return kResultDone;
}

int CommandSet::ChunkedRead(uint8_t code, uint16_t base, std::span<uint8_t> block) {
    if (!FitsAddressSpace(base, block.size())) return kResultBadLength;
    for (size_t offset = 0; offset < block.size(); offset += kChunkSize) {
        const auto chunk = block.subspan(offset, std::min(kChunkSize, block.size() - offset));
        const int result = SingleReport(code, static_cast<uint8_t>(chunk.size()),
                                        static_cast<uint16_t>(base + offset), {}, chunk);
        if (result != kResultDone) return result;
    }
    return kResultDone;
}

int CommandSet::BeginAccess() {
    return SingleReport(CMD_BEGIN_ACCESS, 0, 0, {}, {});
}

int CommandSet::EndAccess() {
    std::this_thread::sleep_for(kEndAccessPause);
    return SingleReport(CMD_END_ACCESS, 0, 0, {}, {});
}

int CommandSet::ReadState(StateBlock& state) {
    return SingleReport(CMD_READ_STATE, kStateBlockSize, 0, {}, state);
}

int CommandSet::WriteState(const StateBlock& state) {
    return SingleReport(CMD_WRITE_STATE, kStateBlockSize, 0, state, {});
}

int CommandSet::ReadLighting(uint8_t length, uint16_t address, LightingChunk& out) {
    // The keyboard answers a full chunk whatever length was asked for, and all
    // of it is taken.
    return SingleReport(CMD_READ_LIGHTING, length, address, {}, out);
}

int CommandSet::WriteLighting(uint16_t address, std::span<const uint8_t> data) {
    if (data.size() > kChunkSize) return kResultBadLength;
    return SingleReport(CMD_WRITE_LIGHTING, static_cast<uint8_t>(data.size()), address, data, {});
}

int CommandSet::ReadKeyMap(unsigned profile, KeyMapBytes& out) {
    if (profile >= kOnBoardProfiles) return kResultBadProfile;
    return ChunkedRead(CMD_READ_KEYMAP, static_cast<uint16_t>(profile * kKeyMapSize), out);
}

int CommandSet::WriteKeyMap(unsigned profile, const KeyMapBytes& map) {
    if (profile >= kOnBoardProfiles) return kResultBadProfile;
    return ChunkedWrite(CMD_WRITE_KEYMAP, static_cast<uint16_t>(profile * kKeyMapSize), map);
}

int CommandSet::ReadDefaultKeyMap(KeyMapBytes& out) {
    return ChunkedRead(CMD_READ_DEFAULT_KEYMAP, 0, out);
}

int CommandSet::ReadMacros(std::span<uint8_t> block) {
    return ChunkedRead(CMD_READ_MACROS, 0, block);
}

int CommandSet::WriteMacros(std::span<const uint8_t> block) {
    return ChunkedWrite(CMD_WRITE_MACROS, 0, block);
}

int CommandSet::WriteKeyColours(uint16_t address, std::span<const uint8_t> data) {
    if (data.size() > kChunkSize) return kResultBadLength;
    return SingleReport(CMD_WRITE_KEY_COLOURS, static_cast<uint8_t>(data.size()), address, data, {});
}

int CommandSet::EnterUpdate() {
    // Built by hand: the keyboard expects this report without a checksum.
    CommandReport report{};
    report[0] = kCommandReportId;
    report[kCodeOffset] = CMD_ENTER_UPDATE;
    report[kUpdateSecondCodeOffset] = CMD_ENTER_UPDATE;
    return link_.SendReport(report.data(), report.size());
}

}  // namespace quovex
