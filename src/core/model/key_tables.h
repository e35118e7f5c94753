// Conversions between the code spaces that meet at a key: KeyCode and key
// slot, names, the key-choice list, HID usages (key maps and macro memory),
// the HID modifier byte, the 18 multimedia keys, and the virtual-key code and
// scan code of a keyboard event. All are pure look-ups in the constant tables
// of key_info_table.h; only the multimedia names come from the text table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/text_table.h"
#include "model/key_code.h"
#include "model/key_info_table.h"

namespace quovex {

inline constexpr int kListPositionCount = 106;  // 0..105
inline constexpr int kMediaKeyCount = 18;

inline constexpr uint16_t kUsagePageNone = 0;
inline constexpr uint16_t kUsagePageSystem = 1;
inline constexpr uint16_t kUsagePageKeyboard = 7;
inline constexpr uint16_t kUsagePageConsumer = 12;

struct HidUsage {
    uint16_t page = kUsagePageNone;
    uint16_t usage = 0;
    bool operator==(const HidUsage&) const = default;
};

struct MediaKey {
    std::string_view name_text_key;
    KeyCode code;
    uint16_t consumer_usage;
};

// The multimedia keys by media index (the value of an ASSIGN_MEDIA entry).
inline constexpr std::array<MediaKey, kMediaKeyCount> kMediaKeys = {{
    {"MEDIA_PALYER_1", 0x16D, 0x183},
    {"MEDIA_PALY_PAUSE_2", 0x122, 0x0CD},
    {"MEDIA_STOP_PALY_3", 0x124, 0x0B7},
    {"MEDIA_PREV_TRACK_4", 0x110, 0x0B6},
    {"MEDIA_Next_TRACK_5", 0x119, 0x0B5},
    {"MEDIA_V_LOW_6", 0x12E, 0x0EA},
    {"MEDIA_V_ADD_7", 0x130, 0x0E9},
    {"MEDIA_MUTE_8", 0x120, 0x0E2},
    {"MEDIA_WWW_HOME_9", 0x132, 0x223},
    {"MEDIA_WWW_REFRESH_10", 0x167, 0x227},
    {"MEDIA_WWW_STOP_11", 0x168, 0x226},
    {"MEDIA_WWW_BACK_12", 0x16A, 0x224},
    {"MEDIA_WWW_FORWARD_13", 0x169, 0x225},
    {"MEDIA_WWW_FAVORITE_14", 0x166, 0x22A},
    {"MEDIA_WWW_SEARCH_15", 0x165, 0x221},
    {"MEDIA_MY_PC_16", 0x16B, 0x194},
    {"MEDIA_CALC_17", 0x121, 0x192},
    {"MEDIA_MAIL_18", 0x16C, 0x18A},
}};

// The HID modifier byte, bit 0 to bit 7.
inline constexpr std::array<KeyCode, 8> kModifierKeys = {0x01D, 0x02A, 0x038, 0x15B,
                                                         0x11D, 0x036, 0x138, 0x15C};

// Keys whose press a keyboard hook may not see, only their release:
// Sys Req, KL, KR and Print Screen.
inline constexpr std::array<KeyCode, 4> kReleaseOnlyKeys = {0x054, 0x071, 0x072, 0x137};

const KeyInfo& KeyInfoOf(KeyCode code);

// The name of the code's slot; a slot with no name, or an empty one, gives the
// text of UNKNOWN_KEY ("Unknown Key: %03x") with the code.
std::string KeyName(KeyCode code, const TextTable& texts);

// The name of the key at a place in the key-choice list; empty when none.
std::string_view ListName(int position);
// The first slot (in slot order) with that list position; 0 when none.
KeyCode KeyCodeFromListPosition(int position);
// kNoListPosition for keys that are not in the list.
int ListPositionFromKeyCode(KeyCode code);

HidUsage UsageFromKeyCode(KeyCode code);
// The first slot whose usage byte matches; 0 for none. Page 12 matches the
// first consumer table entry equal to the usage, zero entries included, so
// usage 0 gives Zoom- (0x174).
KeyCode KeyCodeFromUsage(uint16_t page, uint16_t usage);

// The key of the lowest set bit; 0 when no bit is set.
KeyCode KeyCodeFromModifierBits(uint8_t bits);
// The modifier bit of one of the eight modifier keys; 0 for any other key.
uint8_t ModifierBitFromKeyCode(KeyCode code);

// The key of a keyboard event: the virtual-key code and the 32-bit message
// parameter (scan code in bits 16..23, extended-key flag in bit 24). The scan
// code names the key whenever it agrees with the virtual-key code; otherwise the
// virtual-key code does, so generic modifiers fall back to the left-hand keys.
KeyCode KeyCodeFromEvent(uint32_t virtual_key, uint32_t lparam);

bool IsMediaKey(KeyCode code);
bool IsReleaseOnlyKey(KeyCode code);

}  // namespace quovex
