// quovexctl info: whether the keyboard is present, and if so its current
// on-board profile, macro memory size and lighting mode list.
#pragma once

#include <memory>

#include "cli/command.h"

namespace quovex::cli {

class InfoCommand : public Command {
public:
    int Run(CommandContext& context) override;
};

std::unique_ptr<Command> MakeInfoCommand();

}  // namespace quovex::cli
