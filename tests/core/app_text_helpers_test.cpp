// Text helpers of the app layer: safe filling of language-file texts, the
// decimal reading rule and the UTF-8/UTF-16 conversions.
#include <gtest/gtest.h>

#include "app/decimal_text.h"
#include "app/text_format.h"
#include "app/unicode.h"

namespace quovex {
namespace {

TEST(FormatText, FillsTheOneConversionAndLeavesEveryOtherPercentAlone) {
    struct Case {
        std::string_view text;
        TextArgument argument;
        std::string expected;
    };
    const Case cases[] = {
        {"Unknown Key: %03x", int64_t{0x59}, "Unknown Key: 059"},
        {"Unknown Key: %03x", int64_t{0x145}, "Unknown Key: 145"},
        {"Unknown Key: %03x", int64_t{0}, "Unknown Key: 000"},
        {"The maximum number of macro: %d   ", int64_t{100}, "The maximum number of macro: 100   "},
        {"wrong file format: \n  %s", std::string("/home/u/a.qvx"), "wrong file format: \n  /home/u/a.qvx"},
        // A translated text with more conversions than arguments, or printf traps, stays harmless.
        {"%d %d %s %n", int64_t{7}, "7 %d %s %n"},
        {"100%% sure %s", std::string("x"), "100% sure x"},
        {"%s", int64_t{12}, "12"},
        {"%d", std::string("text"), "text"},
        {"no conversion", int64_t{5}, "no conversion"},
        {"trailing %", int64_t{5}, "trailing %"},
        {"%5d|%-4d", int64_t{42}, "   42|%-4d"},
        {"%999999999d", int64_t{1}, std::string(63, ' ') + "1"},
        {"%d", TextArgument{}, "%d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatText(c.text, c.argument), c.expected);
    }
}

TEST(ReadLeadingDecimal, SkipsBlanksAndStopsAtTheFirstNonDigit) {
    const std::pair<std::string_view, int> cases[] = {
        {"1", 1},
        {" 1", 1},
        {"\t 01", 1},
        {"1x", 1},
        {"", 0},
        {" ", 0},
        {"abc", 0},
        {"x1", 0},
        {"-3", -3},
        {"+2", 2},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ReadLeadingDecimal(text), expected);
    }
}

TEST(Unicode, RoundTripsAndReplacesInvalidInput) {
    const std::string text = "A\xC3\xA9\xE2\x86\x91\xF0\x9F\x98\x80";  // A, é, ↑, 😀
    EXPECT_EQ(Utf8ToUtf16(text), std::u16string(u"A\u00E9\u2191\U0001F600"));
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(Utf8CharacterCount(text), 4u);
    EXPECT_EQ(CutUtf8(text, 3), "A\xC3\xA9\xE2\x86\x91");

    // Overlong form, stray continuation byte, truncated sequence, encoded surrogate.
    EXPECT_EQ(SanitizeUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(SanitizeUtf8("a\x80"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(SanitizeUtf8("\xE2\x86"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(SanitizeUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace quovex
