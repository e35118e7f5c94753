// Fills a text from the language file with its one argument. The language file
// is user-editable, so its texts are never handed to printf as format strings:
// only the first conversion (%d, %x, %03x, %s and the like) is replaced with the
// argument, "%%" becomes "%", and every other '%' is kept as it stands. A width
// is honoured up to 64 characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quovex {

using TextArgument = std::variant<std::monostate, int64_t, std::string>;

std::string FormatText(std::string_view text, const TextArgument& argument);

}  // namespace quovex
