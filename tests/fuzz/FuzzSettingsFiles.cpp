// The options-file and chart-file readers, fed arbitrary bytes.  Properties:
// a file that reads gives exactly the lines asked for, each valid UTF-8; and
// settings that load save to a file that loads back to the same settings
// (the chart's variants too), their text values as PlainText makes them (a file keeps no control
// characters).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Errors.h"
#include "core/PrintableText.h"
#include "storage/LineFile.h"
#include "storage/SettingsFiles.h"
#include "storage/TextEncoding.h"

using namespace ostrane;

namespace {

std::string ScratchName(const char* what) {
  return "/tmp/ostrane-fuzz-" + std::to_string(getpid()) + "-" + what + ".txt";
}

bool SameSettings(const ReleaseSettings& a, const ReleaseSettings& b) {
  return a.Name == b.Name && a.MonthIndex == b.MonthIndex && a.Day == b.Day && a.Year == b.Year &&
         a.TimeText == b.TimeText && a.JulianDateText == b.JulianDateText &&
         a.StartSign == b.StartSign && a.ReleasingType == b.ReleasingType &&
         a.GeneralPeriods == b.GeneralPeriods && a.DateStyle == b.DateStyle &&
         a.SignNameStyle == b.SignNameStyle && a.LooseBondType == b.LooseBondType &&
         a.Place.Variants == b.Place.Variants;
}

bool Load(const std::string& name, int lines, ReleaseSettings& settings) {
  try {
    LoadSettingsFile(name, lines, settings);
    return true;
  } catch (const EConvertError&) {
    return false;
  } catch (const EInOutError&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = ScratchName("input");
  if (std::FILE* f = std::fopen(input.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    return 0;
  }

  for (int count : {kOptionsFileLineCount, kUserDataLineCount}) {
    const TReadResult r = ReadLines(input, count);
    if (r.Ok()) {
      if (r.Lines.size() != static_cast<std::size_t>(count)) std::abort();
      for (const auto& line : r.Lines)
        if (!IsValidUtf8(line)) std::abort();
    } else if (r.Message.empty() || !r.Lines.empty()) {
      std::abort();
    }

    ReleaseSettings loaded;
    if (!Load(input, count, loaded)) continue;
    const std::string saved = ScratchName("saved");
    if (!SaveOptionsFile(saved, loaded).Ok) std::abort();
    ReleaseSettings again, expected = loaded;
    expected.Name = PlainText(loaded.Name);
    expected.TimeText = PlainText(loaded.TimeText);
    expected.JulianDateText = PlainText(loaded.JulianDateText);
    if (!Load(saved, kOptionsFileLineCount, again) || !SameSettings(expected, again) ||
        again.Place.Name != PlainText(loaded.Place.Name))
      std::abort();
    std::remove(saved.c_str());
  }
  std::remove(input.c_str());
  return 0;
}
