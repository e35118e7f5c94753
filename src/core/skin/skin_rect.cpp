#include "skin/skin_rect.h"

#include <array>
#include <cctype>
#include <charconv>
#include <optional>

namespace quovex::skin {

namespace {

// One "%d" conversion: blanks, an optional sign, at least one digit. Advances
// `text` past what it took; no value when nothing converts or the number does
// not fit an int.
std::optional<int> ScanInt(std::string_view& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const size_t number_start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t digits_start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == digits_start) return std::nullopt;

    std::string_view number = text.substr(number_start, i - number_start);
    if (number.front() == '+') number.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size()) return std::nullopt;
    text.remove_prefix(i);
    return value;
}

}  // namespace

SkinRect ParseSkinRect(std::string_view value) {
    value = value.substr(0, kRectValueMaxCharacters);
    std::array<int, 4> numbers = {1, 1, 1, 1};
    for (size_t n = 0; n < numbers.size(); ++n) {
        if (n > 0) {
            if (value.empty() || value.front() != ',') break;
            value.remove_prefix(1);
        }
        const std::optional<int> number = ScanInt(value);
        if (!number) break;
        numbers[n] = *number;
    }
    return SkinRect{numbers[0], numbers[1], numbers[2], numbers[3]};
}

}  // namespace quovex::skin
