#pragma once
#include "platform/file_writes.h"

#include <functional>
#include <sys/resource.h>

// While it lives, the program's writes to the paths that `fails` accepts
// (every path, unless told otherwise) fail as on a full disk.
struct FailingWrites {
    explicit FailingWrites(std::function<bool(const QString&)> fails = [](const QString&) { return true; })
    {
        setWriteFailureForTesting(std::move(fails));
    }
    ~FailingWrites() { setWriteFailureForTesting({}); }
};

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
