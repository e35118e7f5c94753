// Conversions between the two text encodings the program meets: UTF-8 (every
// text inside the program) and UTF-16 (profile files, macro names, UTF-16 INI
// files). Bytes that are not valid in the source encoding become U+FFFD, so a
// damaged file never yields an invalid string.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quovex {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at `pos` and advances `pos` past it; an invalid or
// truncated sequence (overlong forms and surrogates included) yields U+FFFD
// and advances by one byte.
char32_t DecodeUtf8At(std::string_view text, size_t& pos);
void AppendUtf8(std::string& out, char32_t code_point);

std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Valid UTF-8 comes back unchanged; invalid bytes become U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// Number of code points (characters) in UTF-8 text.
size_t Utf8CharacterCount(std::string_view text);
// The first `max_characters` characters of UTF-8 text, never splitting one.
std::string CutUtf8(std::string_view text, size_t max_characters);

}  // namespace quovex
