#include "profiles/profile_buttons.h"

#include "profiles/profile_folder.h"
#include "profiles/profile_services.h"
#include "profiles/profile_switch.h"
#include "profiles/resync.h"

namespace quovex {

int PressProfileButton(ProfileServices& services, int profile) {
    if (!IsOnBoardProfile(profile)) return 0;
    services.lighting.TakeLightingProfile(profile);
    if (services.CurrentProfile() == profile) return 1;
    const int switched = SwitchProfile(services, profile);
    if (switched == 1) {
        services.view.SetProfileButtonChecked(profile);
        services.flags.key_view.store(0);
        services.view.SetKeyViewFunctionMode();
        services.RefreshKeyView();
    }
    return switched;
}

void HandleProfileSync(ProfileServices& services) {
    ResyncFromKeyboard(services, false);
    const int current = services.keyboard.CachedProfile();
    if (IsOnBoardProfile(current)) services.view.SetProfileButtonChecked(current);
    services.lighting.ReloadAfterProfileSync(current);
}

}  // namespace quovex
