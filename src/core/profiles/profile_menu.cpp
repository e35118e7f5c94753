#include "profiles/profile_menu.h"

#include "model/keyboard_context.h"
#include "profiles/profile_folder.h"
#include "profiles/profile_services.h"
#include "profiles/profile_switch.h"

namespace quovex {

namespace {

constexpr int kFirstProfilePosition = 2;  // after the default entry and the separator

}  // namespace

ProfileMenu MakeProfileMenu(int current_profile, const TextTable& texts) {
    ProfileMenu menu;
    menu.items.push_back({kProfileMenuDefaultCommand, texts.Text("DEFAULT_PROFILE_NAME"), false});
    menu.items.push_back({0, {}, true});
    for (int profile = 0; profile < GetProfileCount(); ++profile) {
        menu.items.push_back(
            {kProfileMenuFirstProfileCommand + profile, GetProfileFileName(profile).stem().string(), false});
    }
    menu.checked_position = IsOnBoardProfile(current_profile) ? current_profile + kFirstProfilePosition : 0;
    menu.caption = menu.items[static_cast<size_t>(menu.checked_position)].text;
    menu.tooltip = texts.Text("PROFILE_TIP") + menu.caption;
    return menu;
}

void BuildProfileMenu(ProfileServices& services) {
    services.view.ShowProfileMenu(MakeProfileMenu(services.CurrentProfile(), services.texts));
}

int ProfileMenuCommand(ProfileServices& services, int command) {
    if (command < kProfileMenuDefaultCommand || command > kProfileMenuLastCommand) return 0;
    return SwitchProfile(services, command - kProfileMenuFirstProfileCommand);
}

}  // namespace quovex
