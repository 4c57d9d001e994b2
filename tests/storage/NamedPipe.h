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
#include <condition_variable>
#include <mutex>
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
    {
      const std::lock_guard<std::mutex> lock(FMutex);
      FDone = true;
    }
    FWake.notify_all();
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
  void Watch(std::chrono::milliseconds grace) {
    std::unique_lock<std::mutex> lock(FMutex);
    if (FWake.wait_for(lock, grace, [this] { return FDone; })) return;
    // Until the pipe is dropped: whoever blocks in open() or read() on it
    // now gets the end of the file.  Opening the writing end without
    // blocking succeeds only while a reader has the pipe open.
    while (!FDone) {
      const int fd = open(FPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) {
        FFreed = true;
        close(fd);
      }
      FWake.wait_for(lock, std::chrono::milliseconds(50), [this] { return FDone; });
    }
  }

  std::string FPath;
  bool FMade;
  std::atomic<bool> FFreed{false};
  std::mutex FMutex;
  std::condition_variable FWake;
  bool FDone = false;
  std::thread FWatchdog;
};

}  // namespace ostrane::testing
