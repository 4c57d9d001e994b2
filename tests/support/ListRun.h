// ostrane-list run in the test's process: its exit status and what it wrote
// to standard output and standard error.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/ListCommand.h"

namespace ostrane::testing {

struct TListRun {
  int status = -1;
  std::string out, err;
};

inline TListRun RunList(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunListCommand(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace ostrane::testing
