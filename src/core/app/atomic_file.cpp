#include "app/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <system_error>

namespace quovex {

namespace {

std::atomic<unsigned> temporary_counter{0};

void SetError(std::string* error, const std::string& what, int error_number) {
    if (error) *error = what + ": " + std::strerror(error_number);
}

// The file the write replaces: a symbolic link is followed so that the link stays.
std::filesystem::path ResolveTarget(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return path;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string* error) {
    const std::filesystem::path target = ResolveTarget(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";

    // O_EXCL on a fresh name: the kernel applies the umask to a new file's mode.
    int fd = -1;
    std::filesystem::path temporary;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        temporary = folder / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                              std::to_string(temporary_counter++) + "-" + std::to_string(stamp % 100000));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        SetError(error, "cannot create a temporary file in " + folder.string(), errno);
        return false;
    }

    struct stat old_status {};
    if (::stat(target.c_str(), &old_status) == 0) ::fchmod(fd, old_status.st_mode & 07777);

    const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const int write_errno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        SetError(error, "cannot write " + temporary.string(), written ? errno : write_errno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        SetError(error, "cannot replace " + target.string(), errno);
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd >= 0) {
        ::fsync(folder_fd);
        ::close(folder_fd);
    }
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text, std::string* error) {
    return WriteFileAtomically(
        path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path, uint64_t max_bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const uint64_t size = std::filesystem::file_size(path, ec);
    if (ec || size > max_bytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // The file may have changed size since it was measured: keep what was really read.
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace quovex
