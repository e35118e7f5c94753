// The preview's source of random hues. The engine asks for values 0..254 and
// needs no particular sequence; tests inject a seeded source so that frames
// repeat from run to run.
#pragma once

#include <cstdint>

namespace quovex {

class PreviewRandom {
public:
    virtual ~PreviewRandom() = default;
    // A hue 0..254.
    virtual uint8_t NextHue() = 0;
};

// A linear congruential generator (the constants of Numerical Recipes), so that a
// given seed yields the same hues on every platform and standard library.
class SeededPreviewRandom final : public PreviewRandom {
public:
    explicit SeededPreviewRandom(uint32_t seed) : state_(seed) {}
    uint8_t NextHue() override {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<uint8_t>((state_ >> 16) % 255u);
    }

private:
    uint32_t state_;
};

}  // namespace quovex
