#include "lighting/lighting_skin_texts.h"

#include "app/decimal_text.h"
#include "lighting/lighting_panel_controls.h"

namespace quovex {
namespace {

constexpr int kSecondLanguage = 1;
constexpr std::string_view kDefaultModeName = "1";

}  // namespace

int LanguageNumber(const CIniFile& languageFile) {
    return ReadLeadingDecimal(languageFile.GetString("LANGUAGE", "language", " "));
}

std::string ModeDisplayName(const CIniFile& mainSkin, int languageNumber, int modeId) {
    const std::string_view section = languageNumber == kSecondLanguage ? "Mode1" : "Mode";
    return mainSkin.GetString(section, std::to_string(modeId), kDefaultModeName);
}

std::optional<std::vector<PanelLabel>> ReadPanelLabels(const CIniFile& mainSkin, int languageNumber) {
    if (languageNumber != 0 && languageNumber != kSecondLanguage) return std::nullopt;
    const std::string_view section = languageNumber == kSecondLanguage ? "Control_Name1" : "Control_Name";
    std::vector<PanelLabel> labels;
    for (const PanelControl& control : LightingPanelControls()) {
        if (control.labelKey.empty()) continue;
        labels.push_back({control.id, mainSkin.GetString(section, control.labelKey, "")});
    }
    return labels;
}

}  // namespace quovex
