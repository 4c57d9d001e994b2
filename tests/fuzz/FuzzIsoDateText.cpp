// The date-time text of --at: never crashes, and whatever it accepts is a
// real calendar day that formats and reads back to the same moment.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/IsoDateText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto moment = ostrane::ParseIsoDateTime(text);
  if (!moment) return 0;
  if (!ostrane::IsCivilDate(moment->Year, moment->Month, moment->Day)) std::abort();
  const auto back = ostrane::ParseIsoDateTime(ostrane::FormatIsoDateTime(*moment));
  if (!back || back->Year != moment->Year || back->Month != moment->Month ||
      back->Day != moment->Day || back->MsOfDay != moment->MsOfDay)
    std::abort();
  (void)ostrane::CivilJulianDay(*moment);
  return 0;
}
