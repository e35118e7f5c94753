#include "app/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/atomic_file.h"
#include "device/program_folder.h"

namespace quovex {

namespace {

constexpr uint64_t kMaxUserDirsBytes = 64 * 1024;

// An absolute folder from the environment; relative values do not count.
std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

std::filesystem::path HomeFromPasswordDatabase() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return found->pw_dir;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The text between the double quotes of a shell-quoted value, with backslash
// escapes undone; nullopt when the value is not quoted.
std::optional<std::string> Unquote(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::nullopt;
    value = value.substr(1, value.size() - 2);
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        text.push_back(value[i]);
    }
    return text;
}

}  // namespace

UserRoots UserRootsFromEnvironment() {
    UserRoots roots;
    roots.home = AbsoluteFromEnvironment("HOME");
    if (roots.home.empty()) roots.home = HomeFromPasswordDatabase();
    roots.config_home = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    roots.documents = AbsoluteFromEnvironment("XDG_DOCUMENTS_DIR");
    roots.program_folder = ProgramFolder();
    return roots;
}

std::filesystem::path ConfigFolder(const UserRoots& roots) {
    if (!roots.config_home.empty()) return roots.config_home;
    if (roots.home.empty()) return {};
    return roots.home / ".config";
}

std::filesystem::path DocumentsFolderFromUserDirs(std::string_view text, const std::filesystem::path& home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR";
    constexpr std::string_view kHome = "$HOME";
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        if (line.empty() || line.front() == '#') continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || Trim(line.substr(0, equals)) != kKey) continue;
        const auto value = Unquote(Trim(line.substr(equals + 1)));
        if (!value) return {};
        if (value->starts_with(kHome) && (value->size() == kHome.size() || (*value)[kHome.size()] == '/')) {
            if (home.empty()) return {};
            const std::string rest = value->substr(kHome.size());
            return rest.empty() || rest == "/" ? home : home / std::filesystem::path(rest).relative_path();
        }
        return value->starts_with('/') ? std::filesystem::path(*value) : std::filesystem::path{};
    }
    return {};
}

std::filesystem::path DocumentsFolder(const UserRoots& roots) {
    if (!roots.documents.empty()) return roots.documents;
    const std::filesystem::path config = ConfigFolder(roots);
    if (!config.empty()) {
        if (const auto bytes = ReadWholeFile(config / "user-dirs.dirs", kMaxUserDirsBytes)) {
            const std::string text(bytes->begin(), bytes->end());
            auto folder = DocumentsFolderFromUserDirs(text, roots.home);
            if (!folder.empty()) return folder;
        }
    }
    if (roots.home.empty()) return {};
    return roots.home / "Documents";
}

}  // namespace quovex
