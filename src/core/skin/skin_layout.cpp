#include "skin/skin_layout.h"

#include "skin/skin_keys.h"

namespace quovex::skin {

namespace {
// Labels and names are read into 260-character buffers.
constexpr size_t kTextMaxCharacters = 259;
}  // namespace

std::optional<std::string_view> LabelSection(int language) {
    if (language == 0) return kSectionLabelsLanguage0;
    if (language == 1) return kSectionLabelsLanguage1;
    return std::nullopt;
}

std::optional<std::string_view> ModeNameSection(int language) {
    if (language == 0) return kSectionModeNamesLanguage0;
    if (language == 1) return kSectionModeNamesLanguage1;
    return std::nullopt;
}

SkinLayoutFile::SkinLayoutFile(std::filesystem::path ini_path) : ini_(std::move(ini_path)) {}

std::string SkinLayoutFile::Background() const { return ini_.GetString(kSectionScreen, kKeyBackground, ""); }

std::string SkinLayoutFile::Mask() const { return ini_.GetString(kSectionScreen, kKeyMask, Background()); }

std::string SkinLayoutFile::Link() const { return ini_.GetString(kSectionScreen, kKeyLink, kDefaultLinkAddress); }

SkinRect SkinLayoutFile::Rect(std::string_view section, std::string_view key) const {
    return ParseSkinRect(ini_.GetString(section, key, kMissingRectValue, kRectValueMaxCharacters));
}

SkinRect SkinLayoutFile::ButtonRect(std::string_view key) const { return Rect(kSectionButtons, key); }

std::optional<std::string> SkinLayoutFile::PanelLabel(std::string_view key, int language) const {
    const std::optional<std::string_view> section = LabelSection(language);
    if (!section) return std::nullopt;
    return ini_.GetString(*section, key, "", kTextMaxCharacters);
}

std::optional<std::string> SkinLayoutFile::ModeName(int mode, int language) const {
    const std::optional<std::string_view> section = ModeNameSection(language);
    if (!section) return std::nullopt;
    return ini_.GetString(*section, std::to_string(mode), kMissingModeName, kTextMaxCharacters);
}

}  // namespace quovex::skin
