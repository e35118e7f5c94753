// One skin INI file as a dialog reads it: the background and mask pictures of
// [SCREEN], control rectangles, and (Main.ini) the link address, the lighting
// panel's labels and the lighting modes' names. A missing file reads as a file
// in which every key is missing; sections and keys are found regardless of case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/ini_file.h"
#include "skin/skin_rect.h"

namespace quovex::skin {

// The link button's address when Main.ini names none.
inline constexpr std::string_view kDefaultLinkAddress = "https://www.example.com/quovex";
// Default name of a lighting mode missing from the names section.
inline constexpr std::string_view kMissingModeName = "1";

// The section of labels ([Control_Name] for language 0, [Control_Name1] for
// language 1) and of mode names ([Mode], [Mode1]); none for any other language.
std::optional<std::string_view> LabelSection(int language);
std::optional<std::string_view> ModeNameSection(int language);

class SkinLayoutFile {
public:
    explicit SkinLayoutFile(std::filesystem::path ini_path);

    const std::filesystem::path& Path() const { return ini_.Path(); }

    // [SCREEN] "Main": the background picture's file name, relative to the
    // INI's folder; empty when missing.
    std::string Background() const;
    // [SCREEN] "Mask": the mask picture's file name; "Main" when missing.
    std::string Mask() const;
    // [SCREEN] "Link": the link button's web address.
    std::string Link() const;

    // A control's rectangle; a missing key reads as "1,1,1,1,x".
    SkinRect Rect(std::string_view section, std::string_view key) const;
    SkinRect ButtonRect(std::string_view key) const;

    // A lighting panel label for `language` (empty when the key is missing),
    // or none when the language has no label section.
    std::optional<std::string> PanelLabel(std::string_view key, int language) const;
    // A lighting mode's display name ("1" when missing), or none when the
    // language has no names section.
    std::optional<std::string> ModeName(int mode, int language) const;

private:
    CIniFile ini_;
};

}  // namespace quovex::skin
