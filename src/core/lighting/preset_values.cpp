#include "lighting/preset_values.h"

#include <array>
#include <charconv>
#include <optional>

namespace quovex {
namespace {

constexpr size_t kKeyColourFields = 4;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The whole (trimmed) field as a decimal number, or nothing.
std::optional<long> WholeNumber(std::string_view field) {
    field = Trimmed(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    long value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc{} || end != field.data() + field.size()) return std::nullopt;
    return value;
}

// Up to kKeyColourFields comma-separated fields; missing ones are empty.
std::array<std::string_view, kKeyColourFields> SplitFields(std::string_view text) {
    std::array<std::string_view, kKeyColourFields> fields{};
    for (size_t i = 0; i < fields.size(); ++i) {
        const size_t comma = text.find(',');
        fields[i] = text.substr(0, comma);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return fields;
}

uint8_t ColourByte(std::string_view field, uint8_t fallback) {
    const auto value = WholeNumber(field);
    return value && *value >= 0 && *value <= 255 ? static_cast<uint8_t>(*value) : fallback;
}

Rgb ColourOf(const std::array<std::string_view, kKeyColourFields>& fields, Rgb fallback) {
    return Rgb{ColourByte(fields[0], fallback.red), ColourByte(fields[1], fallback.green),
               ColourByte(fields[2], fallback.blue)};
}

}  // namespace

Rgb ParseColourValue(std::string_view text, Rgb fallback) {
    return ColourOf(SplitFields(text), fallback);
}

KeyColour ParseKeyColourValue(std::string_view text, KeyColour fallback) {
    const auto fields = SplitFields(text);
    const auto flag = WholeNumber(fields[3]);
    return KeyColour{ColourOf(fields, fallback.colour), flag ? *flag != 0 : fallback.followsBase};
}

std::string FormatColourValue(Rgb colour) {
    return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue);
}

std::string FormatKeyColourValue(const KeyColour& keyColour) {
    return FormatColourValue(keyColour.colour) + (keyColour.followsBase ? ",1" : ",0");
}

}  // namespace quovex
