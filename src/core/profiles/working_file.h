// Saving the working profile to the working file, and the main window's
// Apply, which saves it and writes it to the keyboard.
#pragma once

namespace quovex {

struct ProfileServices;

// Saves the working profile to the working file, but only when that file
// exists already: 1 when written; 0 when there is no such file (nothing is
// created) or the save failed (the old file is left as it was). Takes the
// profile lock (it is re-entrant, so callers may hold it).
int SaveWorkingProfileIfPresent(ProfileServices& services);

// The main window's Apply (id 1006), on the window thread: shows the progress
// picture; when the Apply button is enabled, with the profile lock held saves
// the working profile to the working file if it exists and writes the write
// copy of the current profile's key map and the macros to the keyboard; only
// when both succeed is the Apply button disabled. Returns 1 when nothing
// unsaved remains, 0 when the save or the write failed (Apply stays enabled).
int ApplyWorkingProfile(ProfileServices& services);

}  // namespace quovex
