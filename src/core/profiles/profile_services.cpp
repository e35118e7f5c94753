#include "profiles/profile_services.h"

#include "model/current_profile.h"

namespace quovex {

int ProfileServices::CurrentProfile() {
    return GetCurrentProfile(commands, keyboard);
}

void ProfileServices::SetApplyEnabled(bool enabled) {
    flags.apply_enabled.store(enabled);
    view.SetApplyButtonEnabled(enabled);
}

void ProfileServices::RefreshKeyView() {
    auto lock = working.Lock();
    const int current = CurrentProfile();
    if (IsOnBoardProfile(current)) view.RefreshKeyButtons(current);
}

}  // namespace quovex
