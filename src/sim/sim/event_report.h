// The report the keyboard sends on its consumer collection for a keyboard event
// (G-key bank switched, lighting changed, tray events): the consumer report id,
// then the 16-bit event code, little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace quovex::sim {

inline constexpr uint8_t kConsumerReportId = 0x02;

inline constexpr uint16_t kEventBankSwitched = 767;
inline constexpr uint16_t kEventLightingChanged = 1025;
inline constexpr uint16_t kEventTrayRestore = 6160;
inline constexpr uint16_t kEventTrayActive = 6161;

struct EventReport {
    uint8_t report_id;  // kConsumerReportId
    uint8_t code[2];    // event code (consumer usage), little-endian
};
static_assert(sizeof(EventReport) == 3);

inline std::array<uint8_t, sizeof(EventReport)> MakeEventReport(uint16_t code) {
    return {kConsumerReportId, static_cast<uint8_t>(code & 0xFF), static_cast<uint8_t>(code >> 8)};
}

// The event code of a consumer report: after the report id when the report has
// one (three bytes or more), or the first two bytes of a 2-byte report from a
// collection without report ids. Nothing for a shorter report.
inline std::optional<uint16_t> EventCodeOf(std::span<const uint8_t> report) {
    if (report.size() >= sizeof(EventReport)) return static_cast<uint16_t>(report[1] | report[2] << 8);
    if (report.size() == 2) return static_cast<uint16_t>(report[0] | report[1] << 8);
    return std::nullopt;
}

}  // namespace quovex::sim
