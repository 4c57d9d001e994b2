// The command-line companion of the window program: prints the main listing
// or the level 3/4 listing of one of its lines, as text or CSV.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ostrane {

// Runs the command with its arguments (without the program name).  Writes
// the listing to `out` and messages to `err`; returns the exit status: 0 on
// success, 1 when the listing itself fails, 2 on a usage error.
int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ostrane
