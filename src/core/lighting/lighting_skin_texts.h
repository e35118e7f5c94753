// Texts of the lighting panel that live in the main skin file ("Main.ini"):
// the display names of the lighting modes and the labels of the panel, each in
// a section chosen by the language file's "language" number.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ini_file.h"

namespace quovex {

// The "language" number of section "LANGUAGE" of the language file, read as
// the text table reads it (a missing value gives 0).
int LanguageNumber(const CIniFile& languageFile);

// A mode's display name: key = the mode id in decimal, default "1", from
// section "Mode1" for language 1 and "Mode" for every other language (as the
// text table falls back to its first language).
std::string ModeDisplayName(const CIniFile& mainSkin, int languageNumber, int modeId);

// The label of each labelled panel control, from "Control_Name" (language 0)
// or "Control_Name1" (language 1), empty when missing. Any other language
// gives nothing: the labels stay as they are.
struct PanelLabel {
    int controlId;
    std::string text;
    friend bool operator==(const PanelLabel&, const PanelLabel&) = default;
};
std::optional<std::vector<PanelLabel>> ReadPanelLabels(const CIniFile& mainSkin, int languageNumber);

}  // namespace quovex
