// The profile image: the whole key configuration in one block, the same bytes
// in memory and in profile files (little-endian):
//
//   offset 0       ImageHeader (32 bytes)
//   offset 32      DeviceBlock (32 bytes)
//   offset 64      2048 KeyEntry records of 16 bytes: four profile blocks of 512
//   offset 32832   macro_count MacroRecords of 16512 bytes
//   then           string_bytes bytes of UTF-16 strings (the string area)
//
// ProfileImage is the fixed 32832-byte part; the macros and strings follow it
// in files and are held beside it in memory.
//
// Inside profile block p (0..2; block 3 is never used and stays zero):
//   entries 0..255     key slots (SlotFromKeyCode of the key's default code)
//   entries 256..264   G1..G9 of bank A; 265..273 those of bank B
//   entries 274..511   unused
// The `light` word is addressed differently: key position q of the key layout
// uses entry q, G key j uses entry j (+9 in bank B).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "macros/macro_record.h"

namespace quovex {

static_assert(std::endian::native == std::endian::little,
              "profile files are little-endian and read in place");

inline constexpr uint16_t kImageMagic = 0x4446;
inline constexpr uint16_t kImageHeaderSize = 32;
inline constexpr uint16_t kImageFormatKind = 3;
inline constexpr uint16_t kImageFormatVersion = 1;
inline constexpr int kKeyEntryCount = 2048;
inline constexpr int kEntriesPerProfileBlock = 512;
inline constexpr int kProfileBlocksInUse = 3;

struct ImageHeader {
    uint16_t magic;           // 0x4446
    uint16_t header_size;     // 32
    uint16_t format_kind;     // 3
    uint16_t format_version;  // 1
    uint32_t total_size;      // 32832 + macro_count x 16512 + string_bytes
    uint16_t entry_count;     // 2048
    uint16_t macro_count;     // macro records after the image, 0..100
    uint32_t string_bytes;    // size of the string area
    uint32_t reserved_20;
    uint32_t reserved_24;
    uint16_t reserved_28;
    uint8_t flag;      // 0 or 1; every image the program builds has 0
    uint8_t checksum;  // sum of header bytes 0..30, modulo 256
};
static_assert(sizeof(ImageHeader) == 32);
static_assert(offsetof(ImageHeader, total_size) == 8 && offsetof(ImageHeader, string_bytes) == 16 &&
              offsetof(ImageHeader, flag) == 30 && offsetof(ImageHeader, checksum) == 31);

// Fixed content written into every default image and carried unchanged by
// every copy, load and save; nothing reads it. Bytes 16..19 are the keyboard's
// vendor and product identifiers 0x0C45 and 0x5004.
using DeviceBlock = std::array<uint8_t, 32>;
inline constexpr DeviceBlock kDefaultDeviceBlock = {0x4B, 0x48, 0x20, 0x00, 0x20, 0x80, 0x00, 0x00,
                                                    0x04, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
                                                    0x45, 0x0C, 0x04, 0x50, 0x4F, 0x1C, 0x0E, 0x00};

struct KeyEntry {
    uint16_t type;         // AssignType 0..8
    uint16_t aux;          // G-key slots: the G key's hardware id; macro keys: the repeat count shown
                           // when applied (stored, never read back); otherwise 0
    uint32_t value;        // the assignment's target by type; string offset for types 3 and 6 in files
    uint32_t light;        // per-key lighting flag, addressed by key position (see above)
    uint32_t reserved_12;  // 0
    bool operator==(const KeyEntry&) const = default;
};
static_assert(sizeof(KeyEntry) == 16);

using ProfileBlock = std::array<KeyEntry, kEntriesPerProfileBlock>;

struct ProfileImage {
    ImageHeader header;
    DeviceBlock device;
    std::array<KeyEntry, kKeyEntryCount> entries;
};
static_assert(sizeof(ProfileImage) == 32832);
static_assert(offsetof(ProfileImage, entries) == 64);

inline constexpr uint32_t kImageSize = sizeof(ProfileImage);
inline constexpr uint32_t kMacroRecordSize = sizeof(MacroRecord);

constexpr int EntryIndex(int profile, int slot) {
    return profile * kEntriesPerProfileBlock + slot;
}

// Whether `profile` names one of the keyboard's on-board profiles (0..2). The
// current profile is -1 while unknown: callers check before they address a block.
constexpr bool IsOnBoardProfile(int profile) {
    return profile >= 0 && profile < kProfileBlocksInUse;
}

// Sum of header bytes 0..30 with wrap-around.
uint8_t HeaderChecksum(const ImageHeader& header);

// Fills every header field (reserved fields 0) and computes the checksum last.
void BuildImageHeader(ProfileImage& image, uint16_t macro_count, uint32_t string_bytes, uint8_t flag);

// Zeroes all entries, then writes the G-key identifiers into block 0.
void SetDefaultKeyEntries(ProfileImage& image);

// A default image: header with no macros and no strings, the fixed device
// block, default key entries.
std::unique_ptr<ProfileImage> MakeDefaultImage(uint8_t flag);

// A profile block as the keyboard reports an unassigned profile: all zero with
// the G-key identifiers in `aux` of entries 256..273.
ProfileBlock DefaultProfileBlock();

}  // namespace quovex
