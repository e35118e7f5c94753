// quovexctl from its arguments to its exit status: parse, prepare the
// environment for the virtual keyboard, run the command.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/command.h"

namespace quovex::cli {

// `arguments` excludes the program name. `open_keyboard` is how commands reach
// the keyboard (main binds libHidServ.so from the program folder; tests pass fakes).
int RunQuovexctl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const KeyboardOpener& open_keyboard);

}  // namespace quovex::cli
