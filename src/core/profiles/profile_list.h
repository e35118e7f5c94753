// The profile dialog's list as logic: its first rows (one per on-board
// profile) and its Apply, which records the list in the settings store,
// switches the keyboard to the checked row's profile and reads the keyboard
// again.
#pragma once

#include <string>
#include <vector>

namespace quovex {

struct ProfileServices;

struct ProfileListRow {
    std::string name;    // the file name without folder and extension
    std::string folder;  // the file's folder, with a trailing separator
    bool checked = false;
    bool operator==(const ProfileListRow&) const = default;
};

// One row per on-board profile, from its profile path (all three read the
// working file); the current profile's row is checked when it is known.
std::vector<ProfileListRow> InitialProfileList(ProfileServices& services);

// Apply (id 1012, also the first half of OK), window thread: every row is
// written as folder + name + ".qvx" under PROFILE01, PROFILE02, ... and the
// count under PROFILE00; the first checked row becomes the keyboard's current
// profile (none checked sends nothing); the keyboard is read again, the
// profile menu rebuilt and the main window's Apply disabled. The keyboard has
// on-board profiles 0..2 only: a checked row beyond the third is treated as no
// checked row, nothing is sent, and the log says so.
void ApplyProfileList(ProfileServices& services, const std::vector<ProfileListRow>& rows);

}  // namespace quovex
