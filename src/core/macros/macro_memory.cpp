#include "macros/macro_memory.h"

#include <algorithm>
#include <array>

#include "app/unicode.h"
#include "keys/key_map.h"
#include "model/key_tables.h"

namespace quovex {

namespace {

constexpr uint16_t kDelayUnitMs = 10;
constexpr uint16_t kDelayMask = 0x0FFF;
constexpr uint16_t kPressBit = 0x8000;
constexpr int kKindShift = 12;
constexpr uint8_t kKindKeyboard = 2, kKindConsumer = 3, kKindSystem = 4;
constexpr uint8_t kKeyboardModifier = 0x01, kKeyboardUsage = 0x02;

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

std::array<uint8_t, 4> EncodeAction(const MacroAction& action) {
    auto word =
        static_cast<uint16_t>((std::min(action.delay_ms, kMaxMacroDelayMs) / kDelayUnitMs) & kDelayMask);
    uint8_t byte2 = 0, byte3 = 0;
    const HidUsage usage = UsageFromKeyCode(action.key);
    if (usage.page == kUsagePageKeyboard) {
        word |= kKindKeyboard << kKindShift;
        const uint8_t modifier_bit = ModifierBitFromKeyCode(action.key);
        byte2 = modifier_bit ? kKeyboardModifier : kKeyboardUsage;
        byte3 = modifier_bit ? modifier_bit : static_cast<uint8_t>(usage.usage);
    } else if (usage.page == kUsagePageConsumer || usage.page == kUsagePageSystem) {
        word |= (usage.page == kUsagePageConsumer ? kKindConsumer : kKindSystem) << kKindShift;
        byte2 = static_cast<uint8_t>(usage.usage & 0xFF);
        byte3 = static_cast<uint8_t>(usage.usage >> 8);
    }
    if (action.state != kMacroRelease) word |= kPressBit;
    return {static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>(word >> 8), byte2, byte3};
}

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

}  // namespace

MacroMemorySizes MacroMemorySize(std::span<const MacroRecord> macros) {
    MacroMemorySizes sizes{kMacroMemoryHeaderSize + 2 * macros.size(), 0};
    size_t names = 0;
    for (const MacroRecord& macro : macros) {
        sizes.without_names += 4 + 4 * MacroActions(macro).size();
        names += 2 * MacroName(macro).size();
    }
    sizes.with_names = sizes.without_names + names;
    return sizes;
}

std::vector<uint8_t> EncodeMacroMemory(std::span<const MacroRecord> macros, bool with_names) {
    const MacroMemorySizes sizes = MacroMemorySize(macros);
    const size_t size = with_names ? sizes.with_names : sizes.without_names;
    if (size > kMacroMemoryMaxSize || macros.size() > kMaxMacros) return {};

    std::vector<uint8_t> block(size, 0);
    PutU16(block, 0, kMacroMemoryMagic);
    PutU16(block, 2, static_cast<uint16_t>(size));
    PutU16(block, 4, static_cast<uint16_t>(macros.size()));
    PutU16(block, 6, with_names ? 1 : 0);

    size_t offset = kMacroMemoryHeaderSize + 2 * macros.size();
    for (size_t i = 0; i < macros.size(); ++i) {
        const MacroRecord& macro = macros[i];
        const auto actions = MacroActions(macro);
        const std::u16string_view name = with_names ? MacroName(macro) : std::u16string_view{};
        PutU16(block, kMacroMemoryHeaderSize + 2 * i, static_cast<uint16_t>(offset));
        PutU16(block, offset, static_cast<uint16_t>(actions.size()));
        block[offset + 2] = macro.repeat_count;
        block[offset + 3] = static_cast<uint8_t>(name.size());
        offset += 4;
        for (const MacroAction& action : actions) {
            const auto bytes = EncodeAction(action);
            std::copy(bytes.begin(), bytes.end(), block.begin() + static_cast<std::ptrdiff_t>(offset));
            offset += 4;
        }
        for (char16_t unit : name) {
            PutU16(block, offset, unit);
            offset += 2;
        }
    }
    return block;
}

std::optional<std::vector<MacroRecord>> DecodeMacroMemory(std::span<const uint8_t> block,
                                                          std::string_view name_prefix, std::string* error) {
    std::vector<MacroRecord> macros;
    if (block.size() < 2 || ReadU16(block, 0) != kMacroMemoryMagic) return macros;
    if (block.size() < kMacroMemoryHeaderSize) {
        SetError(error, "the macro memory header is cut short");
        return std::nullopt;
    }
    const size_t count = ReadU16(block, 4);
    if (count > kMaxMacros) {
        SetError(error, "the macro memory says it holds " + std::to_string(count) + " macros");
        return std::nullopt;
    }
    if (kMacroMemoryHeaderSize + 2 * count > block.size()) {
        SetError(error, "the macro offsets run past the end of the macro memory");
        return std::nullopt;
    }
    macros.resize(count, MacroRecord{});
    for (size_t i = 0; i < count; ++i) {
        const size_t offset = ReadU16(block, kMacroMemoryHeaderSize + 2 * i);
        if (offset + 4 > block.size()) {
            SetError(error, "macro " + std::to_string(i + 1) + " starts past the end of the macro memory");
            return std::nullopt;
        }
        const size_t action_count = ReadU16(block, offset);
        const size_t name_length = block[offset + 3];
        if (action_count > kMaxMacroActions) {
            SetError(error, "macro " + std::to_string(i + 1) + " says it has " +
                                std::to_string(action_count) + " actions");
            return std::nullopt;
        }
        if (offset + 4 + 4 * action_count + 2 * name_length > block.size()) {
            SetError(error, "macro " + std::to_string(i + 1) + " runs past the end of the macro memory");
            return std::nullopt;
        }

        MacroRecord& macro = macros[i];
        macro.repeat_count = block[offset + 2];
        macro.id = static_cast<uint16_t>(i + 1);
        macro.action_count = static_cast<uint16_t>(action_count);
        for (size_t a = 0; a < action_count; ++a) {
            const size_t at = offset + 4 + 4 * a;
            const uint16_t word = ReadU16(block, at);
            const KeyMapRecord record{static_cast<uint8_t>((word >> kKindShift) & 0x7), block[at + 2],
                                      block[at + 3]};
            macro.actions[a] =
                MacroAction{static_cast<uint32_t>(word & kDelayMask) * kDelayUnitMs,
                            KeyCodeFromRecord(record), (word & kPressBit) ? kMacroPress : kMacroRelease};
        }
        std::u16string name;
        for (size_t c = 0; c < name_length; ++c)
            name.push_back(ReadU16(block, offset + 4 + 4 * action_count + 2 * c));
        SetMacroName(macro, name);
        // No name, or one that is empty up to its first NUL: the built name.
        if (MacroName(macro).empty())
            SetMacroName(macro, Utf8ToUtf16(std::string(name_prefix) + std::to_string(i + 1)));
    }
    return macros;
}

int NewMacroId(std::span<const MacroRecord> macros) {
    std::array<bool, kMaxMacros + 1> used{};
    for (const MacroRecord& macro : macros) {
        if (macro.id >= 1 && macro.id <= kMaxMacros) used[macro.id] = true;
    }
    for (int id = 1; id <= kMaxMacros; ++id) {
        if (!used[id]) return id;
    }
    return 0;
}

int MacroPositionFromId(std::span<const MacroRecord> macros, int id) {
    for (size_t i = 0; i < macros.size(); ++i) {
        if (macros[i].id == id) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace quovex
