// Rebuilding the working profile from the keyboard, through the working file.
#pragma once

namespace quovex {

struct ProfileServices;

// Makes sure the profile folder exists; when the current profile is known and
// a snapshot of the keyboard could be written to the working file, replaces
// the working profile with that file's contents; otherwise (no keyboard, a
// failed read or write, a file that does not load) with a default image in
// memory, leaving the working file as it was. Then redraws the key view; with
// `keep_apply` false the Apply button is disabled at the end. Returns 1.
// Runs on the window thread; takes the profile lock for the replacement and
// the redraw, not for the keyboard reads.
int ResyncFromKeyboard(ProfileServices& services, bool keep_apply);

}  // namespace quovex
