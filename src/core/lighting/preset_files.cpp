#include "lighting/preset_files.h"

#include <system_error>
#include <vector>

#include "app/atomic_file.h"
#include "app/unicode.h"

namespace quovex {
namespace {

constexpr std::string_view kPresetFilePrefix = "UserDengColor_";
constexpr std::string_view kPresetFileExtension = ".userd";
constexpr std::string_view kSettingsFileName = "lxkb.ini";

constexpr std::string_view kPresentModeSection = "PRESENTMODE";
constexpr std::string_view kPresentModeKey = "mode";
constexpr std::string_view kNamesSection = "MODENAME";
constexpr std::string_view kDefaultName = "0";
constexpr std::string_view kToolKey = "tool";
constexpr std::string_view kBaseColourKey = "jcolor";
constexpr std::string_view kPaintColourKey = "color";

constexpr std::string_view kSettingsSection = "KEYCOLOR";
constexpr std::string_view kLightingViewKey = "DengCheck";
constexpr std::string_view kSeededKey = "usermodeCheck";

// Preset files are a few dozen kilobytes; anything far larger is not one.
constexpr uint64_t kMaxPresetFileBytes = 16 * 1024 * 1024;

std::string PresetSection(int preset) {
    return "Mode" + std::to_string(preset);
}

bool ReadsAsOne(const CIniFile& file, std::string_view key) {
    return file.GetInt(kSettingsSection, key, 0) == 1;
}

bool HoldsSomething(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) > 0;
}

}  // namespace

std::filesystem::path PresetFilePath(const std::filesystem::path& profileFolder, int number) {
    return profileFolder /
           (std::string(kPresetFilePrefix) + std::to_string(number) + std::string(kPresetFileExtension));
}

std::filesystem::path FactoryPresetFilePath(const std::filesystem::path& skinFolder) {
    return PresetFilePath(skinFolder, kPristinePresetFileNumber);
}

std::filesystem::path LightingSettingsPath(const std::filesystem::path& profileFolder) {
    return profileFolder / kSettingsFileName;
}

bool SeedColourPresets(const std::filesystem::path& profileFolder, const std::filesystem::path& skinFolder) {
    CIniFile settings(LightingSettingsPath(profileFolder));
    if (ReadsAsOne(settings, kSeededKey)) return true;

    std::error_code error;
    std::filesystem::create_directories(profileFolder, error);
    if (error) return false;

    const std::vector<uint8_t> factory = ReadWholeFile(FactoryPresetFilePath(skinFolder), kMaxPresetFileBytes)
                                             .value_or(std::vector<uint8_t>{});
    bool written = true;
    for (int number = 0; number <= kPristinePresetFileNumber; ++number) {
        const auto path = PresetFilePath(profileFolder, number);
        if (number != kPristinePresetFileNumber && HoldsSomething(path)) continue;
        written = WriteFileAtomically(path, factory) && written;
    }
    return written && settings.WriteString(kSettingsSection, kSeededKey, "1");
}

PresetFiles::PresetFiles(std::filesystem::path profileFolder)
    : profileFolder_(std::move(profileFolder)), settings_(LightingSettingsPath(profileFolder_)) {
    for (int profile = 0; profile < kLightingProfiles; ++profile) {
        presetFiles_[profile] = std::make_unique<CIniFile>(PresetFilePath(profileFolder_, profile));
    }
}

CIniFile* PresetFiles::PresetFile(int profile) const {
    return profile >= 0 && profile < kLightingProfiles ? presetFiles_[profile].get() : nullptr;
}

int PresetFiles::ReadPresentMode(int profile) const {
    const CIniFile* file = PresetFile(profile);
    const int preset = file != nullptr ? file->GetInt(kPresentModeSection, kPresentModeKey, 0) : 0;
    return ValidPreset(preset) ? preset : 0;
}

bool PresetFiles::WritePresentMode(int profile, int preset) {
    CIniFile* file = PresetFile(profile);
    return file != nullptr && ValidPreset(preset) &&
           file->WriteString(kPresentModeSection, kPresentModeKey, std::to_string(preset));
}

