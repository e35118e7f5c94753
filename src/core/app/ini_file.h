// CIniFile: the one reader and writer of INI files in the program (language
// file, skin files, colour preset files, lxkb.ini, the settings store).
//
// Every read sees the file as it is on disk at that moment (the file is read
// again when its size or modification time changed), and every write goes
// through to the file at once, atomically, keeping its other lines, comments
// and encoding. One CIniFile may be used from several threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "app/ini_document.h"

namespace quovex {

// Longest value a reader takes: 2047 characters (skin values); texts of the
// language file are cut shorter by their reader (kTextMaxCharacters).
inline constexpr size_t kIniValueMaxCharacters = 2047;

class CIniFile {
public:
    explicit CIniFile(std::filesystem::path path);
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // The key's value cut to `max_characters`; a key present with an empty
    // value gives an empty text. When the file, the section or the key is
    // missing, `default_value` (cut the same way) is returned.
    std::string GetString(std::string_view section, std::string_view key, std::string_view default_value,
                          size_t max_characters = kIniValueMaxCharacters) const;

    // The value read as a decimal number (ReadLeadingDecimal); `default_value` when missing.
    int GetInt(std::string_view section, std::string_view key, int default_value) const;

    // Sets the key and rewrites the file atomically. False when the name or
    // value cannot be stored (see IniDocument::Set) or the file cannot be
    // written; the file is then left as it was.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Sets several keys of one section and rewrites the file once: every key
    // is stored, or none is and the file is left as it was.
    struct KeyValue {
        std::string_view key;
        std::string_view value;
    };
    bool WriteStrings(std::string_view section, std::span<const KeyValue> values);

private:
    // What tells that the file changed: an atomic rewrite gives a new inode, an
    // edit in place a new size or change time.
    struct FileStamp {
        bool exists = false;
        uint64_t inode = 0;
        int64_t size = 0;
        int64_t changed_seconds = 0;
        int64_t changed_nanoseconds = 0;
        int64_t modified_seconds = 0;
        int64_t modified_nanoseconds = 0;
        bool operator==(const FileStamp&) const = default;
    };
    FileStamp CurrentStamp() const;
    bool ReloadLocked() const;  // false when the file exists but cannot be read
    void RefreshLocked() const;

    std::filesystem::path path_;
    mutable std::mutex mutex_;
    mutable IniDocument document_;
    mutable FileStamp stamp_;
    mutable bool loaded_ = false;
};

}  // namespace quovex
