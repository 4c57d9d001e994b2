// The level list of --levels: never crashes, and whatever it accepts names
// one to three of the levels 1 .. 3, which read back the same from their
// canonical text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendar/CalendarExport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string why;
  const auto levels = ostrane::ParseCalendarLevels(text, &why);
  if (!levels) {
    if (why.empty()) std::abort();
    return 0;
  }
  if (*levels == 0 || (*levels & ~ostrane::kAllCalendarLevels) != 0) std::abort();
  std::string canonical;
  for (int level = 1; level <= 3; ++level)
    if (*levels & ostrane::CalendarLevel(level))
      canonical += (canonical.empty() ? "" : ",") + std::to_string(level);
  const auto back = ostrane::ParseCalendarLevels(canonical);
  if (!back || *back != *levels) std::abort();
  if (ostrane::CalendarLevelsText(*levels).empty()) std::abort();
  return 0;
}
