#include <iostream>
#include <string>
#include <vector>

#include "ListCommand.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return ostrane::RunListCommand(args, std::cout, std::cerr);
}
