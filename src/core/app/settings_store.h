// The settings store: the per-user values of section "PROFILES" (the flip
// view, the record delay, the profile dialog's list), kept as strings in
// config folder/Quovex_Orvane/Quovex.ini. Every write goes to the file at once,
// atomically; the folder is created (user-only) on the first write.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/ini_file.h"

namespace quovex {

inline constexpr std::string_view kSettingsSection = "PROFILES";
inline constexpr std::string_view kFlipValue = "Flip";
inline constexpr std::string_view kProfileListValuePrefix = "PROFILE";

class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path file);

    const std::filesystem::path& Path() const { return file_.Path(); }

    // "Flip": which of the two views of the key area is shown; "0" when absent.
    int ReadFlip() const;
    // Stores "1" for 1 and "0" for any other number; returns the number stored.
    int WriteFlip(int value);

    // The record-delay check box of the key assignment dialog, kept under the
    // name the language file gives it (text MACRO_ACTION_RECORD_DELAY). Read as
    // 0 when absent; the writer stores "0" for any number other than 0 or 1 and
    // returns the number stored.
    int ReadRecordDelay(std::string_view value_name) const;
    int WriteRecordDelay(std::string_view value_name, int value);

    // The profile dialog's list: row r (from 0) under "PROFILE" + r + 1 in at
    // least two digits ("PROFILE01"), the count under "PROFILE00". Rows beyond
    // a smaller count are left in place. False when the value could not be
    // written (a negative row or count, an unwritable file).
    bool WriteProfileListEntry(int row, std::string_view profile_file);
    bool WriteProfileListCount(int count);

    // Any value of the section as stored; `default_value` when absent.
    std::string ReadValue(std::string_view name, std::string_view default_value) const;

private:
    bool WriteValue(std::string_view name, std::string_view value);
    int WriteZeroOrOne(std::string_view name, int value);

    CIniFile file_;
};

// "PROFILE" followed by `number` in at least two decimal digits.
std::string ProfileListValueName(int number);

}  // namespace quovex
