// The building blocks of the preview's ripple modes: wave sets whose bits travel
// over the key grid, per-key levels and hues that light up and fade, and the
// small arithmetic the routines share.
#pragma once

#include <array>
#include <cstdint>

#include "lighting/preview_random.h"
#include "lighting/preview_tables.h"
#include "lighting/rgb.h"

namespace quovex::preview {

// Four planes of 23 columns. In a column byte, bit r stands for grid row r; bits 6
// and 7 lie below the bottom row and light nothing.
enum Plane : int {
    kLeftDown = 0,   // P0
    kRightDown = 1,  // P1
    kRightUp = 2,    // P2
    kLeftUp = 3,     // P3
};
inline constexpr int kPlanes = 4;
inline constexpr uint8_t kTopRowBit = 0x01;
inline constexpr uint8_t kBelowGridBit = 0x40;  // bit 6: one row below the bottom row

struct WaveSet {
    std::array<std::array<uint8_t, kGridColumns>, kPlanes> planes{};

    void Clear() { planes = {}; }
    // ORs `bits` into the column of all four planes.
    void SetInAllPlanes(int column, uint8_t bits) {
        for (auto& plane : planes) plane[column] |= bits;
    }
    // Replaces the column of all four planes with `bits`.
    void AssignInAllPlanes(int column, uint8_t bits) {
        for (auto& plane : planes) plane[column] = bits;
    }
    uint8_t ColumnUnion(int column) const {
        return planes[0][column] | planes[1][column] | planes[2][column] | planes[3][column];
    }
};

// Per preview key index: a brightness level 0..255 and a hue (extended wheel index).
struct LevelPair {
    std::array<uint8_t, kKeyIndexes> level{};
    std::array<uint8_t, kKeyIndexes> hue{};

    void Clear() {
        level.fill(0);
        hue.fill(0);
    }
};

enum class DecayRule : uint8_t { kStandard, kFast /* mode 14 */ };

// Moves a position by `step` through 0..period-1: forward adds and wraps at
// `period`, backward subtracts and wraps below 0.
constexpr int Step(bool forward, int position, int step, int period) {
    if (forward) {
        position += step;
        if (position >= period) position -= period;
    } else {
        position -= step;
        if (position < 0) position += period;
    }
    return position;
}

// Each channel x level / 255, rounded down.
constexpr Rgb Scale(Rgb colour, uint8_t level) {
    return Rgb{static_cast<uint8_t>(colour.red * level / 255), static_cast<uint8_t>(colour.green * level / 255),
               static_cast<uint8_t>(colour.blue * level / 255)};
}

// One tick of fading: bright keys fall fast, dim keys slowly, 0 stays 0.
constexpr uint8_t Decay(uint8_t level, DecayRule rule) {
    const bool fast = rule == DecayRule::kFast;
    int drop = 0;
    if (level >= 128) {
        drop = fast ? 30 : 20;
    } else if (level >= 64) {
        drop = fast ? 20 : 16;
    } else if (level >= 32) {
        drop = 10;
    } else if (level >= 17) {
        drop = 5;
    } else if (level >= 1) {
        drop = 1;
    }
    return static_cast<uint8_t>(level - drop);
}

// Every key under a set bit (any plane, rows 0..5) gets level 255 and, with
// multi-colour, a random hue. A wide key is lit from either of its cells.
void LightFront(const WaveSet& set, LevelPair& pair, bool multiColour, PreviewRandom& random);

// One tick of ripple travel: P0 left and down, P1 right and down, P2 right and up,
// P3 left and up. A single bit grows into a diamond ring one cell wider per tick.
void MoveWaves(WaveSet& set);

// One tick of falling and rising: P0 and P1 move one row down, P2 and P3 one row
// up; nothing moves sideways.
void MoveDown(WaveSet& set);

}  // namespace quovex::preview
