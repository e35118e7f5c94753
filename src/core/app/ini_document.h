// The text of one INI file, parsed, queried and edited in memory.
//
// Reading rules (those of the classic INI profile functions):
//   - a line "[name]" opens a section; sections and keys are compared without
//     regard to ASCII case;
//   - "key=value": key and value are trimmed of blanks, and one pair of
//     matching quotes around the value is removed;
//   - lines starting with ';' and lines without '=' carry no key;
//   - the first matching key wins when a key or a section appears twice.
// Files may be UTF-8 (with or without a byte-order mark) or UTF-16LE with a
// byte-order mark, with "\r\n" or "\n" line ends. Editing keeps every other
// line, its comments, order, line end and the file's encoding as they were.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quovex {

enum class IniEncoding { kUtf8, kUtf8WithBom, kUtf16LeWithBom };

class IniDocument {
public:
    IniDocument() = default;
    static IniDocument Parse(std::span<const uint8_t> bytes);

    // The value as stored (valid UTF-8), or nullopt when the section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Sets a key, adding the key or the section when missing. Refuses (false)
    // names and values that the file could not hold as one line: an empty
    // name, a section name with ']', a key with '=' or starting with '[' or ';',
    // line breaks or NUL anywhere, names with blanks at either end or that are
    // not valid UTF-8. A value
    // with blanks at either end, or one that is itself quoted, is written in
    // quotes so that it reads back unchanged.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::vector<uint8_t> Serialize() const;
    IniEncoding Encoding() const { return encoding_; }

private:
    struct Line {
        std::string text;    // without its line end; UTF-8 (raw bytes for a UTF-8 file)
        std::string ending;  // "\r\n", "\n" or "" for a last line without one
    };
    enum class LineKind { kOther, kSection, kKey };
    struct ParsedLine {
        LineKind kind = LineKind::kOther;
        std::string_view name;   // section name or key
        std::string_view value;  // key lines only
    };
    static ParsedLine Classify(std::string_view text);
    std::string NewLineEnding() const;

    std::vector<Line> lines_;
    IniEncoding encoding_ = IniEncoding::kUtf8;
};

// ASCII case-insensitive equality, the comparison used for section and key names.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace quovex
