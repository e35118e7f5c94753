// The keyboard's current on-board profile: byte 10 of its 44-byte state block.
#pragma once

#include "device/command_set.h"
#include "model/keyboard_context.h"

namespace quovex {

// The cached profile when known; otherwise reads the state block and caches
// its byte 10. kProfileUnknown when the read fails or the keyboard reports a
// profile outside 0..2 (the cache then stays unknown, so the next call asks again).
int GetCurrentProfile(CommandSet& commands, KeyboardContext& context);

// Switches the keyboard to profile 0..2: reads the state block, sets byte 10,
// writes it back with every other byte as read. On success the cache becomes
// `profile`, on a failed write kProfileUnknown. A profile outside 0..2 or a
// failed read changes nothing. Returns the command result (kResultBadProfile
// for a profile out of range, nothing sent).
int SetCurrentProfile(CommandSet& commands, KeyboardContext& context, int profile);

}  // namespace quovex
