// A lowered file size limit (RLIMIT_FSIZE) for the tests of failed writes:
// a failure that holds for root too.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace ostrane::testing {

// Lowers the largest file size the process may write for its lifetime;
// writing beyond it fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &FPrevious);
    FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = FPrevious;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FPrevious);
    std::signal(SIGXFSZ, FPreviousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit FPrevious{};
  void (*FPreviousHandler)(int) = nullptr;
};

}  // namespace ostrane::testing
