// The fixed tables of the lighting preview: the colour wheel, the level curves,
// the key grid of the keyboard picture, the key order list, and the tables the
// scripted modes walk. Control ids are those of the key buttons; a key's preview
// key index is its light slot (0..125).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "lighting/rgb.h"

namespace quovex::preview {

inline constexpr int kKeyIndexes = 126;    // preview key indexes 0..125
inline constexpr uint8_t kNoKey = 126;     // the key index of an id the preview does not draw
inline constexpr int kWheelSize = 192;
inline constexpr int kGridColumns = 23;
inline constexpr int kGridRows = 6;
inline constexpr int kOrderedKeys = 104;

// --- Colour wheel: six segments of 32, rising and falling one channel at a time.
inline constexpr std::array<uint8_t, 32> kRise = {1,   3,   5,   7,   10,  14,  18,  22,  26,  32,  38,
                                                  44,  50,  57,  65,  73,  81,  89,  99,  109, 119, 129,
                                                  140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
inline constexpr std::array<uint8_t, 32> kFall = {248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124,
                                                  114, 104, 94,  85,  77,  69,  61,  53,  47,  41,  35,
                                                  29,  24,  20,  16,  12,  8,   6,   4,   2,   0};

constexpr std::array<Rgb, kWheelSize> MakeColourWheel() {
    std::array<Rgb, kWheelSize> wheel{};
    for (int i = 0; i < 32; ++i) {
        const uint8_t rise = kRise[i];
        const uint8_t fall = kFall[i];
        wheel[i] = {255, rise, 0};
        wheel[32 + i] = {fall, 255, 0};
        wheel[64 + i] = {0, 255, rise};
        wheel[96 + i] = {0, fall, 255};
        wheel[128 + i] = {rise, 0, 255};
        wheel[160 + i] = {255, 0, fall};
    }
    return wheel;
}
inline constexpr std::array<Rgb, kWheelSize> kColourWheel = MakeColourWheel();

// The ripple modes index a wheel of 256 entries whose entry i is wheel entry i mod 192.
constexpr Rgb ExtendedWheel(uint8_t hue) { return kColourWheel[hue % kWheelSize]; }

// --- Level curves (brightness levels 0..255 over a period).
template <size_t Half>
constexpr std::array<uint8_t, Half * 2> Mirrored(const std::array<uint8_t, Half>& rising) {
    std::array<uint8_t, Half * 2> curve{};
    for (size_t i = 0; i < Half; ++i) {
        curve[i] = rising[i];
        curve[2 * Half - 1 - i] = rising[i];
    }
    return curve;
}

inline constexpr std::array<uint8_t, 96> kW96 = Mirrored<48>(
    {22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
     77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
     158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255});

// A fast rise, a slow fall and a dark tail.
inline constexpr std::array<uint8_t, 129> kW129 = {
    0,   4,   8,   14,  22,  33,  45,  61,  77,  94,  114, 134, 158, 182, 206, 234, 255,
    248, 241, 234, 227, 220, 213, 206, 200, 194, 188, 182, 176, 170, 164, 158, 152, 146,
    140, 134, 129, 124, 119, 114, 109, 104, 99,  94,  89,  85,  81,  77,  73,  69,  65,
    61,  57,  53,  49,  45,  42,  39,  36,  33,  30,  27,  24,  22,  20,  18,  16,  14,
    12,  10,  9,   8,   7,   6,   5,   4,   3,   2,   2,   1,   // then 49 zeros
};

inline constexpr std::array<uint8_t, 128> kW128 = Mirrored<64>(
    {3,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  16,  18,  20,
     22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
     77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
     158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255});

// --- The keyboard picture as 23 columns x 6 rows of control ids (0 = empty cell).
// Row 0 is the function-key row; wide keys fill two cells.
inline constexpr std::array<std::array<uint16_t, kGridColumns>, kGridRows> kKeyGrid = {{
    {0, 0, 1022, 1010, 1011, 1012, 1013, 0, 1014, 1015, 1023, 1024, 1025, 1026, 1027, 1028, 1091, 1092,
     1093, 0, 0, 0, 0},
    {0, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1043, 1043, 1094,
     1095, 1096, 1104, 1105, 1106, 1107},
    {0, 1056, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1042, 1042, 1097,
     1098, 1099, 1108, 1109, 1110, 0},
    {0, 1069, 1058, 1059, 1060, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068, 1070, 0, 0, 0, 0, 0,
     1112, 1113, 1114, 1111},
    {0, 1082, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 0, 0, 1081, 1081, 0, 1103, 0,
     1115, 1116, 1117, 1118},
    {1083, 1084, 1085, 0, 0, 0, 1090, 0, 0, 1086, 1086, 1174, 1088, 0, 1089, 1089, 1100, 1101, 1102,
     1120, 1120, 1119, 0},
}};

// --- The 104 keys of the preview in a snake through the picture: control id and
// preview key index.
struct OrderedKey {
    uint16_t controlId;
    uint8_t keyIndex;
};
inline constexpr std::array<OrderedKey, kOrderedKeys> kKeyOrder = {{
    {1093, 16},  {1092, 15},  {1091, 14},  {1028, 12},  {1027, 11},  {1026, 10},  {1025, 9},   {1024, 8},
    {1023, 7},   {1015, 6},   {1014, 5},   {1013, 4},   {1012, 3},   {1011, 2},   {1010, 1},   {1022, 0},
    {1029, 21},  {1056, 42},  {1069, 63},  {1082, 84},  {1083, 105}, {1084, 106}, {1085, 107}, {1090, 108},
    {1086, 109}, {1174, 110}, {1088, 111}, {1089, 113}, {1100, 119}, {1101, 120}, {1102, 121}, {1120, 123},
    {1119, 124}, {1118, 104}, {1111, 62},  {1107, 41},  {1106, 40},  {1105, 39},  {1104, 38},  {1096, 37},
    {1095, 36},  {1094, 35},  {1043, 34},  {1041, 33},  {1040, 32},  {1039, 31},  {1038, 30},  {1037, 29},
    {1036, 28},  {1035, 27},  {1034, 26},  {1033, 25},  {1032, 24},  {1031, 23},  {1030, 22},  {1044, 43},
    {1058, 64},  {1071, 86},  {1072, 87},  {1073, 88},  {1074, 89},  {1075, 90},  {1076, 91},  {1077, 92},
    {1078, 93},  {1079, 94},  {1080, 95},  {1081, 97},  {1103, 99},  {1115, 101}, {1116, 102}, {1117, 103},
    {1114, 82},  {1112, 80},  {1113, 81},  {1110, 61},  {1109, 60},  {1108, 59},  {1099, 58},  {1098, 57},
    {1097, 56},  {1042, 55},  {1055, 54},  {1054, 53},  {1053, 52},  {1052, 51},  {1051, 50},  {1050, 49},
    {1049, 48},  {1048, 47},  {1047, 46},  {1046, 45},  {1045, 44},  {1059, 65},  {1060, 66},  {1061, 67},
    {1062, 68},  {1063, 69},  {1064, 70},  {1065, 71},  {1066, 72},  {1067, 73},  {1068, 74},  {1070, 76},
}};

// The preview key index of a key button, or kNoKey for an id outside the key order list.
constexpr uint8_t PreviewKeyIndex(uint16_t controlId) {
    for (const OrderedKey& key : kKeyOrder) {
        if (key.controlId == controlId) return key.keyIndex;
    }
    return kNoKey;
}

// --- Mode 10: the order in which the twinkle lights keys (positions in kKeyOrder).
inline constexpr std::array<uint8_t, kOrderedKeys> kRandomOrder = {
    88, 24, 101, 57, 16, 69, 35, 34, 36, 51, 78, 18, 12, 66, 97,  9,   33, 41, 55, 52, 48,
    95, 77, 70,  10, 23, 39, 3,  102, 17, 65, 22, 31, 4,  85, 76,  15,  60, 54, 21, 83, 94,
    6,  61, 49,  20, 5,  14, 68, 98,  71, 27, 81, 1,  0,  87, 46,  75,  37, 73, 32, 79, 8,
    29, 72, 56,  44, 99, 13, 47, 42,  93, 91, 80, 86, 89, 43, 28,  58,  59, 38, 53, 2,  62,
    64, 90, 96,  74, 92, 40, 25, 26,  7,  30, 50, 84, 45, 67, 19,  103, 100, 82, 11, 63};

// --- Mode 14: the steps of its opening sweep (0 = no key) and the pairs it chases.
inline constexpr int kScriptSteps = 20;
inline constexpr std::array<std::array<uint16_t, 6>, kScriptSteps> kStepTable = {{
    {1022, 1118},
    {1010, 1119},
    {1011, 1120},
    {1012, 1102, 1029, 1118},
    {1013, 1101, 1030, 1117},
    {1014, 1100, 1031, 1116},
    {1015, 1089, 1032, 1115, 1056, 1111},
    {1023, 1088, 1033, 1103, 1044, 1114},
    {1024, 1174, 1034, 1081, 1045, 1113},
    {1025, 1086, 1035, 1080, 1046, 1112},
    {1041, 1078, 1036, 1079, 1047},
    {1055, 1065, 1037, 1078, 1048},
    {1068, 1051, 1038, 1065, 1049, 1070},
    {1080, 1038, 1039, 1051, 1050, 1068},
    {1079, 1039, 1053, 1038, 1051, 1067},
    {1078, 1040, 1066, 1039, 1052, 1066},
    {1065, 1041, 1065, 1053, 1053, 1065},
    {1051, 1055, 1051, 1066, 1054},
    {1038, 1068},
    {1039, 1080},
}};

inline constexpr int kScriptPairs = 16;
inline constexpr std::array<std::array<uint16_t, 2>, kScriptPairs> kPairTable = {{
    {1038, 1080}, {1039, 1079}, {1040, 1078}, {1041, 1065}, {1055, 1051}, {1068, 1038},
    {1080, 1039}, {1079, 1040}, {1078, 1041}, {1065, 1055}, {1051, 1068}, {1052, 1067},
    {1053, 1066}, {1054, 1052}, {1067, 1053}, {1066, 1054},
}};

// Keys the mode 14 script watches: the end of the chase, the start of its ripple
// and the far corner the ripple has to reach.
inline constexpr uint16_t kScriptChaseEndKey = 1066;
inline constexpr uint16_t kScriptRippleKey = 1053;
inline constexpr uint16_t kScriptCornerKey = 1083;

// --- Mode 18: twelve rings around the centre key 1052 (0 = no key).
inline constexpr int kRings = 12;
inline constexpr std::array<std::array<uint16_t, 12>, kRings> kRingTable = {{
    {1052},
    {1038, 1051, 1065, 1066, 1053, 1039},
    {1024, 1037, 1050, 1064, 1077, 1078, 1079, 1067, 1054, 1040},
    {1023, 1036, 1049, 1063, 1076, 1086, 1080, 1068, 1055, 1041, 1025},
    {1015, 1035, 1048, 1062, 1075, 1174, 1081, 1070, 1042, 1043, 1026, 1027},
    {1014, 1034, 1047, 1061, 1074, 1090, 1088, 1089, 1097, 1094, 1028},
    {1013, 1033, 1046, 1060, 1073, 1100, 1103, 1098, 1095, 1091},
    {1012, 1032, 1045, 1059, 1072, 1101, 1102, 1099, 1096, 1093, 1092},
    {1011, 1031, 1044, 1058, 1071, 1085, 1115, 1112, 1108, 1104},
    {1010, 1030, 1056, 1069, 1082, 1084, 1120, 1116, 1113, 1109, 1105},
    {1022, 1029, 1083, 1119, 1117, 1114, 1110, 1106},
    {1118, 1111, 1107},
}};

}  // namespace quovex::preview
