// The one rule by which stored texts are read as numbers (the language choice,
// INI numbers, settings): leading blanks are skipped, an optional sign is taken,
// conversion stops at the first character that is not a digit, and text with
// no digits gives 0. Values beyond the int range are clamped to it.
#pragma once

#include <string_view>

namespace quovex {

int ReadLeadingDecimal(std::string_view text);

}  // namespace quovex
