// A named pipe (FIFO) for the tests of files that are not regular files,
// with a watchdog: a reader that blocks on the pipe for longer than the
// grace time is set free by a writer that opens and closes the other end,
// so that a test of a program that would hang fails instead of hanging.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace ostrane::testing {

class NamedPipe {
 public:
  // Makes the pipe at `path`; Made() tells whether it could.
  explicit NamedPipe(std::string path, std::chrono::milliseconds grace = std::chrono::seconds(5))
      : FPath(std::move(path)), FMade(mkfifo(FPath.c_str(), 0600) == 0) {
    if (FMade) FWatchdog = std::thread([this, grace] { Watch(grace); });
  }
  ~NamedPipe() {
    FDone = true;
    if (FWatchdog.joinable()) FWatchdog.join();
    unlink(FPath.c_str());
  }
  NamedPipe(const NamedPipe&) = delete;
  NamedPipe& operator=(const NamedPipe&) = delete;

  bool Made() const { return FMade; }
  const std::string& Path() const { return FPath; }
  // True when a reader had blocked on the pipe and had to be set free.
  bool BlockedAReader() const { return FFreed; }

 private:
  // After the grace time, until the pipe is dropped: whoever blocks in
  // open() or read() on it gets the end of the file.  Opening the writing
  // end without blocking succeeds only while a reader has the pipe open.
  void Watch(std::chrono::milliseconds grace) {
    const auto freeFrom = std::chrono::steady_clock::now() + grace;
    for (; !FDone; std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
      if (std::chrono::steady_clock::now() < freeFrom) continue;
      const int fd = open(FPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;
      FFreed = true;
      close(fd);
    }
  }

  std::string FPath;
  bool FMade;
  std::atomic<bool> FFreed{false}, FDone{false};
  std::thread FWatchdog;
};

}  // namespace ostrane::testing
