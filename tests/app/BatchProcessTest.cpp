// ostrane-list --batch run as a process: its memory high-water mark on rows
// of a megabyte, signals that leave the old output as it was, the input read
// from a pipe given by path, and standard input refused as the output.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct BatchRun {
  int status = -1;    // the exit status
  std::string err;    // standard error
  long maxRssKb = 0;  // the process's memory high-water mark
};

void WriteAll(int fd, const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const ssize_t n = write(fd, text.data() + at, text.size() - at);
    if (n <= 0) return;
    at += static_cast<std::size_t>(n);
  }
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs ostrane-list --batch with `args`, standard output /dev/null and
// standard input the file `inPath`, or else a pipe that `feed` writes to
// (given the child's id).  Killed and failed after 60 seconds.
BatchRun RunList(std::vector<std::string> args, const std::string& inPath,
                 const std::function<void(int fd, pid_t child)>& feed = {}) {
  QTemporaryDir dir;
  const std::string errPath = dir.filePath("err.txt").toStdString();
  args.insert(args.begin(), OSTRANE_LIST_PATH);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int fds[2] = {-1, -1};
  EXPECT_EQ(pipe(fds), 0);
  const pid_t child = fork();
  if (child == 0) {
    dup2(feed ? fds[0] : open(inPath.c_str(), O_RDONLY), 0);
    close(fds[1]);
    dup2(open("/dev/null", O_WRONLY), 1);
    dup2(open(errPath.c_str(), O_WRONLY | O_CREAT, 0644), 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fds[0]);
  std::signal(SIGPIPE, SIG_IGN);
  if (feed) feed(fds[1], child);
  close(fds[1]);
  BatchRun run;
  int status = 0;
  rusage usage{};
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (wait4(child, &status, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() > until) {
      ADD_FAILURE() << "ostrane-list did not end";
      kill(child, SIGKILL);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.maxRssKb = usage.ru_maxrss;
  run.err = Read(errPath);
  return run;
}

// Waits (up to 10 seconds) until `child` catches `signal` (Linux's
// /proc/PID/status), so that the signal finds the run under way.
void AwaitHandler(pid_t child, int signal) {
  for (int i = 0; i < 500; ++i) {
    std::ifstream status("/proc/" + std::to_string(child) + "/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind("SigCgt:", 0) == 0 &&
          (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1)
        return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

const std::string kHeader = "name,date,time,place,event_date,note\n";
const std::string kRow = "r,2000-01-01,12:00,Paris,2020-01-01,x\n";

// Rows of a megabyte: a long carried column, and for the first 60 a place
// name of 0.9 MB each, all different (the place cache).  Unbounded, the rows
// in flight and the cache held over 700 MB.
TEST(BatchProcess, MegabyteRowsRunInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's own memory hides the program's";
#endif
  const BatchRun run = RunList({"--batch", "-", "--quiet"}, "", [](int fd, pid_t) {
    WriteAll(fd, kHeader);
    for (int i = 0; i < 300; ++i) {
      const bool place = i < 60;
      WriteAll(fd, "r,2000-01-01,12:00," +
                       (place ? std::to_string(i) + std::string(900000, 'p') : "Paris") +
                       ",2020-01-01," + std::string(place ? 50000 : 1000000, 'n') + "\n");
    }
  });
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("60 of 300 rows failed"), std::string::npos) << run.err;
  EXPECT_LT(run.maxRssKb, 200 * 1024) << "peak " << run.maxRssKb / 1024 << " MB";
}

TEST(BatchProcess, OutputKeptOnSignalsInputFromPipesOrStandardInput) {
  struct Case {
    const char* name;
    std::string input;  // "-": standard input, the file in.csv; else fed through a pipe
    int signal;         // sent once the rows are fed, the pipe still open; 0: none
    int status;
    const char* err;
    std::string out;  // what out.csv holds then
  };
  const Case cases[] = {
      {"SIGTERM", "-", SIGTERM, 128 + SIGTERM, "interrupted by SIGTERM", "old results\n"},
      {"SIGINT", "-", SIGINT, 128 + SIGINT, "interrupted by SIGINT", "old results\n"},
      {"a pipe given by path", "/dev/stdin", 0, 0, "", ""},
      {"standard input as the output", "", 0, 1, "is the input of --batch (standard input)",
       "old results\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.csv").toStdString();
    std::ofstream(out) << "old results\n";
    const std::vector<std::string> args = {"--batch", c.input.empty() ? "-" : c.input, "--output",
                                           out};
    const BatchRun run =
        c.input.empty() ? RunList(args, out) : RunList(args, "", [&](int fd, pid_t child) {
          WriteAll(fd, kHeader);
          for (int i = 0; i < (c.signal ? 600 : 2); ++i) WriteAll(fd, kRow);
          if (!c.signal) return;
          AwaitHandler(child, c.signal);
          std::this_thread::sleep_for(std::chrono::milliseconds(200));
          kill(child, c.signal);
        });
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    const std::string results = Read(out);
    if (c.out.empty())
      EXPECT_EQ(std::count(results.begin(), results.end(), '\n'), 3) << results;
    else
      EXPECT_EQ(results, c.out);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
  }
}

}  // namespace
