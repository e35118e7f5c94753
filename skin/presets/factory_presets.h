// The factory colour presets of the default skin, UserDengColor_3.userd: ten
// named per-key colour layouts in the preset file format (INI text):
//   [PRESENTMODE] mode=<selected preset>
//   [MODENAME]    0..9=<name>
//   [Mode<n>]     tool=<0|1>, jcolor=<r,g,b base colour>, color=<r,g,b paint colour>,
//                 <light slot>=<r,g,b,F> for the 104 keys and Fn (F = 1: follows the base colour)
// Each key's colour comes from where it sits on the keyboard picture.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>

#include "lighting/preview_tables.h"
#include "lighting/rgb.h"

namespace quovex::factory_presets {

// Where a lit key sits: its grid column (the mean of its cells for a wide key) and row.
struct KeyPlace {
    double column;
    int row;
};

// The picture's 104 keys and Fn by light slot, from the preview's key grid. Right
// Win (light slot 112) has no grid cell of its own; it sits beside Fn.
inline std::map<int, KeyPlace> KeyPlacesBySlot() {
    constexpr int kRightWinSlot = 112;
    std::map<int, std::pair<double, int>> sums;  // slot -> (sum of columns, cells)
    std::map<int, int> rows;
    for (int row = 0; row < preview::kGridRows; ++row) {
        for (int column = 0; column < preview::kGridColumns; ++column) {
            const uint16_t id = preview::kKeyGrid[row][column];
            if (id == 0) continue;
            const int slot = preview::PreviewKeyIndex(id);
            sums[slot].first += column;
            sums[slot].second += 1;
            rows[slot] = row;
        }
    }
    std::map<int, KeyPlace> places;
    for (const auto& [slot, sum] : sums) places[slot] = KeyPlace{sum.first / sum.second, rows[slot]};
    places[kRightWinSlot] = places[110];
    return places;
}

struct KeyLook {
    Rgb colour;
    bool followsBase;
};

struct Preset {
    const char* name;
    int tool;
    Rgb baseColour;
    Rgb paintColour;
    std::function<KeyLook(int slot, const KeyPlace& place)> look;
};

inline Rgb Blend(Rgb from, Rgb to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [t](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a + (b - a) * t + 0.5); };
    return Rgb{mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

inline bool IsOneOf(int slot, std::initializer_list<int> slots) {
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

// Light slots of the keys the layouts pick out.
inline constexpr std::initializer_list<int> kWasd = {44, 64, 65, 66};            // W A S D
inline constexpr std::initializer_list<int> kArrows = {99, 119, 120, 121};       // arrow keys
inline constexpr std::initializer_list<int> kGamingExtras = {43, 45, 46, 67};    // Q E R F
inline constexpr std::initializer_list<int> kDigits1To5 = {22, 23, 24, 25, 26};
inline constexpr std::initializer_list<int> kGamingModifiers = {42, 84, 105, 108};  // Tab Shift Ctrl Space
inline constexpr std::initializer_list<int> kFrameKeys = {0, 34, 42, 63, 76, 84, 97, 105, 113};

inline constexpr double kLastColumn = preview::kGridColumns - 1;
inline constexpr double kLastRow = preview::kGridRows - 1;

inline std::array<Preset, 10> Presets() {
    const Rgb deepBlue{0, 40, 140};
    const Rgb duskPurple{50, 0, 90};
    return {{
        {"Rainbow", 0, kRgbWhite, kRgbRed,
         [](int, const KeyPlace& p) {
             const int hue = static_cast<int>(p.column * (preview::kWheelSize - 1) / kLastColumn);
             return KeyLook{preview::kColourWheel[hue], false};
         }},
        {"WASD", 0, deepBlue, kRgbRed,
         [deepBlue](int slot, const KeyPlace&) {
             if (IsOneOf(slot, kWasd) || IsOneOf(slot, kArrows)) return KeyLook{kRgbRed, false};
             return KeyLook{deepBlue, true};
         }},
        {"Function rows", 1, Rgb{170, 190, 255}, Rgb{255, 140, 0},
         [](int, const KeyPlace& p) {
             if (p.row == 0) return KeyLook{Rgb{255, 140, 0}, false};
             if (p.row == 1) return KeyLook{Rgb{255, 210, 40}, false};
             return KeyLook{Rgb{170, 190, 255}, true};
         }},
        {"Ocean", 0, Rgb{0, 90, 200}, Rgb{0, 220, 255},
         [](int, const KeyPlace& p) { return KeyLook{Blend({0, 220, 255}, {0, 30, 150}, p.row / kLastRow), false}; }},
        {"Sunset", 0, Rgb{255, 80, 0}, Rgb{160, 0, 255},
         [](int, const KeyPlace& p) {
             const double t = p.column / kLastColumn;
             return KeyLook{t < 0.5 ? Blend({255, 30, 0}, {255, 150, 0}, t * 2) : Blend({255, 150, 0}, {150, 0, 255}, t * 2 - 1),
                            false};
         }},
        {"Forest", 0, Rgb{20, 110, 20}, Rgb{160, 255, 60},
         [](int, const KeyPlace& p) { return KeyLook{Blend({160, 255, 60}, {10, 90, 20}, p.row / kLastRow), false}; }},
        {"Fire", 0, kRgbRed, Rgb{255, 220, 0},
         [](int, const KeyPlace& p) { return KeyLook{Blend({255, 230, 0}, {255, 0, 0}, p.row / kLastRow), false}; }},
        {"Ice", 1, Rgb{150, 220, 255}, kRgbWhite,
         [](int slot, const KeyPlace&) {
             if (IsOneOf(slot, kFrameKeys)) return KeyLook{kRgbWhite, false};
             return KeyLook{Rgb{150, 220, 255}, true};
         }},
        {"Gaming", 0, duskPurple, kRgbRed,
         [duskPurple](int slot, const KeyPlace&) {
             if (IsOneOf(slot, kWasd)) return KeyLook{kRgbRed, false};
             if (IsOneOf(slot, kGamingExtras)) return KeyLook{Rgb{0, 220, 255}, false};
             if (IsOneOf(slot, kDigits1To5)) return KeyLook{Rgb{255, 200, 0}, false};
             if (IsOneOf(slot, kGamingModifiers)) return KeyLook{Rgb{255, 100, 0}, false};
             return KeyLook{duskPurple, true};
         }},
        {"Clusters", 1, kRgbWhite, Rgb{0, 200, 80},
         [](int, const KeyPlace& p) {
             if (p.row == 0) return KeyLook{Rgb{40, 90, 255}, false};
             if (p.column >= 19) return KeyLook{Rgb{255, 120, 0}, false};  // number pad
             if (p.column >= 16) return KeyLook{Rgb{0, 200, 80}, false};   // navigation and arrows
             return KeyLook{kRgbWhite, true};
         }},
    }};
}

inline std::string ColourText(Rgb c) {
    char text[16];
    std::snprintf(text, sizeof text, "%d,%d,%d", c.red, c.green, c.blue);
    return text;
}

// The whole file, with the first preset selected.
inline std::string MakeFactoryPresetFile() {
    const auto places = KeyPlacesBySlot();
    const auto presets = Presets();
    std::string out = "[PRESENTMODE]\nmode=0\n\n[MODENAME]\n";
    for (size_t n = 0; n < presets.size(); ++n) out += std::to_string(n) + "=" + presets[n].name + "\n";
    for (size_t n = 0; n < presets.size(); ++n) {
        const Preset& preset = presets[n];
        out += "\n[Mode" + std::to_string(n) + "]\n";
        out += "tool=" + std::to_string(preset.tool) + "\n";
        out += "jcolor=" + ColourText(preset.baseColour) + "\n";
        out += "color=" + ColourText(preset.paintColour) + "\n";
        for (const auto& [slot, place] : places) {
            KeyLook look = preset.look(slot, place);
            if (look.followsBase) look.colour = preset.baseColour;
            out += std::to_string(slot) + "=" + ColourText(look.colour) + "," + (look.followsBase ? "1" : "0") + "\n";
        }
    }
    return out;
}

}  // namespace quovex::factory_presets
