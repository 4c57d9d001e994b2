// A lowered limit on the size of the files the process may write, the way a
// full disk fails a write, for root as well: writing beyond it fails with
// EFBIG ("File too large") instead of raising SIGXFSZ.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace ostrane::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &FPrevious);
    rlimit lowered = FPrevious;
    lowered.rlim_cur = bytes;
    FActive = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FPrevious);
    std::signal(SIGXFSZ, FPreviousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool Active() const { return FActive; }

 private:
  rlimit FPrevious{};
  void (*FPreviousHandler)(int) = nullptr;
  bool FActive = false;
};

}  // namespace ostrane::testing
