// The contract between the program and libHidServ.so, the HID service library.
//
// Both sides include this header: the library exports the twelve entry points
// below with C linkage, and the program resolves them by name with dlopen/dlsym.
// Every call carries a 16-byte identifier that selects one HID collection of the
// keyboard and a check value computed over the call's bytes with the table T;
// the library refuses a call whose check value is wrong.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quovex::hidserv {

inline constexpr uint16_t kVendorId = 0x0C45;
inline constexpr uint16_t kProductId = 0x5004;
inline constexpr const char* kLibraryFileName = "libHidServ.so";

// The keyboard's HID collections, by usage page and usage.
struct Collection {
    uint16_t usage_page;
    uint16_t usage;
};
inline constexpr Collection kEventCollection{0x000C, 0x0001};    // consumer: keyboard event codes
inline constexpr Collection kControlCollection{0xFF1C, 0x0092};  // vendor: command reports and answers
inline constexpr Collection kStatusCollection{0x0008, 0x0089};   // LED page: the 2-byte status word

// Channel tags: four letters packed with the first letter in the most significant
// byte, so that the little-endian bytes read "SNOC", "LRTC" and "DEL\0".
inline constexpr uint32_t kEventTag = 0x434F4E53;    // 'CONS'
inline constexpr uint32_t kControlTag = 0x4354524C;  // 'CTRL'
inline constexpr uint32_t kStatusTag = 0x004C4544;   // 'LED'

inline constexpr size_t kReportSize = 64;
inline constexpr size_t kIdentifierSize = 16;
using Identifier = std::array<uint8_t, kIdentifierSize>;

// Identifier layout, little-endian: u32 0x0000000F, u16 vendor id, u16 product id,
// u16 usage page, u16 usage, 4 zero bytes.
constexpr Identifier MakeIdentifier(Collection collection) {
    Identifier id{};
    id[0] = 0x0F;
    id[4] = kVendorId & 0xFF;
    id[5] = kVendorId >> 8;
    id[6] = kProductId & 0xFF;
    id[7] = kProductId >> 8;
    id[8] = collection.usage_page & 0xFF;
    id[9] = collection.usage_page >> 8;
    id[10] = collection.usage & 0xFF;
    id[11] = collection.usage >> 8;
    return id;
}

constexpr Collection CollectionOf(const uint8_t* identifier) {
    return {static_cast<uint16_t>(identifier[8] | identifier[9] << 8),
            static_cast<uint16_t>(identifier[10] | identifier[11] << 8)};
}

constexpr bool operator==(Collection a, Collection b) {
    return a.usage_page == b.usage_page && a.usage == b.usage;
}

// T: a fixed permutation of 0..255 shared by the program and the library.
inline constexpr std::array<uint8_t, 256> kCheckTable = {
    0xFD, 0x0D, 0x3C, 0x9C, 0xB0, 0x70, 0x23, 0x18, 0xDD, 0x8C, 0xB2, 0x22, 0x35, 0xC7, 0xA4, 0x51,
    0x69, 0xA2, 0x4C, 0x33, 0x7E, 0x74, 0x77, 0xDC, 0x44, 0xF3, 0xFC, 0x47, 0x7B, 0xBE, 0x26, 0xDE,
    0xC2, 0x2C, 0xD7, 0x90, 0x08, 0x0C, 0xEF, 0x9F, 0x4A, 0x2F, 0x19, 0x48, 0xB6, 0x60, 0xDF, 0x31,
    0xF9, 0xF6, 0x85, 0x10, 0x59, 0xED, 0xAA, 0xAE, 0x5F, 0x56, 0xA9, 0x0E, 0xC5, 0x65, 0xAF, 0x82,
    0x13, 0x97, 0x40, 0x0A, 0x8D, 0x5C, 0x98, 0xA1, 0x67, 0xC0, 0xFB, 0x53, 0x3A, 0xD4, 0xBF, 0x95,
    0x12, 0x91, 0x76, 0xFE, 0xE8, 0x45, 0x62, 0x46, 0x4E, 0x42, 0xA5, 0xE6, 0x36, 0x1E, 0x1F, 0x06,
    0xD6, 0x92, 0x2A, 0x01, 0x29, 0x6B, 0x24, 0xCF, 0xE7, 0x2B, 0x78, 0xE3, 0x3E, 0xA0, 0xE0, 0xBB,
    0xAB, 0xD5, 0x89, 0x3D, 0xF5, 0xCA, 0x30, 0x4B, 0xA7, 0x79, 0xEE, 0x49, 0xBD, 0xB7, 0xB4, 0x58,
    0xCC, 0xF7, 0x6A, 0xC6, 0x14, 0x52, 0x7D, 0x93, 0x4D, 0xB1, 0xD1, 0x8E, 0xE9, 0xD3, 0x66, 0x94,
    0x72, 0x68, 0xF2, 0xD0, 0x55, 0x84, 0xC1, 0x7F, 0xC9, 0x6C, 0x1C, 0x2E, 0x07, 0xEC, 0x7A, 0xE1,
    0xE4, 0xB9, 0xBC, 0x0F, 0xB8, 0x88, 0x6E, 0xAD, 0xA3, 0x83, 0xC4, 0xD2, 0x5B, 0xDB, 0x0B, 0x03,
    0xEA, 0x5A, 0x71, 0xFF, 0xF0, 0xC3, 0x6D, 0x87, 0x39, 0x96, 0x3F, 0x7C, 0x64, 0xBA, 0x05, 0xF8,
    0x15, 0x11, 0x20, 0x5E, 0x00, 0x9E, 0x09, 0xD9, 0x32, 0x17, 0x8B, 0x73, 0xB3, 0x41, 0x16, 0x3B,
    0x75, 0x9D, 0x37, 0x6F, 0x8F, 0x34, 0x21, 0x02, 0xDA, 0x4F, 0x81, 0xE2, 0x63, 0xC8, 0x9B, 0x5D,
    0x86, 0x38, 0x57, 0x50, 0x27, 0xD8, 0x8A, 0x25, 0xCE, 0xCD, 0x43, 0x04, 0xA6, 0xE5, 0xAC, 0xF1,
    0x1B, 0x9A, 0xEB, 0xF4, 0x61, 0x2D, 0xA8, 0x80, 0x1D, 0x28, 0xCB, 0xB5, 0xFA, 0x1A, 0x54, 0x99,};

