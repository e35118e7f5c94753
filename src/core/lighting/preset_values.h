// The value formats of the colour preset files:
//   a colour      "r,g,b"     (base colour "jcolor", paint colour "color")
//   a key colour  "r,g,b,F"   (one per light slot; F = 1: the key follows the base colour)
// as decimal numbers separated by commas.
//
// Preset files are edited by hand and copied between machines, so reading is
// forgiving field by field: a field that is missing or is not a whole number
// in range (0..255 for a colour byte) keeps the default, and the other fields
// are still taken. F reads as 1 for any non-zero number.
#pragma once

#include <string>
#include <string_view>

#include "lighting/rgb.h"

namespace quovex {

struct KeyColour {
    Rgb colour;
    bool followsBase;
    friend constexpr bool operator==(const KeyColour&, const KeyColour&) = default;
};

// Defaults of the preset file: "0,0,0" for the tool colours, "255,0,0,1"
// (red, following the base colour) for a key.
inline constexpr Rgb kDefaultToolColour = kRgbBlack;
inline constexpr KeyColour kDefaultKeyColour{kRgbRed, true};

Rgb ParseColourValue(std::string_view text, Rgb fallback);
KeyColour ParseKeyColourValue(std::string_view text, KeyColour fallback);

std::string FormatColourValue(Rgb colour);
std::string FormatKeyColourValue(const KeyColour& keyColour);

}  // namespace quovex
