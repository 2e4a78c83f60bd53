#pragma once

#include <sys/resource.h>

namespace kilnward::test {

// While alive, writes that grow a file beyond `bytes` fail (EFBIG) instead of raising
// SIGXFSZ: a disk-full stand-in that works for every user, root included.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace kilnward::test
