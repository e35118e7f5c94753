#include "lighting/preview_waves.h"

namespace quovex::preview {
namespace {

// Key indexes of the grid cells, computed once from the grid of control ids.
constexpr std::array<std::array<uint8_t, kGridColumns>, kGridRows> MakeGridKeyIndexes() {
    std::array<std::array<uint8_t, kGridColumns>, kGridRows> indexes{};
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const uint16_t id = kKeyGrid[row][column];
            indexes[row][column] = id == 0 ? kNoKey : PreviewKeyIndex(id);
        }
    }
    return indexes;
}
constexpr auto kGridKeyIndexes = MakeGridKeyIndexes();

uint8_t ShiftDown(uint8_t bits) { return static_cast<uint8_t>(bits << 1); }
uint8_t ShiftUp(uint8_t bits) { return static_cast<uint8_t>(bits >> 1); }

}  // namespace

void LightFront(const WaveSet& set, LevelPair& pair, bool multiColour, PreviewRandom& random) {
    for (int column = 0; column < kGridColumns; ++column) {
        const uint8_t bits = set.ColumnUnion(column);
        if (bits == 0) continue;
        for (int row = 0; row < kGridRows; ++row) {
            if ((bits & (1u << row)) == 0) continue;
            const uint8_t key = kGridKeyIndexes[row][column];
            if (key >= kKeyIndexes) continue;
            pair.level[key] = 255;
            if (multiColour) pair.hue[key] = random.NextHue();
        }
    }
}

void MoveWaves(WaveSet& set) {
    const WaveSet old = set;
    auto& p0 = set.planes[kLeftDown];
    auto& p1 = set.planes[kRightDown];
    auto& p2 = set.planes[kRightUp];
    auto& p3 = set.planes[kLeftUp];
    const auto& o0 = old.planes[kLeftDown];
    const auto& o1 = old.planes[kRightDown];
    const auto& o2 = old.planes[kRightUp];
    const auto& o3 = old.planes[kLeftUp];
    constexpr int kLast = kGridColumns - 1;
    for (int c = 0; c < kLast; ++c) {
        p0[c] = ShiftDown(o0[c]) | o0[c + 1];
        p3[c] = ShiftUp(o3[c]) | o3[c + 1];
    }
    p0[kLast] = ShiftDown(o0[kLast]);
    p3[kLast] = ShiftUp(o3[kLast]);
    for (int c = 1; c <= kLast; ++c) {
        p1[c] = ShiftDown(o1[c]) | o1[c - 1];
        p2[c] = ShiftUp(o2[c]) | o2[c - 1];
    }
    p1[0] = ShiftDown(o1[0]);
    p2[0] = ShiftUp(o2[0]);
}

void MoveDown(WaveSet& set) {
    for (int c = 0; c < kGridColumns; ++c) {
        set.planes[kLeftDown][c] = ShiftDown(set.planes[kLeftDown][c]);
        set.planes[kRightDown][c] = ShiftDown(set.planes[kRightDown][c]);
        set.planes[kRightUp][c] = ShiftUp(set.planes[kRightUp][c]);
        set.planes[kLeftUp][c] = ShiftUp(set.planes[kLeftUp][c]);
    }
}

}  // namespace quovex::preview
