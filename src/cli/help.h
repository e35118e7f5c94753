// The help text, rendered from the grammar.
#pragma once

#include <string>

namespace quovex::cli {

std::string HelpText();

}  // namespace quovex::cli
