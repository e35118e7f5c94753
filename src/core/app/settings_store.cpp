#include "app/settings_store.h"

#include <sys/stat.h>

#include <cstdio>
#include <limits>
#include <system_error>

#include "app/decimal_text.h"

namespace quovex {

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

int SettingsStore::ReadFlip() const {
    return ReadLeadingDecimal(ReadValue(kFlipValue, "0"));
}

int SettingsStore::WriteFlip(int value) {
    return WriteZeroOrOne(kFlipValue, value);
}

int SettingsStore::ReadRecordDelay(std::string_view value_name) const {
    return ReadLeadingDecimal(ReadValue(value_name, "0"));
}

int SettingsStore::WriteRecordDelay(std::string_view value_name, int value) {
    return WriteZeroOrOne(value_name, value);
}

bool SettingsStore::WriteProfileListEntry(int row, std::string_view profile_file) {
    if (row < 0 || row == std::numeric_limits<int>::max()) return false;
    return WriteValue(ProfileListValueName(row + 1), profile_file);
}

bool SettingsStore::WriteProfileListCount(int count) {
    if (count < 0) return false;
    return WriteValue(ProfileListValueName(0), std::to_string(count));
}

std::string SettingsStore::ReadValue(std::string_view name, std::string_view default_value) const {
    return file_.GetString(kSettingsSection, name, default_value);
}

int SettingsStore::WriteZeroOrOne(std::string_view name, int value) {
    const int stored = value == 1 ? 1 : 0;
    WriteValue(name, stored == 1 ? "1" : "0");
    return stored;
}

bool SettingsStore::WriteValue(std::string_view name, std::string_view value) {
    const std::filesystem::path folder = file_.Path().parent_path();
    if (folder.empty()) return false;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        // Settings are the user's own: the folders made for them are user-only.
        std::filesystem::create_directories(folder.parent_path(), ec);
        if (::mkdir(folder.c_str(), 0700) != 0 && !std::filesystem::is_directory(folder, ec)) return false;
    }
    return file_.WriteString(kSettingsSection, name, value);
}

std::string ProfileListValueName(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return std::string(kProfileListValuePrefix) + digits;
}

}  // namespace quovex