namespace detail {
constexpr bool IsPermutation(const std::array<uint8_t, 256>& table) {
    std::array<bool, 256> seen{};
    for (uint8_t v : table) {
        if (seen[v]) return false;
        seen[v] = true;
    }
    return true;
}
}  // namespace detail
static_assert(detail::IsPermutation(kCheckTable), "the check table must be a permutation of 0..255");

// The check value of a call: the unsigned 32-bit sum of T[b] over every byte b of
// the identifier, the callback address (its low 4 bytes, little-endian; 0 without
// a callback), the tag (4 bytes, little-endian) and the call's data, if any.
inline uint32_t ComputeCheck(const uint8_t* identifier, const void* callback, uint32_t tag,
                             const uint8_t* data, size_t length) {
    uint32_t sum = 0;
    for (size_t i = 0; i < kIdentifierSize; ++i) sum += kCheckTable[identifier[i]];
    const auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(callback));
    for (int shift = 0; shift < 32; shift += 8) sum += kCheckTable[(address >> shift) & 0xFF];
    for (int shift = 0; shift < 32; shift += 8) sum += kCheckTable[(tag >> shift) & 0xFF];
    for (size_t i = 0; data != nullptr && i < length; ++i) sum += kCheckTable[data[i]];
    return sum;
}

// Notification kinds delivered to a channel's callback.
inline constexpr int32_t kNotifyDeviceChange = 0;  // request.length_or_count = keyboards now present
inline constexpr int32_t kNotifyData = 1;          // request.data holds length_or_count bytes

// Record whose byte 28 holds a pointer to the 16-bit consumer usage of an event
// report. The pointer sits unaligned on 64-bit, so it is read and written with memcpy.
struct ConsumerUsageRecord {
    uint8_t bytes[28 + sizeof(const uint16_t*)];

    void SetUsagePointer(const uint16_t* usage) { std::memcpy(bytes + 28, &usage, sizeof usage); }
    const uint16_t* UsagePointer() const {
        const uint16_t* usage = nullptr;
        std::memcpy(&usage, bytes + 28, sizeof usage);
        return usage;
    }
};

struct RequestRecord {
    uint32_t tag;                         // +0  the channel's tag
    uint32_t length_or_count;             // +4  data length (kind 1) or keyboard count (kind 0)
    const uint8_t* data;                  // +8  the input report's bytes (kind 1)
    const ConsumerUsageRecord* consumer;  // +16 event channel: where the event code lies
};

struct NotificationRecord {
    int32_t kind;                   // +0 kNotifyData or kNotifyDeviceChange
    const RequestRecord* request;   // +8
};

static_assert(sizeof(void*) != 8 || offsetof(RequestRecord, length_or_count) == 4);
static_assert(sizeof(void*) != 8 || offsetof(RequestRecord, data) == 8);
static_assert(sizeof(void*) != 8 || offsetof(RequestRecord, consumer) == 16);
static_assert(sizeof(void*) != 8 || offsetof(NotificationRecord, request) == 8);

}  // namespace quovex::hidserv

extern "C" {
// Called on a library thread with a NotificationRecord; returns 1.
typedef int (*HidServCallback)(const void* notification);

typedef int (*HidServInitFn)(int reserved);
typedef int (*HidServRequestGetDeviceCountFn)(const uint8_t* identifier, HidServCallback callback,
                                              uint32_t tag, uint32_t check, uint32_t* unit_out);
typedef int (*HidServDeleteRequestFromUnitIdFn)(uint32_t unit);
typedef int (*HidServRequestWriteOneFn)(const uint8_t* identifier, HidServCallback callback,
                                        uint32_t tag, const uint8_t* report, uint32_t length,
                                        uint32_t check, uint32_t* unit_out);
typedef int (*HidServRequestStatusWriteFn)(const uint8_t* identifier, HidServCallback callback,
                                           uint32_t tag, const uint8_t* data, uint32_t length,
                                           uint32_t check, uint32_t* unit_out);
typedef int (*HidServRequestAsyncReadFn)(const uint8_t* identifier, HidServCallback callback,
                                         uint32_t tag, uint32_t check, uint32_t* unit_out);
// Exported for completeness; the program never calls them.
typedef int (*HidServDebugFn)(int level);
typedef int (*HidServEndFn)(void);
typedef int (*HidServDeleteRequestFromHandleFn)(void* handle);
typedef int (*HidServRequestWriteFn)(const uint8_t* identifier, HidServCallback callback,
                                     uint32_t tag, const uint8_t* data, uint32_t length,
                                     uint32_t check, uint32_t* unit_out);
typedef int (*HidServRequestStatusGetFn)(const uint8_t* identifier, HidServCallback callback,
                                         uint32_t tag, uint8_t* buffer, uint32_t length,
                                         uint32_t check, uint32_t* unit_out);
typedef int (*HidServRequestStatusSetFeatureFn)(const uint8_t* identifier, HidServCallback callback,
                                                uint32_t tag, const uint8_t* data, uint32_t length,
                                                uint32_t check, uint32_t* unit_out);
}
