// The lighting's user files in the profile folder (documents folder +
// "Gaming Keyboard"):
//   UserDengColor_0.userd .. UserDengColor_2.userd  the colour presets of
//       on-board profile 0..2: ten named presets, each with its tool, base and
//       paint colours and a colour per light slot (preset_values.h);
//   UserDengColor_3.userd  a pristine copy of the factory presets, the source
//       when a profile's presets are restored;
//   lxkb.ini  section "KEYCOLOR": "DengCheck" (the lighting view, "0"/"1") and
//       "usermodeCheck" ("1" once the preset files were seeded).
// The factory presets come from UserDengColor_3.userd in the skin folder; that
// file is copied, never read.
//
// Reading never creates a file; whatever is missing or unreadable reads as its
// default. Every write goes through CIniFile (atomic, write-through).
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "app/ini_file.h"
#include "lighting/lighting_block.h"
#include "lighting/preset_values.h"
#include "lighting/rgb.h"

namespace quovex {

inline constexpr int kPresetsPerProfile = 10;
inline constexpr int kPristinePresetFileNumber = 3;
// Longest preset name kept; longer names are cut.
inline constexpr size_t kPresetNameMaxCharacters = 259;

// The painting tools of a preset: tool 0 paints with the paint colour, tool 1
// with the base colour (the key then follows later base-colour changes).
inline constexpr int kToolPaintColour = 0;
inline constexpr int kToolBaseColour = 1;
struct PresetTools {
    int tool = kToolPaintColour;
    Rgb baseColour = kDefaultToolColour;
    Rgb paintColour = kDefaultToolColour;
    friend constexpr bool operator==(const PresetTools&, const PresetTools&) = default;
};

// One key of a preset, for writing several at once.
struct SlotColour {
    int slot;
    KeyColour keyColour;
};

std::filesystem::path PresetFilePath(const std::filesystem::path& profileFolder, int number);
std::filesystem::path FactoryPresetFilePath(const std::filesystem::path& skinFolder);
std::filesystem::path LightingSettingsPath(const std::filesystem::path& profileFolder);

// Seeds the preset files once per user: unless lxkb.ini says they were seeded,
// copies the factory presets to preset files 0..3 and records "usermodeCheck" =
// "1". A missing factory file leaves empty preset files (every key then reads
// red). A profile's preset file that already holds presets is kept, so that a
// lost lxkb.ini never throws away the user's presets; the pristine copy is
// always refreshed. Creates the profile folder when it is missing. False (and
// the marker not written, so the next start tries again) when a file could not
// be written.
bool SeedColourPresets(const std::filesystem::path& profileFolder, const std::filesystem::path& skinFolder);

class PresetFiles {
public:
    explicit PresetFiles(std::filesystem::path profileFolder);
    PresetFiles(const PresetFiles&) = delete;
    PresetFiles& operator=(const PresetFiles&) = delete;

    const std::filesystem::path& ProfileFolder() const { return profileFolder_; }

    // Profiles are 0..2 and presets 0..9: reads outside them give the defaults,
    // writes outside them are refused (false). A stored number out of range
    // reads as the default.
    int ReadPresentMode(int profile) const;
    bool WritePresentMode(int profile, int preset);
    std::string ReadPresetName(int profile, int preset) const;
    bool WritePresetName(int profile, int preset, std::string_view name);
    PresetTools ReadPresetTools(int profile, int preset) const;
    bool WritePresetTools(int profile, int preset, const PresetTools& tools);
    KeyColour ReadKeyColour(int profile, int preset, int slot) const;
    bool WriteKeyColour(int profile, int preset, int slot, const KeyColour& keyColour);
    // Several keys in one rewrite of the file.
    bool WriteKeyColours(int profile, int preset, std::span<const SlotColour> keys);

    // Copies the pristine presets (UserDengColor_3.userd of the profile folder)
    // over the preset file of `profile`. When the pristine copy is missing or
    // unreadable the profile's file is left as it is (false).
    bool RestoreProfilePresets(int profile);

    // lxkb.ini "DengCheck".
    bool ReadLightingView() const;
    bool WriteLightingView(bool on);

private:
    // Null for a profile outside 0..2.
    CIniFile* PresetFile(int profile) const;
    static bool ValidPreset(int preset) { return preset >= 0 && preset < kPresetsPerProfile; }

    std::filesystem::path profileFolder_;
    std::array<std::unique_ptr<CIniFile>, kLightingProfiles> presetFiles_;
    CIniFile settings_;
};

}  // namespace quovex
