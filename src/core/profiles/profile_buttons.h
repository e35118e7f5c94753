// The main window's three profile buttons (ids 1135, 1136, 1137 for on-board
// profiles 0, 1, 2) and the profile sync that follows every attach.
#pragma once

namespace quovex {

struct ProfileServices;

inline constexpr int kProfileButtonFirstId = 1135;

// Profile button `profile` (0..2), window thread: the lighting takes the
// profile first; then, unless it is already the current profile, the switch.
// A switch that is done checks this button (only) and sets the key view back
// to function-key mode; a refused one changes nothing more. Returns
// SwitchProfile's result, or 1 when the profile was already current; 0 for a
// profile outside 0..2.
int PressProfileButton(ProfileServices& services, int profile);

// The profile sync (UM_PROFILE_SYNC), window thread: the working profile is
// rebuilt from the keyboard (Apply disabled), the current profile's button is
// checked (an unknown profile leaves the buttons as they are), then the
// lighting panel reloads.
void HandleProfileSync(ProfileServices& services);

}  // namespace quovex
