#include "sim/factory_tables.h"

namespace quovex::sim {
namespace {

constexpr KeyMapRecord None() {
    return {0x00, 0x00, 0x00};
}
// Positions 0..5 hold this record at the factory.
constexpr KeyMapRecord Fixed() {
    return {0x05, 0x00, 0x00};
}
constexpr KeyMapRecord Key(uint8_t usage) {
    return {0x02, 0x02, usage};
}
constexpr KeyMapRecord Modifier(uint8_t bits) {
    return {0x02, 0x01, bits};
}
constexpr KeyMapRecord Consumer(uint16_t usage) {
    return {0x03, static_cast<uint8_t>(usage & 0xFF), static_cast<uint8_t>(usage >> 8)};
}
constexpr KeyMapRecord StopMacroKey() {
    return {0x05, 0x02, 0x02};
}

}  // namespace

// Eight positions per line, as the keyboard's matrix is laid out in columns.
// clang-format off
const std::array<KeyMapRecord, kKeyMapPositions> kFactoryKeyMap = {{
    Fixed(),          Fixed(),    Fixed(),    Fixed(),    Fixed(),      Fixed(),          None(),    None(),  // 0
    Key(0x29),        Key(0x35),  Key(0x2B),  Key(0x39),  Modifier(0x02), Modifier(0x01), None(),    None(),  // 8
    Key(0x3A),        Key(0x1E),  Key(0x14),  Key(0x04),  Key(0x1D),    Modifier(0x08),   None(),    None(),  // 16
    Key(0x3B),        Key(0x1F),  Key(0x1A),  Key(0x16),  Key(0x1B),    Modifier(0x04),   None(),    None(),  // 24
    Key(0x3C),        Key(0x20),  Key(0x08),  Key(0x07),  Key(0x06),    Key(0x2C),        Key(0x46), None(),  // 32
    Key(0x3D),        Key(0x21),  Key(0x15),  Key(0x09),  Key(0x19),    Modifier(0x40),   Key(0x47), None(),  // 40
    Key(0x3E),        Key(0x22),  Key(0x17),  Key(0x0A),  Key(0x05),    StopMacroKey(),   Key(0x2E), None(),  // 48
    Key(0x3F),        Key(0x23),  Key(0x1C),  Key(0x0B),  Key(0x11),    Key(0x65),        Key(0x48), None(),  // 56
    Key(0x40),        Key(0x24),  Key(0x18),  Key(0x0D),  Key(0x10),    Modifier(0x10),   Key(0x49), None(),  // 64
    Key(0x41),        Key(0x25),  Key(0x0C),  Key(0x0E),  Key(0x36),    Key(0x50),        Key(0x4A), None(),  // 72
    Key(0x42),        Key(0x26),  Key(0x12),  Key(0x0F),  Key(0x37),    Key(0x51),        Key(0x4B), None(),  // 80
    Key(0x43),        Key(0x27),  Key(0x13),  Key(0x33),  Key(0x38),    Key(0x52),        Key(0x4C), None(),  // 88
    Key(0x44),        Key(0x2D),  Key(0x2F),  Key(0x34),  Modifier(0x20), Key(0x4F),      Key(0x4D), None(),  // 96
    Key(0x45),        Key(0x2E),  Key(0x30),  Key(0x31),  Key(0x28),    Key(0x2A),        Key(0x4E), None(),  // 104
    Consumer(0x00B6), Key(0x53),  Key(0x5F),  Key(0x5C),  Key(0x59),    Key(0x62),        Key(0x56), None(),  // 112
    Consumer(0x00CD), Key(0x54),  Key(0x60),  Key(0x5D),  Key(0x5A),    Key(0x63),                            // 120
}};
// clang-format on

}  // namespace quovex::sim
