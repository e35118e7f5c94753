// The profile menu: "<Default Profile>" (command 9000), a separator, then one
// entry per on-board profile (commands 9001 + n), exactly one item checked:
// the default entry while the current profile is unknown, else the entry of
// the current profile. The profile-name button shows the checked item's text
// and a tooltip that names it.
#pragma once

#include <string>
#include <vector>

#include "app/text_table.h"

namespace quovex {

struct ProfileServices;

inline constexpr int kProfileMenuDefaultCommand = 9000;       // keeps the keyboard's profile
inline constexpr int kProfileMenuFirstProfileCommand = 9001;  // + on-board profile n
inline constexpr int kProfileMenuLastCommand = 9200;          // the range the main window routes here

struct ProfileMenuItem {
    int command = 0;  // 0 for the separator
    std::string text;
    bool separator = false;
    bool operator==(const ProfileMenuItem&) const = default;
};

struct ProfileMenu {
    std::vector<ProfileMenuItem> items;  // by position
    int checked_position = 0;
    std::string caption;  // of the profile-name button: the checked item's text
    std::string tooltip;  // PROFILE_TIP followed by the caption
};

// The menu for `current_profile` (0..2, or kProfileUnknown). Profile entries
// read the file-name part of their profile's path (no folder, no extension),
// "$Profile0" for each, as one working file serves all three.
ProfileMenu MakeProfileMenu(int current_profile, const TextTable& texts);

// Builds the menu for the current profile (asking the keyboard while it is
// unknown) and hands it to the main window, which replaces its menu and the
// profile-name button's caption and tooltip with it.
void BuildProfileMenu(ProfileServices& services);

// A profile menu command (9000..9200): SwitchProfile(command - 9001).
// Returns SwitchProfile's result; 0 for a command outside the range.
int ProfileMenuCommand(ProfileServices& services, int command);

}  // namespace quovex
