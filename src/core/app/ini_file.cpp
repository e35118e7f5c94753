#include "app/ini_file.h"

#include <sys/stat.h>

#include "app/atomic_file.h"
#include "app/decimal_text.h"
#include "app/unicode.h"

namespace quovex {

namespace {

// INI files of the program are a few kilobytes; anything far larger is not one.
constexpr uint64_t kMaxIniFileBytes = 16 * 1024 * 1024;

}  // namespace

CIniFile::CIniFile(std::filesystem::path path) : path_(std::move(path)) {}

CIniFile::FileStamp CIniFile::CurrentStamp() const {
    FileStamp stamp;
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return stamp;
    stamp.exists = true;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.changed_seconds = status.st_ctim.tv_sec;
    stamp.changed_nanoseconds = status.st_ctim.tv_nsec;
    stamp.modified_seconds = status.st_mtim.tv_sec;
    stamp.modified_nanoseconds = status.st_mtim.tv_nsec;
    return stamp;
}

bool CIniFile::ReloadLocked() const {
    stamp_ = CurrentStamp();
    const auto bytes = stamp_.exists ? ReadWholeFile(path_, kMaxIniFileBytes) : std::nullopt;
    document_ = bytes ? IniDocument::Parse(*bytes) : IniDocument{};
    loaded_ = true;
    return bytes.has_value() || !stamp_.exists;
}

void CIniFile::RefreshLocked() const {
    if (!loaded_ || CurrentStamp() != stamp_) ReloadLocked();
}

std::string CIniFile::GetString(std::string_view section, std::string_view key,
                                std::string_view default_value, size_t max_characters) const {
    std::lock_guard lock(mutex_);
    RefreshLocked();
    if (auto value = document_.Find(section, key)) return CutUtf8(*value, max_characters);
    return CutUtf8(SanitizeUtf8(default_value), max_characters);
}

int CIniFile::GetInt(std::string_view section, std::string_view key, int default_value) const {
    std::lock_guard lock(mutex_);
    RefreshLocked();
    if (auto value = document_.Find(section, key)) return ReadLeadingDecimal(*value);
    return default_value;
}

bool CIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const KeyValue values[] = {{key, value}};
    return WriteStrings(section, values);
}

bool CIniFile::WriteStrings(std::string_view section, std::span<const KeyValue> values) {
    std::lock_guard lock(mutex_);
    // Start from what is on disk now, so that no other writer's change is lost;
    // a file that exists but cannot be read is never replaced by a near-empty one.
    if (!ReloadLocked()) return false;
    IniDocument edited = document_;
    for (const KeyValue& entry : values) {
        if (!edited.Set(section, entry.key, SanitizeUtf8(entry.value))) return false;
    }
    if (!WriteFileAtomically(path_, edited.Serialize())) return false;
    document_ = std::move(edited);
    stamp_ = CurrentStamp();
    return true;
}

}  // namespace quovex
