#pragma once
// A file-size limit for tests of failed writes: no GUI, so the store's tests use it too.

#include <sys/resource.h>

// While it lives, a write past `bytes` fails (EFBIG), as on a full disk; it binds root as well.
// The limit's signal is left alone: the program must ignore it itself, or the write ends it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        if (set_)
            setrlimit(RLIMIT_FSIZE, &saved_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool IsSet() const { return set_; }

private:
    rlimit saved_{};
    bool set_ = false;
};
