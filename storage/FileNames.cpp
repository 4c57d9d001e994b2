#include "storage/FileNames.h"

namespace ostrane {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string ProposedFileName(const std::string& chartName) {
  std::string name;
  name.reserve(chartName.size());
  // At the start of the name or of a part between separators, before any
  // character but dots (and a first "~").
  bool leading = true;
  for (const char c : chartName) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\') {
      name += '-';
      leading = true;
      continue;
    }
    if (byte < 0x20 || byte == 0x7F) {
      name += '_';
    } else if (leading && (c == '.' || (c == '~' && name.empty()))) {
      name += '_';
      continue;
    } else {
      name += c;
    }
    leading = false;
  }
  if (name.size() > kMaxProposedNameBytes) {
    std::size_t end = kMaxProposedNameBytes;
    while (end > 0 && IsContinuationByte(name[end])) --end;
    name.resize(end);
  }
  return name;
}

}  // namespace ostrane
