// Targets that are not regular files, for the tests of every writer: device
// nodes of the test's own (never those under /dev), a named pipe with a
// reader that gathers what arrives, a symbolic link, a directory, a socket.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <string>

namespace ostrane::testing {

enum class TTargetKind {
  NullDevice,  // a character device that takes everything (1, 3)
  FullDevice,  // a character device that is always full (1, 7)
  PipeWithReader,
  PipeWithoutReader,
  LinkToFile,
  DanglingLink,
  Directory,
  Socket,
};

inline const char* TargetKindName(TTargetKind kind) {
  constexpr const char* kNames[] = {"NullDevice",        "FullDevice", "PipeWithReader",
                                    "PipeWithoutReader", "LinkToFile", "DanglingLink",
                                    "Directory",         "Socket"};
  return kNames[static_cast<int>(kind)];
}

// The file type bits of `path` itself (a link is not followed); 0 if none.
inline mode_t NodeType(const std::string& path) {
  struct stat node {};
  return lstat(path.c_str(), &node) == 0 ? node.st_mode & S_IFMT : 0;
}

// Makes a target of one kind at `path`, in a folder of the test's own; a
// link points to `linked` beside it.  A pipe with a reader gathers all that
// arrives until the writer closes it (or for at most ten seconds).
class TTargetNode {
 public:
  TTargetNode(TTargetKind kind, std::string path) : FPath(std::move(path)) {
    FLinked = FPath + ".linked";
    switch (kind) {
      case TTargetKind::NullDevice:
      case TTargetKind::FullDevice:
        FMade = mknod(FPath.c_str(), S_IFCHR | 0600,
                      makedev(1, kind == TTargetKind::NullDevice ? 3 : 7)) == 0;
        break;
      case TTargetKind::PipeWithReader:
        FMade = mkfifo(FPath.c_str(), 0600) == 0;
        if (FMade) FRead = std::async(std::launch::async, [this] { return Gather(); });
        // The reader has the pipe open before anything writes to it.
        if (FMade)
          for (int i = 0; i < 500 && !FReaderOpen; ++i) usleep(2000);
        break;
      case TTargetKind::PipeWithoutReader: FMade = mkfifo(FPath.c_str(), 0600) == 0; break;
      case TTargetKind::LinkToFile:
        FMade = WriteOld(FLinked) && symlink(FLinked.c_str(), FPath.c_str()) == 0;
        break;
      case TTargetKind::DanglingLink: FMade = symlink(FLinked.c_str(), FPath.c_str()) == 0; break;
      case TTargetKind::Directory: FMade = mkdir(FPath.c_str(), 0700) == 0; break;
      case TTargetKind::Socket: FMade = BindSocket(); break;
    }
    FType = NodeType(FPath);
  }
  ~TTargetNode() {
    if (FRead.valid()) {
      // Sets a reader still waiting free: it sees the end of the file.
      const int fd = open(FPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) close(fd);
      FRead.wait();
    }
    if (FSocket >= 0) close(FSocket);
  }
  TTargetNode(const TTargetNode&) = delete;
  TTargetNode& operator=(const TTargetNode&) = delete;

  // False when the node could not be made (device nodes need the right to).
  bool Made() const { return FMade; }
  // The node is still what it was made as (not replaced by a file).
  bool Kept() const { return NodeType(FPath) == FType; }
  // What the pipe's reader received, once the writer has closed it.
  std::string Received() {
    if (!FRead.valid()) return {};
    if (FRead.wait_for(std::chrono::seconds(10)) != std::future_status::ready) return "(timeout)";
    return FRead.get();
  }
  // The file a link points to, and what it held before.
  const std::string& Linked() const { return FLinked; }
  static constexpr const char* kOld = "the old content\n";

 private:
  static bool WriteOld(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool written =
        write(fd, kOld, std::strlen(kOld)) == static_cast<ssize_t>(std::strlen(kOld));
    close(fd);
    return written;
  }
  bool BindSocket() {
    FSocket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (FSocket < 0 || FPath.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, FPath.c_str(), FPath.size() + 1);
    return bind(FSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  std::string Gather() {
    const int fd = open(FPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    FReaderOpen = true;
    if (fd < 0) return "(cannot open)";
    std::string got;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    bool writerSeen = false;
    char buffer[65536];
    while (std::chrono::steady_clock::now() < until) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) continue;
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) {
        got.append(buffer, static_cast<std::size_t>(n));
        writerSeen = true;
      } else if (n == 0 && writerSeen) {
        break;  // the writer closed its end
      } else if (n == 0) {
        usleep(5000);  // no writer yet
      }
    }
    close(fd);
    return got;
  }

  std::string FPath, FLinked;
  bool FMade = false;
  mode_t FType = 0;
  int FSocket = -1;
  std::atomic<bool> FReaderOpen{false};
  std::future<std::string> FRead;
};

}  // namespace ostrane::testing
