// ostrane-list --batch run as a process: its memory high-water mark on rows
// of a megabyte, a signal that leaves the old output as it was, and the
// input read from a pipe or refused as the output through standard input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

struct BatchRun {
  int status = -1;    // the exit status, or 128 and the signal that ended it
  std::string err;    // standard error
  long maxRssKb = 0;  // the process's memory high-water mark
};

// Runs ostrane-list with `args`; standard input is `inPath`, or else a pipe
// that `feed` writes to (`feed` gets the child's id), standard output
// /dev/null.
BatchRun RunBatch(const std::vector<std::string>& args, const std::string& inPath,
                  const std::function<void(int fd, pid_t child)>& feed = {}) {
  QTemporaryDir dir;
  const std::string errPath = dir.filePath("err.txt").toStdString();
  std::vector<std::string> argv{OSTRANE_LIST_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);
  int pipeFds[2] = {-1, -1};
  if (feed) {
    EXPECT_EQ(pipe(pipeFds), 0);
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(feed ? pipeFds[0] : open(inPath.c_str(), O_RDONLY), 0);
    if (feed) close(pipeFds[1]);
    dup2(open("/dev/null", O_WRONLY), 1);
    dup2(open(errPath.c_str(), O_WRONLY | O_CREAT, 0644), 2);
    execv(raw[0], raw.data());
    _exit(127);
  }
  EXPECT_GT(child, 0);
  if (feed) {
    close(pipeFds[0]);
    std::signal(SIGPIPE, SIG_IGN);
    feed(pipeFds[1], child);
    close(pipeFds[1]);
  }
  BatchRun run;
  int status = 0;
  rusage usage{};
  // Bounded in time: a run that hangs is killed and fails the test.
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
  std::ifstream err(errPath);
  run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  return run;
}

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

const char kHeader[] = "name,date,time,place,event_date,note\n";

// Rows of a megabyte: a long carried column, and for the first 60 a place
// name of 0.9 MB each, all different (the place cache).  Unbounded, the rows
// in flight and the cache held several hundred MB.
TEST(BatchProcess, MegabyteRowsRunInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's own memory hides the program's";
#endif
  const BatchRun run = RunBatch({"--batch", "-", "--quiet"}, "", [](int fd, pid_t) {
    WriteAll(fd, kHeader);
    for (int i = 0; i < 300; ++i) {
      const std::string place =
          i < 60 ? std::to_string(i) + std::string(900 * 1000, 'p') : std::string("Paris");
      WriteAll(fd, "r,2000-01-01,12:00," + place + ",2020-01-01," +
                       std::string(i < 60 ? 50 * 1000 : 1000 * 1000, 'n') + "\n");
    }
  });
  EXPECT_EQ(run.status, 1) << run.err;  // the 60 places are not found
  EXPECT_NE(run.err.find("60 of 300 rows failed"), std::string::npos) << run.err;
  EXPECT_LT(run.maxRssKb, 200 * 1024) << "peak " << run.maxRssKb / 1024 << " MB";
}

// SIGTERM or SIGINT while the run waits for input: the old output stays,
// no temporary file is left, and the exit status says which signal.
TEST(BatchProcess, SignalLeavesTheOldOutput) {
  for (const int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.csv").toStdString();
    std::ofstream(out) << "old results\n";
    const BatchRun run = RunBatch({"--batch", "-", "--output", out}, "", [&](int fd, pid_t child) {
      WriteAll(fd, kHeader);
      for (int i = 0; i < 600; ++i) WriteAll(fd, "r,2000-01-01,12:00,Paris,2020-01-01,x\n");
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
      kill(child, signal);
    });
    EXPECT_EQ(run.status, 128 + signal) << run.err;
    EXPECT_NE(
        run.err.find(std::string("interrupted by ") + (signal == SIGTERM ? "SIGTERM" : "SIGINT")),
        std::string::npos)
        << run.err;
    EXPECT_EQ(Read(out), "old results\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
  }
}

// The input given as a path to a pipe is read as it comes; the file that
// standard input reads is refused as the output.
TEST(BatchProcess, PipesAndStandardInput) {
  QTemporaryDir dir;
  const std::string in = dir.filePath("in.csv").toStdString();
  const std::string out = dir.filePath("out.csv").toStdString();
  const std::string rows = std::string(kHeader) + "r,2000-01-01,12:00,Paris,2020-01-01,x\n";
  std::ofstream(in) << rows;
  const BatchRun piped = RunBatch({"--batch", "/dev/stdin", "--output", out}, "",
                                  [&](int fd, pid_t) { WriteAll(fd, rows + rows.substr(37)); });
  EXPECT_EQ(piped.status, 0) << piped.err;
  const std::string results = Read(out);
  EXPECT_EQ(std::count(results.begin(), results.end(), '\n'), 3) << results;

  const BatchRun same = RunBatch({"--batch", "-", "--output", in}, in);
  EXPECT_EQ(same.status, 1);
  EXPECT_NE(same.err.find("is the input of --batch (standard input)"), std::string::npos)
      << same.err;
  EXPECT_EQ(Read(in), rows);
}

}  // namespace
