// A control's rectangle in a skin file: "x,y,w,h" in pixels of the dialog's
// client area, x and y the top-left corner. A missing key reads as
// "1,1,1,1,x"; the pair x = 1, y = 1 marks a button as absent.
#pragma once

#include <cstddef>
#include <string_view>

namespace quovex::skin {

inline constexpr std::string_view kMissingRectValue = "1,1,1,1,x";
// Longest rectangle value taken; the rest of a longer value is ignored.
inline constexpr size_t kRectValueMaxCharacters = 259;

struct SkinRect {
    int x = 1;
    int y = 1;
    int w = 1;
    int h = 1;

    // Absent buttons are placed, then disabled.
    bool MarksAbsentButton() const { return x == 1 && y == 1; }
    bool operator==(const SkinRect&) const = default;
};

// Scans four decimal integers separated by commas (each may have leading
// blanks and a sign; the commas follow the numbers directly). Anything after
// the fourth number is ignored. Numbers that do not scan - a missing or
// malformed one, one out of the int range, and every number after it - keep
// the value 1 of the missing-key default, as an absent control has.
SkinRect ParseSkinRect(std::string_view value);

}  // namespace quovex::skin
