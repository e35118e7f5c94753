#include "sim/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quovex::sim {
namespace {

bool Fail(std::string* error, const std::string& what, int error_number) {
    if (error != nullptr) *error = what + ": " + std::strerror(error_number);
    return false;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content, std::string* error) {
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return Fail(error, "cannot create a temporary file beside " + path.string(), errno);

    auto abandon = [&](const std::string& what) {
        const int saved = errno;
        close(fd);
        unlink(temporary.c_str());
        return Fail(error, what, saved);
    };
    for (size_t written = 0; written < content.size();) {
        const ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon("cannot write " + temporary);
        written += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) return abandon("cannot flush " + temporary);
    if (close(fd) != 0) {
        const int saved = errno;
        unlink(temporary.c_str());
        return Fail(error, "cannot close " + temporary, saved);
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        unlink(temporary.c_str());
        return Fail(error, "cannot replace " + path.string(), saved);
    }
    return true;
}

}  // namespace quovex::sim
