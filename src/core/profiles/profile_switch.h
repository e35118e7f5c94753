// Switching the keyboard's active on-board profile (shown to the user as
// profile 1 to 3) and keeping the view in step. A switch does not read the
// key maps again: the working profile holds the blocks of all three profiles.
#pragma once

namespace quovex {

struct ProfileServices;

// Makes profile `profile` active; 3 or more counts as 0, a negative number
// leaves the keyboard's profile as it is (menu item 9000). Refused (0, after
// the PROFILE_SEELCT_PROMPT2 message) while the key assignment dialog is open.
// With unsaved changes (the main window's or the profile dialog's Apply
// enabled) asks PROFILE_SELECT_PROMPT first: Yes applies them, No disables
// Apply and reloads the working file, throwing them away. A switch that
// arrives while that question is on screen does not ask again. Then tells the
// keyboard, redraws the key view and rebuilds the profile menu. Returns 1.
// Window thread.
int SwitchProfile(ProfileServices& services, int profile);

// The common tail of every switch: redraws the key view from the block of the
// now current profile, with the profile lock held. Returns 1.
int ApplyProfileSwitch(ProfileServices& services, int profile);

}  // namespace quovex
