// Reading and writing the colour values of the preset files: every field that
// cannot be read keeps its default, and the other fields are still taken.
#include <gtest/gtest.h>

#include "lighting/preset_values.h"

namespace quovex {
namespace {

TEST(PresetValuesTest, KeyColourFieldsThatCannotBeReadKeepTheirDefaults) {
    const struct {
        const char* text;
        KeyColour expected;
    } cases[] = {
        {"12,34,56,0", {{12, 34, 56}, false}},
        {"12,34,56,1", {{12, 34, 56}, true}},
        {"12,34,56,7", {{12, 34, 56}, true}},  // any non-zero flag follows the base colour
        {"12,34,56,-1", {{12, 34, 56}, true}},
        {" 12 , 34 ,56 , 0", {{12, 34, 56}, false}},  // blanks around numbers
        {"+12,34,56,0", {{12, 34, 56}, false}},
        {"0,0,0,0", {{0, 0, 0}, false}},
        {"255,255,255,0", {{255, 255, 255}, false}},
        {"", {{255, 0, 0}, true}},                // missing key: the default
        {"12,34", {{12, 34, 0}, true}},           // missing fields keep theirs
        {"300,34,56,0", {{255, 34, 56}, false}},  // out of range
        {"-5,34,56,0", {{255, 34, 56}, false}},
        {"abc,34,56,0", {{255, 34, 56}, false}},  // not a number
        {"12x,34,56,0", {{255, 34, 56}, false}},
        {"12,,56,0", {{12, 0, 56}, false}},  // empty field
        {"12,34,56,zero", {{12, 34, 56}, true}},
        {"12;34;56;0", {{255, 0, 0}, true}},       // wrong separator: nothing readable
        {"12,34,56,0,99", {{12, 34, 56}, false}},  // extra fields are not read
        {"99999999999999999999,1,2,3", {{255, 1, 2}, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseKeyColourValue(c.text, kDefaultKeyColour), c.expected) << '"' << c.text << '"';
    }
}

TEST(PresetValuesTest, ToolColoursReadThreeFieldsWithTheirOwnDefaults) {
    EXPECT_EQ(ParseColourValue("1,2,3", kRgbBlack), (Rgb{1, 2, 3}));
    EXPECT_EQ(ParseColourValue("", kRgbBlack), kRgbBlack);
    EXPECT_EQ(ParseColourValue("1,2,3,4", kRgbBlack), (Rgb{1, 2, 3}));
    EXPECT_EQ(ParseColourValue("1,x,3", kRgbWhite), (Rgb{1, 255, 3}));
}

TEST(PresetValuesTest, ValuesAreWrittenAsDecimalNumbersSeparatedByCommas) {
    EXPECT_EQ(FormatColourValue(Rgb{0, 128, 255}), "0,128,255");
    EXPECT_EQ(FormatKeyColourValue({{255, 0, 0}, true}), "255,0,0,1");
    EXPECT_EQ(FormatKeyColourValue({{9, 8, 7}, false}), "9,8,7,0");
    const KeyColour key{{1, 22, 233}, false};
    EXPECT_EQ(ParseKeyColourValue(FormatKeyColourValue(key), kDefaultKeyColour), key);
}

}  // namespace
}  // namespace quovex
