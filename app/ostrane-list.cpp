#include <unistd.h>

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/CheckedOutput.h"
#include "app/ListCommand.h"

int main(int argc, char** argv) {
  // The chart library's folder is named after the window program's.
  QCoreApplication::setApplicationName("Ostrane");
  const std::vector<std::string> args(argv + 1, argv + argc);
  ostrane::TCheckedOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  const int status = ostrane::RunListCommand(args, out, std::cerr);
  if (!output.Finish()) {
    std::cerr << "ostrane-list: cannot write the output: " << output.ErrorText() << "\n";
    return 1;
  }
  return status;
}
