#include "app/text_format.h"

#include <algorithm>
#include <cstdio>

namespace quovex {

namespace {

constexpr int kMaxWidth = 64;

struct Conversion {
    size_t length = 0;  // characters from '%' to the conversion letter, both included
    bool zero_pad = false;
    bool left_align = false;
    int width = 0;
    char letter = 0;
};

// Parses "%[flags][width][length]letter" at text[pos] (text[pos] == '%').
bool ParseConversion(std::string_view text, size_t pos, Conversion& conversion) {
    size_t i = pos + 1;
    for (; i < text.size() &&
           (text[i] == '0' || text[i] == '-' || text[i] == '+' || text[i] == ' ' || text[i] == '#');
         ++i) {
        if (text[i] == '0') conversion.zero_pad = true;
        if (text[i] == '-') conversion.left_align = true;
    }
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        conversion.width = std::min(conversion.width * 10 + (text[i] - '0'), 1000);
    }
    conversion.width = std::min(conversion.width, kMaxWidth);
    for (; i < text.size() && (text[i] == 'l' || text[i] == 'h' || text[i] == 'I'); ++i) {
    }
    if (i >= text.size()) return false;
    const char letter = text[i];
    if (std::string_view("diuxXoSsc").find(letter) == std::string_view::npos) return false;
    conversion.letter = letter;
    conversion.length = i - pos + 1;
    return true;
}

std::string FormatNumber(int64_t value, char letter) {
    char buffer[32];
    switch (letter) {
        case 'x':
            std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(value));
            break;
        case 'X':
            std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
            break;
        case 'o':
            std::snprintf(buffer, sizeof buffer, "%llo", static_cast<unsigned long long>(value));
            break;
        case 'u':
            std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(value));
            break;
        default:
            std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
            break;
    }
    return buffer;
}

std::string Pad(std::string body, const Conversion& conversion, bool numeric) {
    if (static_cast<int>(body.size()) >= conversion.width) return body;
    const size_t fill = static_cast<size_t>(conversion.width) - body.size();
    if (conversion.left_align) return body + std::string(fill, ' ');
    if (conversion.zero_pad && numeric) {
        const size_t sign = (!body.empty() && body[0] == '-') ? 1 : 0;
        return body.insert(sign, std::string(fill, '0'));
    }
    return std::string(fill, ' ') + body;
}

std::string Render(const Conversion& conversion, const TextArgument& argument) {
    if (const auto* number = std::get_if<int64_t>(&argument)) {
        if (conversion.letter == 's' || conversion.letter == 'S') {
            return Pad(FormatNumber(*number, 'd'), conversion, false);
        }
        return Pad(FormatNumber(*number, conversion.letter), conversion, true);
    }
    if (const auto* text = std::get_if<std::string>(&argument)) return Pad(*text, conversion, false);
    return {};
}

}  // namespace

std::string FormatText(std::string_view text, const TextArgument& argument) {
    std::string out;
    out.reserve(text.size() + 16);
    bool used = std::holds_alternative<std::monostate>(argument);
    for (size_t pos = 0; pos < text.size();) {
        if (text[pos] != '%') {
            out.push_back(text[pos++]);
            continue;
        }
        if (pos + 1 < text.size() && text[pos + 1] == '%') {
            out.push_back('%');
            pos += 2;
            continue;
        }
        Conversion conversion;
        if (!used && ParseConversion(text, pos, conversion)) {
            out += Render(conversion, argument);
            pos += conversion.length;
            used = true;
            continue;
        }
        out.push_back(text[pos++]);
    }
    return out;
}

}  // namespace quovex
