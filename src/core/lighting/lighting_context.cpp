#include "lighting/lighting_context.h"

namespace quovex {

LightingContext::LightingContext(CommandSet& commands, LightingPanelView& view,
                                 const std::filesystem::path& profileFolder,
                                 const std::filesystem::path& skinFolder)
    : commands(commands),
      view(view),
      presets(profileFolder),
      mainSkin(skinFolder / "Main.ini"),
      languageFile(skinFolder / "language.ini") {}

int SelectedMode(const LightingContext& lighting) {
    return lighting.state.effectMap.ModeAtListIndex(lighting.effectSelection);
}

bool SetLightingProfileIndex(LightingContext& lighting, int profile) {
    if (profile < 0 || profile >= kLightingProfiles) return false;
    lighting.state.profileIndex = profile;
    return true;
}

}  // namespace quovex
