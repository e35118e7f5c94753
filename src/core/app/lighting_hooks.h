// The lighting work that the profile and presence operations start: seeding
// the colour presets when the profile folder is created, taking a profile's
// lighting when a profile button is pressed, and reloading the lighting panel
// after the keyboard was read again. The lighting code fills these in; an
// empty hook does nothing.
#pragma once

#include <functional>

namespace quovex {

struct LightingHooks {
    // SeedColourPresets: writes the user's preset files into the profile
    // folder. Window thread; called only when the folder has just been created.
    std::function<void()> seed_colour_presets;
    // TakeLightingProfile(n): the first step of profile button n: lighting's
    // profile index becomes n, the lighting is read again from the keyboard,
    // the preset list is refilled and the lighting view is turned off.
    // Window thread.
    std::function<void(int profile)> take_lighting_profile;
    // The last step of the profile sync after an attach: with `profile` 0..2
    // lighting's profile index becomes it (kProfileUnknown leaves it), then the
    // lighting panel reloads the lighting and presets and refreshes itself.
    // Window thread.
    std::function<void(int profile)> reload_after_profile_sync;

    void SeedColourPresets() const {
        if (seed_colour_presets) seed_colour_presets();
    }
    void TakeLightingProfile(int profile) const {
        if (take_lighting_profile) take_lighting_profile(profile);
    }
    void ReloadAfterProfileSync(int profile) const {
        if (reload_after_profile_sync) reload_after_profile_sync(profile);
    }
};

}  // namespace quovex
