#include "lighting/key_colour_table.h"

namespace quovex {

bool KeyColourTable::Contains(int profile, int slot) {
    return profile >= 0 && profile < kLightingProfiles && slot >= 0 && slot < kLightSlots;
}

Rgb KeyColourTable::Colour(int profile, int slot) const {
    return Contains(profile, slot) ? colours_[profile][slot] : kRgbBlack;
}

void KeyColourTable::SetColour(int profile, int slot, Rgb colour) {
    if (Contains(profile, slot)) colours_[profile][slot] = colour;
}

std::array<KeyColourReport, kKeyColourReports> KeyColourTable::Reports(int profile) const {
    std::array<KeyColourReport, kKeyColourReports> reports{};
    for (int k = 0; k < kKeyColourReports; ++k) {
        const int firstSlot = k * kSlotsPerKeyColourReport;
        reports[k].address = KeyColourAddress(profile, firstSlot);
        for (int i = 0; i < kSlotsPerKeyColourReport; ++i) {
            const Rgb colour = Colour(profile, firstSlot + i);  // black past slot 125
            reports[k].bytes[i * 3] = colour.red;
            reports[k].bytes[i * 3 + 1] = colour.green;
            reports[k].bytes[i * 3 + 2] = colour.blue;
        }
    }
    return reports;
}

}  // namespace quovex
