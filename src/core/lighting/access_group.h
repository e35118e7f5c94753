// One access group of the keyboard: CMD_BEGIN_ACCESS when made, CMD_END_ACCESS
// when it ends, whatever the commands in between returned. The lighting and key
// colour writes ignore their results: a failed write shows at the next load.
#pragma once

#include "device/command_set.h"

namespace quovex {

class AccessGroup {
public:
    explicit AccessGroup(CommandSet& commands) : commands_(commands) { commands_.BeginAccess(); }
    ~AccessGroup() { commands_.EndAccess(); }
    AccessGroup(const AccessGroup&) = delete;
    AccessGroup& operator=(const AccessGroup&) = delete;

private:
    CommandSet& commands_;
};

}  // namespace quovex
