// ostrane-list's handling of its arguments, fed arbitrary bytes split into
// arguments at NUL bytes and run as the command into string streams.  Files
// are never read or written (nor standard input read): an input that names
// --options, --chart, --batch, --output, --ics or --timeline is passed
// over.
// Properties: the exit status is 0, 1 or 2; a failure writes no output; and
// every message line (notes of a success too) is printable text, so that
// nothing of the arguments reaches a terminal as a control character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/ListCommand.h"
#include "core/PrintableText.h"

using namespace ostrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[i]);
  }
  for (const std::string& arg : args) {
    for (const char* file : {"--options", "--chart", "--batch", "--output", "--ics", "--timeline"})
      if (arg.rfind(file, 0) == 0) return 0;
  }

  std::ostringstream out, err;
  const int status = RunListCommand(args, out, err);
  if (status < 0 || status > 2) std::abort();
  if (status != 0 && !out.str().empty()) std::abort();
  std::istringstream messages(err.str());
  for (std::string line; std::getline(messages, line);) {
    if (!IsPrintableText(line)) std::abort();
  }
  return 0;
}
