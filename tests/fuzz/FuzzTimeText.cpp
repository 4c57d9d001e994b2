// The time parse, fed arbitrary text under the "C" locale and a German-style
// one.  Properties: an accepted text names a moment of the day, and the
// 24-hour text of that moment parses back to its whole second.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/TimeText.h"

using namespace ostrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool german = (data[0] & 1) != 0;
  const TimeLocale locale = german ? TimeLocale{":", ",", "vorm.", "nachm."} : TimeLocale{};
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  const auto ms = ParseTimeMs(text, locale);
  if (!ms) return 0;
  if (*ms < 0 || *ms >= kMillisecondsPerDay) std::abort();
  const double fraction = StrToTime(text, locale);
  if (RoundToMilliseconds(fraction) != *ms) std::abort();

  const std::string written = FormatTime24(*ms);
  const auto back = ParseTimeMs(written, locale);
  if (!back || *back != *ms / 1000 * 1000) std::abort();
  const std::string twelve = FormatTime12(*ms);
  const auto minute = ParseTimeMs(twelve, locale);
  if (!minute || *minute != *ms / 60000 * 60000) std::abort();
  return 0;
}
