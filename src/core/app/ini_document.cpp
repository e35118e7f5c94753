#include "app/ini_document.h"

#include <algorithm>

#include "app/unicode.h"

namespace quovex {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos;
}

bool IsQuoted(std::string_view text) {
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

std::string EncodeValue(std::string_view value) {
    const bool needs_quotes =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuoted(value));
    return needs_quotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

IniDocument IniDocument::Parse(std::span<const uint8_t> bytes) {
    IniDocument document;
    std::string text;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        document.encoding_ = IniEncoding::kUtf16LeWithBom;
        std::u16string units;
        units.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
        }
        if (bytes.size() % 2 != 0) units.push_back(static_cast<char16_t>(kReplacementCharacter));
        text = Utf16ToUtf8(units);
    } else if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        document.encoding_ = IniEncoding::kUtf8WithBom;
        text.assign(reinterpret_cast<const char*>(bytes.data()) + 3, bytes.size() - 3);
    } else {
        text.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    size_t start = 0;
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        if (newline == text.npos) {
            document.lines_.push_back({text.substr(start), ""});
            break;
        }
        const bool crlf = newline > start && text[newline - 1] == '\r';
        const size_t end = crlf ? newline - 1 : newline;
        document.lines_.push_back({text.substr(start, end - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return document;
}

IniDocument::ParsedLine IniDocument::Classify(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    ParsedLine parsed;
    if (trimmed.empty() || trimmed.front() == ';') return parsed;
    if (trimmed.front() == '[') {
        const size_t close = trimmed.find(']');
        parsed.kind = LineKind::kSection;
        parsed.name = Trim(trimmed.substr(1, close == trimmed.npos ? trimmed.npos : close - 1));
        return parsed;
    }
    const size_t equals = trimmed.find('=');
    if (equals == trimmed.npos) return parsed;
    parsed.kind = LineKind::kKey;
    parsed.name = Trim(trimmed.substr(0, equals));
    parsed.value = Trim(trimmed.substr(equals + 1));
    if (IsQuoted(parsed.value)) parsed.value = parsed.value.substr(1, parsed.value.size() - 2);
    return parsed;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    bool in_section = false;
    for (const Line& line : lines_) {
        const ParsedLine parsed = Classify(line.text);
        if (parsed.kind == LineKind::kSection) {
            in_section = EqualsIgnoringAsciiCase(parsed.name, section);
        } else if (in_section && parsed.kind == LineKind::kKey && EqualsIgnoringAsciiCase(parsed.name, key)) {
            return SanitizeUtf8(parsed.value);
        }
    }
    return std::nullopt;
}

std::string IniDocument::NewLineEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\n";
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty() || section != Trim(section) || key != Trim(key) ||
        section.find(']') != section.npos || key.find('=') != key.npos || key.front() == '[' ||
        key.front() == ';' || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        HasLineBreakOrNul(value) || SanitizeUtf8(section) != section || SanitizeUtf8(key) != key) {
        return false;
    }
    const std::string key_line = std::string(key) + "=" + EncodeValue(value);
    const std::string ending = NewLineEnding();

    bool in_section = false;
    std::optional<size_t> insert_after;  // last non-blank line of the first matching section
    for (size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine parsed = Classify(lines_[i].text);
        if (parsed.kind == LineKind::kSection) {
            if (in_section) break;  // the first matching section ended without the key
            in_section = EqualsIgnoringAsciiCase(parsed.name, section);
            if (in_section) insert_after = i;
            continue;
        }
        if (!in_section) continue;
        if (parsed.kind == LineKind::kKey && EqualsIgnoringAsciiCase(parsed.name, key)) {
            lines_[i].text = key_line;
            return true;
        }
        if (!Trim(lines_[i].text).empty()) insert_after = i;
    }
    // A later section of the same name may still hold the key: the reader would find it there.
    bool later_in_section = false;
    for (Line& line : lines_) {
        const ParsedLine parsed = Classify(line.text);
        if (parsed.kind == LineKind::kSection) {
            later_in_section = EqualsIgnoringAsciiCase(parsed.name, section);
        } else if (later_in_section && parsed.kind == LineKind::kKey &&
                   EqualsIgnoringAsciiCase(parsed.name, key)) {
            line.text = key_line;
            return true;
        }
    }

    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending;
    if (insert_after) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insert_after) + 1,
                      Line{key_line, ending});
        return true;
    }
    lines_.push_back({"[" + std::string(section) + "]", ending});
    lines_.push_back({key_line, ending});
    return true;
}

std::vector<uint8_t> IniDocument::Serialize() const {
    std::string text;
    for (const Line& line : lines_) text += line.text + line.ending;
    if (encoding_ == IniEncoding::kUtf16LeWithBom) {
        std::vector<uint8_t> bytes = {0xFF, 0xFE};
        for (char16_t unit : Utf8ToUtf16(text)) {
            bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        }
        return bytes;
    }
    const size_t bom_size = encoding_ == IniEncoding::kUtf8WithBom ? 3 : 0;
    std::vector<uint8_t> bytes(bom_size + text.size());
    if (bom_size) bytes[0] = 0xEF, bytes[1] = 0xBB, bytes[2] = 0xBF;
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(bom_size));
    return bytes;
}

}  // namespace quovex
