#include "keys/key_map.h"

#include "macros/macro_memory.h"
#include "model/assign_type.h"
#include "model/key_tables.h"

namespace quovex {

KeyCode KeyCodeFromRecord(KeyMapRecord record) {
    const uint16_t wide_usage = static_cast<uint16_t>(record.sub | (record.code << 8));
    switch (record.kind) {
        case kRecordKindKeyboard:
            return record.sub == kRecordSubUsage ? KeyCodeFromUsage(kUsagePageKeyboard, record.code)
                                                 : KeyCodeFromModifierBits(record.code);
        case kRecordKindConsumer:
            return KeyCodeFromUsage(kUsagePageConsumer, wide_usage);
        case kRecordKindSystem:
            return KeyCodeFromUsage(kUsagePageSystem, wide_usage);
        default:
            return kNoKey;
    }
}

KeyMapRecord EncodeKeyEntry(const KeyEntry& entry, KeyMapRecord default_record,
                            std::span<const MacroRecord> macros) {
    switch (entry.type) {
        case ASSIGN_DEFAULT:
        case ASSIGN_PROGRAM:
            return default_record;
        case ASSIGN_DISABLED:
        case ASSIGN_TEXT:
            return {kRecordKindNone, 0, 0};
        case ASSIGN_KEY: {
            const auto target = static_cast<KeyCode>(entry.value);
            if (entry.value <= 0xFFFF) {
                if (const uint8_t bit = ModifierBitFromKeyCode(target))
                    return {kRecordKindKeyboard, kRecordSubModifier, bit};
            }
            const HidUsage usage = entry.value <= 0xFFFF ? UsageFromKeyCode(target) : HidUsage{};
            const uint8_t code = usage.page == kUsagePageKeyboard ? static_cast<uint8_t>(usage.usage) : 0;
            return {kRecordKindKeyboard, kRecordSubUsage, code};
        }
        case ASSIGN_MACRO: {
            const int position = MacroPositionFromId(macros, static_cast<int>(entry.value));
            return {kRecordKindFunction, kRecordSubPlayMacro, static_cast<uint8_t>(position)};
        }
        case ASSIGN_STOP_MACRO:
            return {kRecordKindFunction, kRecordSubStopMacro, 0};
        case ASSIGN_MEDIA: {
            // A media index outside the table (a damaged file) keeps the key's default.
            if (entry.value >= kMediaKeys.size()) return default_record;
            const uint16_t usage = kMediaKeys[entry.value].consumer_usage;
            return {kRecordKindConsumer, static_cast<uint8_t>(usage & 0xFF),
                    static_cast<uint8_t>(usage >> 8)};
        }
        case ASSIGN_FUNCTION:
            return {kRecordKindFunction, kRecordSubShortcut, static_cast<uint8_t>(entry.value & 0xFF)};
        default:
            return default_record;
    }
}

KeyMap EncodeKeyMap(std::span<const KeyEntry, kEntriesPerProfileBlock> block,
                    std::span<const MacroRecord> macros, const KeyMap& default_map) {
    KeyMap key_map = default_map;
    for (int position = 0; position < kKeyMapPositions; ++position) {
        const KeyMapRecord default_record = RecordAt(default_map, position);
        const KeyCode key = KeyCodeFromRecord(default_record);
        if (key == kNoKey) continue;
        SetRecordAt(key_map, position, EncodeKeyEntry(block[SlotFromKeyCode(key)], default_record, macros));
    }
    return key_map;
}

namespace {

KeyEntry DecodeRecord(KeyMapRecord record) {
    KeyEntry entry{};
    entry.type = ASSIGN_DISABLED;
    if (record.kind == kRecordKindFunction) {
        if (record.sub == kRecordSubPlayMacro) {
            entry.type = ASSIGN_MACRO;
            entry.value = record.code + 1u;  // macro ids are positions + 1
        } else if (record.sub == kRecordSubStopMacro) {
            entry.type = ASSIGN_STOP_MACRO;
        } else if (record.sub == kRecordSubShortcut) {
            entry.type = ASSIGN_FUNCTION;
            entry.value = record.code;
        }
    } else if (record.kind == kRecordKindConsumer) {
        const uint16_t usage = static_cast<uint16_t>(record.sub | (record.code << 8));
        for (size_t index = 0; index < kMediaKeys.size(); ++index) {
            if (kMediaKeys[index].consumer_usage == usage) {
                entry.type = ASSIGN_MEDIA;
                entry.value = static_cast<uint32_t>(index);
                break;
            }
        }
    } else if (record.kind == kRecordKindKeyboard && record.sub == kRecordSubUsage) {
        if (const KeyCode key = KeyCodeFromUsage(kUsagePageKeyboard, record.code)) {
            entry.type = ASSIGN_KEY;
            entry.value = key;
        }
    } else if (record.kind == kRecordKindKeyboard && record.sub == kRecordSubModifier) {
        entry.type = ASSIGN_KEY;
        entry.value = KeyCodeFromModifierBits(record.code);
    }
    return entry;
}

}  // namespace

ProfileBlock DecodeKeyMap(const KeyMap& key_map, const KeyMap& default_map) {
    ProfileBlock block = DefaultProfileBlock();
    for (int position = 0; position < kKeyMapPositions; ++position) {
        const KeyMapRecord default_record = RecordAt(default_map, position);
        const KeyMapRecord record = RecordAt(key_map, position);
        if (record == default_record) continue;
        const KeyCode key = KeyCodeFromRecord(default_record);
        if (key == kNoKey) continue;
        // A later position naming the same key overwrites what an earlier one wrote.
        block[SlotFromKeyCode(key)] = DecodeRecord(record);
    }
    return block;
}

}  // namespace quovex
