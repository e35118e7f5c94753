// What one preview tick asks the keyboard picture to show.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "lighting/preview_tables.h"
#include "lighting/rgb.h"

namespace quovex {

enum class PreviewLook : uint8_t {
    kUnchanged,  // draw nothing: the keys keep what they show (lighting view off, mode 20)
    kPlain,      // give every key button its plain look (frames off)
    kFramed,     // give each key in `drawn` the frame colour in `colours`
};

struct PreviewFrame {
    PreviewLook look = PreviewLook::kUnchanged;
    // Indexed by preview key index (the key's light slot); only entries in `drawn` count.
    std::array<Rgb, preview::kKeyIndexes> colours{};
    std::bitset<preview::kKeyIndexes> drawn;

    // A later draw of the same key wins, as a second SetFrameColour would.
    void Draw(uint8_t keyIndex, Rgb colour) {
        if (keyIndex >= preview::kKeyIndexes) return;
        colours[keyIndex] = colour;
        drawn.set(keyIndex);
    }
    void Reset(PreviewLook newLook) {
        look = newLook;
        colours.fill(Rgb{});
        drawn.reset();
    }
};

}  // namespace quovex
