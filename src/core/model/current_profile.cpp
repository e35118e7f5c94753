#include "model/current_profile.h"

#include "device/state_block.h"

namespace quovex {

int GetCurrentProfile(CommandSet& commands, KeyboardContext& context) {
    const int cached = context.CachedProfile();
    if (cached != kProfileUnknown) return cached;
    StateBlock state{};
    if (commands.ReadState(state) != kResultDone) return kProfileUnknown;
    const int profile = CurrentProfileOf(state);
    if (profile < 0) return kProfileUnknown;
    context.SetCachedProfile(profile);
    return profile;
}

int SetCurrentProfile(CommandSet& commands, KeyboardContext& context, int profile) {
    if (profile < 0 || profile >= kOnBoardProfiles) return kResultBadProfile;
    StateBlock state{};
    const int read = commands.ReadState(state);
    if (read != kResultDone) return read;
    state[kStateCurrentProfileOffset] = static_cast<uint8_t>(profile);
    const int written = commands.WriteState(state);
    context.SetCachedProfile(written == kResultDone ? profile : kProfileUnknown);
    return written;
}

}  // namespace quovex
