// The key layout of the keyboard picture: the 104 key buttons in their fixed
// order, the second Enter button, the Fn button and the nine G keys. The
// position q of a key addresses its light word (entry p x 512 + q of a profile
// block), its skin key and its row in the restore and refresh operations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/key_code.h"

namespace quovex {

struct KeyPosition {
    int control_id;         // the key button's control id
    KeyCode code;           // its key; its key slot is SlotFromKeyCode(code)
    std::string_view name;  // as shown (equals KeyName of the code)
    int light_slot;         // its number in the keyboard's key colour memory
};

inline constexpr int kLayoutKeyCount = 104;

// Indexed by position q.
inline constexpr std::array<KeyPosition, kLayoutKeyCount> kKeyPositions = {{
    {1058, 0x01E, "A", 64},             // 0
    {1075, 0x030, "B", 90},             // 1
    {1073, 0x02E, "C", 88},             // 2
    {1060, 0x020, "D", 66},             // 3
    {1046, 0x012, "E", 45},             // 4
    {1061, 0x021, "F", 67},             // 5
    {1062, 0x022, "G", 68},             // 6
    {1063, 0x023, "H", 69},             // 7
    {1051, 0x017, "I", 50},             // 8
    {1064, 0x024, "J", 70},             // 9
    {1065, 0x025, "K", 71},             // 10
    {1066, 0x026, "L", 72},             // 11
    {1077, 0x032, "M", 92},             // 12
    {1076, 0x031, "N", 91},             // 13
    {1052, 0x018, "O", 51},             // 14
    {1053, 0x019, "P", 52},             // 15
    {1044, 0x010, "Q", 43},             // 16
    {1047, 0x013, "R", 46},             // 17
    {1059, 0x01F, "S", 65},             // 18
    {1048, 0x014, "T", 47},             // 19
    {1050, 0x016, "U", 49},             // 20
    {1074, 0x02F, "V", 89},             // 21
    {1045, 0x011, "W", 44},             // 22
    {1072, 0x02D, "X", 87},             // 23
    {1049, 0x015, "Y", 48},             // 24
    {1071, 0x02C, "Z", 86},             // 25
    {1030, 0x002, "1", 22},             // 26
    {1031, 0x003, "2", 23},             // 27
    {1032, 0x004, "3", 24},             // 28
    {1033, 0x005, "4", 25},             // 29
    {1034, 0x006, "5", 26},             // 30
    {1035, 0x007, "6", 27},             // 31
    {1036, 0x008, "7", 28},             // 32
    {1037, 0x009, "8", 29},             // 33
    {1038, 0x00A, "9", 30},             // 34
    {1039, 0x00B, "0", 31},             // 35
    {1070, 0x01C, "Enter", 76},         // 36
    {1022, 0x001, "Esc", 0},            // 37
    {1043, 0x00E, "Backspace", 34},     // 38
    {1056, 0x00F, "Tab", 42},           // 39
    {1090, 0x039, "Space", 108},        // 40
    {1040, 0x00C, "-", 32},             // 41
    {1041, 0x00D, "=", 33},             // 42
    {1054, 0x01A, "[", 53},             // 43
    {1055, 0x01B, "]", 54},             // 44
    {1042, 0x02B, "\\", 55},            // 45
    {1067, 0x027, ";", 73},             // 46
    {1068, 0x028, "'", 74},             // 47
    {1029, 0x029, "`", 21},             // 48
    {1078, 0x033, ",", 93},             // 49
    {1079, 0x034, ".", 94},             // 50
    {1080, 0x035, "/", 95},             // 51
    {1010, 0x03B, "F1", 1},             // 52
    {1011, 0x03C, "F2", 2},             // 53
    {1012, 0x03D, "F3", 3},             // 54
    {1013, 0x03E, "F4", 4},             // 55
    {1014, 0x03F, "F5", 5},             // 56
    {1015, 0x040, "F6", 6},             // 57
    {1023, 0x041, "F7", 7},             // 58
    {1024, 0x042, "F8", 8},             // 59
    {1025, 0x043, "F9", 9},             // 60
    {1026, 0x044, "F10", 10},           // 61
    {1027, 0x057, "F11", 11},           // 62
    {1028, 0x058, "F12", 12},           // 63
    {1091, 0x137, "Print Screen", 14},  // 64
    {1093, 0x045, "Pause", 16},         // 65
    {1094, 0x152, "Insert", 35},        // 66
    {1097, 0x153, "Delete", 56},        // 67
    {1095, 0x147, "Home", 36},          // 68
    {1098, 0x14F, "End", 57},           // 69
    {1096, 0x149, "Page Up", 37},       // 70
    {1099, 0x151, "Page Down", 58},     // 71
    {1103, 0x148, "↑", 99},             // 72
    {1101, 0x150, "↓", 120},            // 73
    {1100, 0x14B, "←", 119},            // 74
    {1102, 0x14D, "→", 121},            // 75
    {1092, 0x046, "Scroll Lock", 15},   // 76
    {1069, 0x03A, "Caps Lock", 63},     // 77
    {1088, 0x15D, "App", 111},          // 78
    {1083, 0x01D, "Ctrl", 105},         // 79
    {1089, 0x11D, "Right Ctrl", 113},   // 80
    {1082, 0x02A, "Shift", 84},         // 81
    {1081, 0x036, "Right Shift", 97},   // 82
    {1085, 0x038, "Alt", 107},          // 83
    {1086, 0x138, "Right Alt", 109},    // 84
    {1084, 0x15B, "Win", 106},          // 85
    {1087, 0x15C, "Right Win", 112},    // 86
    {1115, 0x04F, "Num 1", 101},        // 87
    {1116, 0x050, "Num 2", 102},        // 88
    {1117, 0x051, "Num 3", 103},        // 89
    {1112, 0x04B, "Num 4", 80},         // 90
    {1113, 0x04C, "Num 5", 81},         // 91
    {1114, 0x04D, "Num 6", 82},         // 92
    {1108, 0x047, "Num 7", 59},         // 93
    {1109, 0x048, "Num 8", 60},         // 94
    {1110, 0x049, "Num 9", 61},         // 95
    {1120, 0x052, "Num 0", 123},        // 96
    {1104, 0x145, "Num Lock", 38},      // 97
    {1118, 0x11C, "Num Enter", 104},    // 98
    {1119, 0x053, "Num .", 124},        // 99
    {1105, 0x135, "Num /", 39},         // 100
    {1106, 0x037, "Num *", 40},         // 101
    {1107, 0x04A, "Num -", 41},         // 102
    {1111, 0x04E, "Num +", 62},         // 103
}};

// The second, larger Enter shape behaves exactly like the Enter button 1070.
inline constexpr int kSecondEnterControlId = 1057;
inline constexpr int kEnterControlId = 1070;

// The Fn key takes part in painting only.
inline constexpr int kFnControlId = 1174;
inline constexpr int kFnLightSlot = 110;

// G keys G1..G9 (index j = 0..8). G key j uses the G-key slot 256 + j in bank A
// and 265 + j in bank B of a profile block, and the light word of entry j
// (bank A) or j + 9 (bank B). All G keys share light slot 125 when painted.
inline constexpr int kGKeyCount = 9;
inline constexpr std::array<int, kGKeyCount> kGKeyControlIds = {1000, 1001, 1002, 1003, 1004,
                                                                1140, 1141, 1142, 1143};
inline constexpr int kGKeySlotBankA = 256;
inline constexpr int kGKeySlotBankB = 265;
inline constexpr int kGKeyLightSlot = 125;
// The G key whose button also opens the macro-only assignment dialog (with the
// main window's macro-edit button 1007).
inline constexpr int kMacroGKeyControlId = 1143;
// Hardware identifiers kept in `aux` of the G-key slots: 0x0301 + j in bank A,
// 0x1301 + j in bank B.
inline constexpr uint16_t kGKeyIdBankA = 0x0301;
inline constexpr uint16_t kGKeyIdBankB = 0x1301;

constexpr int GKeySlot(int j, int bank) {
    return (bank == 0 ? kGKeySlotBankA : kGKeySlotBankB) + j;
}
constexpr int GKeyLightEntry(int j, int bank) {
    return bank == 0 ? j : j + kGKeyCount;
}

// "KEY_%03X" with the key slot, e.g. "KEY_09D" for Right Ctrl.
std::string KeySkinKey(int position);
// "FUNC_G%d" with j + 1.
std::string GKeySkinKey(int j);

// What a control id of the keyboard picture stands for.
struct KeyButton {
    enum class Kind { kKey, kGKey, kFn };
    Kind kind;
    int index;  // position q for a key (the second Enter gives Enter's), j for a G key, 0 for Fn
};
std::optional<KeyButton> FindKeyButton(int control_id);

}  // namespace quovex
