// Makes every file write past `bytes` fail (EFBIG) while it lives, as a full
// disk would; works for any user, root included.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace quovex::test_support {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previous_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previous_handler_)(int) = nullptr;
};

}  // namespace quovex::test_support
