// ostrane-list run as a process in a temporary directory, for the tests of
// its file options and of its calendar.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/TestFiles.h"

extern char** environ;

namespace ostrane::testing {

struct RunResult {
  int status = -1;
  std::string out, err;
};

// Runs ostrane-list; with `locale`, under LC_ALL set to it.
inline RunResult RunList(const TempDir& dir, const std::vector<std::string>& args,
                         const char* locale = nullptr) {
  const std::string outPath = dir.Path("stdout"), errPath = dir.Path("stderr");
  std::vector<std::string> argv{OSTRANE_LIST_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const int flags = O_WRONLY | O_CREAT | O_TRUNC;
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), flags, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), flags, 0644);
  pid_t pid = 0;
  RunResult run;
  std::string lcAll = std::string("LC_ALL=") + (locale ? locale : "");
  std::vector<char*> env;
  for (char** e = environ; *e; ++e)
    if (!locale || std::string_view(*e).substr(0, 7) != "LC_ALL=") env.push_back(*e);
  if (locale) env.push_back(lcAll.data());
  env.push_back(nullptr);
  const int spawned = posix_spawn(&pid, raw[0], &actions, nullptr, raw.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0) << "cannot run " << raw[0];
  if (spawned != 0) return run;
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  run.out = ReadBytes(outPath);
  run.err = ReadBytes(errPath);
  return run;
}

}  // namespace ostrane::testing
