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

}  // namespace quovex
