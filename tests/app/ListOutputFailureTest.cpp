// ostrane-list run as a process whose output cannot be written: the failure
// is reported and the exit status is 1, never 0.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

enum class Output { File, DevFull, Closed };

struct ListRun {
  int status = -1;
  std::string err;
  std::string out;  // when written to a file
};

// Runs ostrane-list with its standard output as told; `sizeLimit` bytes at
// most per file when not 0 (a full disk, SIGXFSZ ignored).
ListRun RunList(const std::vector<std::string>& args, Output output, rlim_t sizeLimit = 0) {
  QTemporaryDir dir;
  const std::string outPath = dir.filePath("out.csv").toStdString();
  const std::string errPath = dir.filePath("err.txt").toStdString();
  std::vector<std::string> argv{OSTRANE_LIST_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC;  // dup2 clears O_CLOEXEC
    dup2(open(errPath.c_str(), flags, 0644), 2);
    dup2(open(output == Output::DevFull ? "/dev/full" : outPath.c_str(), flags, 0644), 1);
    if (output == Output::Closed) close(1);
    if (sizeLimit > 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit limit{};
      getrlimit(RLIMIT_FSIZE, &limit);
      limit.rlim_cur = sizeLimit;
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execv(raw[0], raw.data());
    _exit(127);
  }
  EXPECT_GT(child, 0);
  int status = 0;
  waitpid(child, &status, 0);
  std::ifstream err(errPath), out(outPath);
  using Bytes = std::istreambuf_iterator<char>;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(Bytes(err), Bytes()),
          std::string(Bytes(out), Bytes())};
}

const std::vector<std::string> kLong = {"--periods", "200", "--csv", "--year", "2000"};
const std::vector<std::string> kShort = {"--year", "2000", "--periods", "1"};

TEST(ListOutput, AFailedWriteIsReportedWithStatusOne) {
  const struct {
    const char* what;
    std::vector<std::string> args;
    Output output;
    rlim_t sizeLimit;
    const char* reason;
  } cases[] = {
      {"a long listing to /dev/full", kLong, Output::DevFull, 0, "No space left on device"},
      {"a short listing to /dev/full", kShort, Output::DevFull, 0, "No space left on device"},
      {"the version to /dev/full", {"--version"}, Output::DevFull, 0, "No space left on device"},
      {"a long listing, standard output closed", kLong, Output::Closed, 0, "Bad file descriptor"},
      {"a short listing, standard output closed", kShort, Output::Closed, 0, "Bad file descriptor"},
      {"a long listing on a full disk", kLong, Output::File, 4096, "File too large"},
      {"a short listing on a full disk", kShort, Output::File, 100, "File too large"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ListRun run = RunList(c.args, c.output, c.sizeLimit);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string("ostrane-list: cannot write the output: ") + c.reason + "\n");
  }
}

TEST(ListOutput, WrittenOutputAndOtherFailuresKeepTheirStatus) {
  ListRun run = RunList(kLong, Output::File);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("level,sign,counter,", 0), 0u);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2493) << "every row, whole";

  run = RunList({"--year", "x"}, Output::Closed);
  EXPECT_EQ(run.status, 2) << "a usage error, nothing to write";
  EXPECT_EQ(run.err.find("cannot write"), std::string::npos) << run.err;
}

}  // namespace
