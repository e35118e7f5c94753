// The key colour table: the program's copy of the keyboard's key colour memory,
// one colour per light slot for each of the three on-board profiles, and the
// eight CMD_WRITE_KEY_COLOURS reports that carry one profile's colours.
//
// Key colour memory: profile p, slot s at address p x 512 + s x 3, three bytes
// red, green, blue.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "lighting/light_slots.h"
#include "lighting/lighting_block.h"
#include "lighting/rgb.h"

namespace quovex {

inline constexpr int kKeyColourProfileStride = 512;
inline constexpr int kKeyColourBytesPerSlot = 3;
// Eight reports of 18 slots (54 bytes) each: slots 0..143. Slots 126..143 hold
// no key and carry zero.
inline constexpr int kKeyColourReports = 8;
inline constexpr int kSlotsPerKeyColourReport = 18;
inline constexpr size_t kKeyColourReportBytes = kSlotsPerKeyColourReport * kKeyColourBytesPerSlot;

constexpr uint16_t KeyColourAddress(int profile, int slot) {
    return static_cast<uint16_t>(profile * kKeyColourProfileStride + slot * kKeyColourBytesPerSlot);
}

struct KeyColourReport {
    uint16_t address;
    std::array<uint8_t, kKeyColourReportBytes> bytes;
};

class KeyColourTable {
public:
    // Profile 0..2 and slot 0..125; anything else reads black and writes nothing.
    Rgb Colour(int profile, int slot) const;
    void SetColour(int profile, int slot, Rgb colour);

    // The reports that send profile p's colours, in address order.
    std::array<KeyColourReport, kKeyColourReports> Reports(int profile) const;

private:
    static bool Contains(int profile, int slot);
    std::array<std::array<Rgb, kLightSlots>, kLightingProfiles> colours_{};
};

}  // namespace quovex
