// The lighting panel's controls on the main window: their control ids, skin
// position keys, label keys and which mode shows them, as one table; and the
// picture files the panel swaps to show states. The GUI places and labels the
// controls from this table; the lighting operations name controls and pictures
// from here only.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "lighting/mode_table.h"

namespace quovex {

namespace lighting_control {
inline constexpr int kViewSwitchLabel = 1171;
inline constexpr int kViewSwitch = 1167;  // picture: lighting view on or off
inline constexpr int kEffectList = 1146;
inline constexpr int kBrightnessLabel = 1172;
inline constexpr int kBrightnessSlider = 1178;
inline constexpr int kSpeedLabel = 1166;
inline constexpr int kSpeedSlider = 1179;
inline constexpr int kDirectionLabel = 1148;
inline constexpr int kDirectionFirst = 1149;   // left, up or spread
inline constexpr int kDirectionSecond = 1150;  // right, down or gather
inline constexpr int kFirstGroupLabel = 1151;
inline constexpr int kFirstGroupColour = 1152;
inline constexpr int kFirstGroupMultiColour = 1175;
inline constexpr int kFirstGroupMultiColourLabel = 1176;
inline constexpr int kSecondGroupLabel = 1154;
inline constexpr int kSecondGroupColour = 1155;
inline constexpr int kSecondGroupMultiColour = 1156;
inline constexpr int kSecondGroupMultiColourLabel = 1173;
inline constexpr std::array<int, 4> kSwatches = {1194, 1195, 1196, 1197};  // red, yellow, green, blue
inline constexpr int kPresetList = 1198;
inline constexpr int kPaintColourLabel = 1159;
inline constexpr int kPaintColour = 1160;
inline constexpr int kBaseColourLabel = 1161;
inline constexpr int kBaseColour = 1162;
inline constexpr int kToolLabel = 1163;
inline constexpr std::array<int, 2> kTools = {1164, 1165};  // tool 0 (paint colour), tool 1 (base colour)
inline constexpr std::array<int, 3> kRgbBoxes = {1207, 1208, 1209};   // red, green, blue
inline constexpr std::array<int, 3> kRgbLabels = {1210, 1211, 1212};  // "R:", "G:", "B:"
inline constexpr int kReportRateLabel = 1204;
inline constexpr std::array<int, 4> kReportRateButtons = {1147, 1168, 1169, 1170};  // index 0..3
inline constexpr int kProgress = 1177;  // shown only while Apply works

// Both sliders have the positions 0..4.
inline constexpr int kHighestSliderPosition = 4;
}  // namespace lighting_control

// Which modes show a control while the lighting view is on (see
// LightingControlsForMode). kNotByMode controls stay as they are whatever the
// mode and the view; kNever controls are placed hidden and nothing shows them.
enum class ShownFor : uint8_t {
    kNotByMode,
    kEffectListAndBrightness,
    kSpeed,
    kDirection,
    kSwatches,
    kFirstColourGroup,
    kSecondColourGroup,
    kUserMode,
    kNever,
};

struct PanelControl {
    int id;
    std::string_view positionKey;  // key in section "BUTTONINFO" of the main skin file
    std::string_view labelKey;     // key in "Control_Name" / "Control_Name1"; empty: no label text
    ShownFor shownFor;
};

// Every control of the panel. The stone-throw, ribbon, trigger-kind and
// static-colour controls (1180..1193, 1157, 1158) are kept hidden.
std::span<const PanelControl> LightingPanelControls();

// Whether a control of the table is shown for the given set of controls.
bool IsShown(ShownFor shownFor, const LightingControls& controls);

// The three skin position keys the direction label and pictures move to while
// a mode is chosen: the keys ending in 2 for modes 1 to 3, in 3 for mode 12,
// the plain keys for every other mode (unknown modes included).
struct DirectionPlacement {
    std::string label;
    std::string first;
    std::string second;
};
DirectionPlacement DirectionPlacementForMode(int modeId);

// --- Pictures (BMP files of the skin folder).
namespace lighting_picture {
inline constexpr std::string_view kViewOff = "dengup.bmp";
inline constexpr std::string_view kViewOn = "dengdown.bmp";
inline constexpr std::string_view kMultiColourOff = "sjsup.bmp";
inline constexpr std::string_view kMultiColourOn = "sjsdown.bmp";

struct SwatchPictures {
    std::string_view plain;
    std::string_view chosen;
};
inline constexpr std::array<SwatchPictures, 4> kSwatches = {{
    {"hong.bmp", "hongok.bmp"},
    {"huang.bmp", "huangok.bmp"},
    {"lv.bmp", "lvok.bmp"},
    {"lan.bmp", "lanok.bmp"},
}};

// The two pictures of a direction pair, each released and pressed.
struct DirectionPictures {
    DirectionPair pair;
    std::string_view firstReleased;
    std::string_view firstPressed;
    std::string_view secondReleased;
    std::string_view secondPressed;
};
inline constexpr std::array<DirectionPictures, 3> kDirectionPairs = {{
    {DirectionPair::kLeftRight, "leftup.bmp", "leftdown.bmp", "rightup.bmp", "rightdown.bmp"},
    {DirectionPair::kUpDown, "upup.bmp", "updown.bmp", "downup.bmp", "downdown.bmp"},
    {DirectionPair::kSpreadGather, "kuosan.bmp", "kuosandown.bmp", "julong.bmp", "julongdown.bmp"},
}};

// Tool pictures, released and pressed: tool 0's picture is the first.
struct ToolPictures {
    std::string_view released;
    std::string_view pressed;
};
inline constexpr std::array<ToolPictures, 2> kTools = {{
    {"user1up.bmp", "user1down.bmp"},
    {"user2up.bmp", "user2down.bmp"},
}};

// Slider tracks: the brightness track is named after the brightness value
// ("0.bmp" .. "4.bmp"), the speed track after 6 + the slider position
// ("6.bmp" .. "10.bmp").
std::string BrightnessTrack(int brightness);
std::string SpeedTrack(int sliderPosition);

// Progress picture frames "jdt1.bmp" .. "jdt10.bmp" for frame 0..9.
inline constexpr int kProgressFrames = 10;
std::string ProgressFrame(int frame);
}  // namespace lighting_picture

// The pair of direction pictures shown for a mode: up / down for mode 12,
// spread / gather for mode 18, left / right for every other mode.
const lighting_picture::DirectionPictures& DirectionPicturesForMode(int modeId);

}  // namespace quovex
