#pragma once
#include "platform/file_writes.h"

#include <sys/resource.h>

// Lowers this process's file-size limit (as `ulimit -f` does) while it lives.
// Writes past it fail as they do in the program, which has them fail from its
// start rather than die of SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        failWritesPastTheFileSizeLimit();
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit lowered = before_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &before_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
};