std::string PresetFiles::ReadPresetName(int profile, int preset) const {
    const CIniFile* file = PresetFile(profile);
    if (file == nullptr || !ValidPreset(preset)) return std::string(kDefaultName);
    return file->GetString(kNamesSection, std::to_string(preset), kDefaultName, kPresetNameMaxCharacters);
}

bool PresetFiles::WritePresetName(int profile, int preset, std::string_view name) {
    CIniFile* file = PresetFile(profile);
    return file != nullptr && ValidPreset(preset) &&
           file->WriteString(kNamesSection, std::to_string(preset), CutUtf8(name, kPresetNameMaxCharacters));
}

PresetTools PresetFiles::ReadPresetTools(int profile, int preset) const {
    PresetTools tools;
    const CIniFile* file = PresetFile(profile);
    if (file == nullptr || !ValidPreset(preset)) return tools;
    const std::string section = PresetSection(preset);
    const int tool = file->GetInt(section, kToolKey, kToolPaintColour);
    tools.tool = tool == kToolBaseColour ? kToolBaseColour : kToolPaintColour;
    tools.baseColour = ParseColourValue(file->GetString(section, kBaseColourKey, ""), kDefaultToolColour);
    tools.paintColour = ParseColourValue(file->GetString(section, kPaintColourKey, ""), kDefaultToolColour);
    return tools;
}

bool PresetFiles::WritePresetTools(int profile, int preset, const PresetTools& tools) {
    CIniFile* file = PresetFile(profile);
    if (file == nullptr || !ValidPreset(preset)) return false;
    const std::string tool = std::to_string(tools.tool);
    const std::string base = FormatColourValue(tools.baseColour);
    const std::string paint = FormatColourValue(tools.paintColour);
    const CIniFile::KeyValue values[] = {{kToolKey, tool}, {kBaseColourKey, base}, {kPaintColourKey, paint}};
    return file->WriteStrings(PresetSection(preset), values);
}

KeyColour PresetFiles::ReadKeyColour(int profile, int preset, int slot) const {
    const CIniFile* file = PresetFile(profile);
    if (file == nullptr || !ValidPreset(preset)) return kDefaultKeyColour;
    return ParseKeyColourValue(file->GetString(PresetSection(preset), std::to_string(slot), ""),
                               kDefaultKeyColour);
}

bool PresetFiles::WriteKeyColour(int profile, int preset, int slot, const KeyColour& keyColour) {
    const SlotColour key{slot, keyColour};
    return WriteKeyColours(profile, preset, {&key, 1});
}

bool PresetFiles::WriteKeyColours(int profile, int preset, std::span<const SlotColour> keys) {
    CIniFile* file = PresetFile(profile);
    if (file == nullptr || !ValidPreset(preset)) return false;
    if (keys.empty()) return true;
    std::vector<std::string> texts;  // keys and values, kept alive for the write
    texts.reserve(keys.size() * 2);
    for (const SlotColour& key : keys) {
        texts.push_back(std::to_string(key.slot));
        texts.push_back(FormatKeyColourValue(key.keyColour));
    }
    std::vector<CIniFile::KeyValue> values;
    values.reserve(keys.size());
    for (size_t i = 0; i < texts.size(); i += 2) values.push_back({texts[i], texts[i + 1]});
    return file->WriteStrings(PresetSection(preset), values);
}

bool PresetFiles::RestoreProfilePresets(int profile) {
    if (PresetFile(profile) == nullptr) return false;
    const auto pristine =
        ReadWholeFile(PresetFilePath(profileFolder_, kPristinePresetFileNumber), kMaxPresetFileBytes);
    return pristine.has_value() && WriteFileAtomically(PresetFilePath(profileFolder_, profile), *pristine);
}

bool PresetFiles::ReadLightingView() const {
    return ReadsAsOne(settings_, kLightingViewKey);
}

bool PresetFiles::WriteLightingView(bool on) {
    return settings_.WriteString(kSettingsSection, kLightingViewKey, on ? "1" : "0");
}

}  // namespace quovex
