// What each lighting mode uses and what choosing it writes: one table, read by the
// mode selection, the panel's visibility rule and the preview.
#pragma once

#include <cstdint>
#include <span>

namespace quovex {

// The pair of direction pictures a mode offers. The first picture of each pair
// (left, up, spread) stores direction 0xFF, the second (right, down, gather) 0x00.
enum class DirectionPair : uint8_t { kNoPair, kLeftRight, kUpDown, kSpreadGather };

// Which of the panel's two colour groups shows the effect colour and the
// multi-colour switch; both edit the same bytes.
enum class ColourGroup : uint8_t { kNoGroup, kFirst, kSecond };

// The access groups written when the mode is chosen.
enum class ModeWrite : uint8_t {
    kModeOnly,               // one group: byte 0 = mode
    kModeAndMultiColour,     // one group: byte 0 = mode, then byte 4 = multi-colour flag
    kMultiColourOnThenMode,  // multi-colour forced on in its own group, then a group with byte 0
    kModeThenKeyColours,     // one group: byte 0 = mode; then the keys are painted from the table
};

// Where a colour typed into the RGB boxes (or picked from the colour wheel) goes
// while the mode is chosen.
enum class RgbBoxTarget : uint8_t {
    kNothing,
    kEffectColour,  // the effect colour (ApplyEffectColour)
    kToolColour,    // the base or paint colour, by the chosen tool
};

// Modes the lighting operations single out by id.
inline constexpr int kDefaultModeId = 1;        // chosen when the lighting defaults are restored
inline constexpr int kPerKeyColourModeId = 20;  // per-key colours and presets

struct ModeInfo {
    uint8_t id;
    bool speed;  // the speed slider is offered
    DirectionPair directionPair;
    ColourGroup colourGroup;
    bool swatches;       // the four colour swatches
    bool perKeyColours;  // presets, paint and base colours, tools
    ModeWrite write;
    // Suffix of the skin keys the direction controls move to while the mode is
    // chosen ("CONTROL_BLFXStatic" + suffix and so on).
    const char* directionPlaceSuffix;
    RgbBoxTarget rgbBoxes;  // where the RGB boxes' colour goes
};

// Modes 1..18 and 20, in id order. Brightness is offered by every one of them.
std::span<const ModeInfo> ModeTable();

// The table entry of a mode id, or null for an id the program does not handle
// (19, 0, above 20): such a mode writes nothing and hides every lighting control.
const ModeInfo* FindMode(int modeId);

// Which groups of lighting controls the panel shows while a mode is current and
// the lighting view is on. The report-rate buttons, the RGB boxes and the
// lighting view switch are not governed by the mode.
struct LightingControls {
    bool effectListAndBrightness = false;
    bool speed = false;
    bool direction = false;
    bool swatches = false;
    bool firstColourGroup = false;
    bool secondColourGroup = false;
    bool userMode = false;  // preset list, paint and base colours, tools

    friend constexpr bool operator==(const LightingControls&, const LightingControls&) = default;
};

LightingControls LightingControlsForMode(int modeId);

// Mode 10 keeps multi-colour on: choosing it, turning the lighting view on
// with it and showing it all end with the multi-colour flag set.
bool ForcesMultiColour(int modeId);

}  // namespace quovex
