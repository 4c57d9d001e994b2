#include "SettingsFiles.h"

#include <algorithm>

namespace ostrane {

bool IsNumberLine(int line) {
  return line != kNameLine && line != kTimeLine && line != kJulianDateLine;
}

std::int32_t SpinValue(std::int32_t value, std::int32_t min, std::int32_t max) {
  return std::clamp(value, min, max);
}

std::int32_t ComboBoxIndex(std::int32_t value, int items) {
  return value >= 0 && value < items ? value : kNoSelection;
}

std::int32_t RadioGroupIndex(std::int32_t value, int items) {
  return std::clamp(value, kNoSelection, static_cast<std::int32_t>(items - 1));
}

std::vector<std::string> OptionsFileLines(const ReleaseSettings& s) {
  return {s.Name,
          std::to_string(s.MonthIndex),
          std::to_string(s.Day),
          std::to_string(s.Year),
          s.TimeText,
          s.JulianDateText,
          std::to_string(s.StartSign),
          std::to_string(s.ReleasingType),
          std::to_string(s.GeneralPeriods),
          std::to_string(s.DateStyle),
          std::to_string(s.SignNameStyle),
          std::to_string(s.LooseBondType)};
}

std::vector<std::string> UserDataLines(const ReleaseSettings& settings) {
  std::vector<std::string> lines = OptionsFileLines(settings);
  lines.resize(kUserDataLineCount);
  return lines;
}

TWriteResult SaveOptionsFile(const std::string& fileName, const ReleaseSettings& settings) {
  return WriteLines(fileName, OptionsFileLines(settings));
}

TWriteResult SaveUserDataFile(const std::string& fileName, const ReleaseSettings& settings) {
  return WriteLines(fileName, UserDataLines(settings));
}

void ApplyLine(ReleaseSettings& s, int line, const std::string& text) {
  if (line < kNameLine || line > kLooseBondLine) return;  // lines after the last are ignored
  switch (line) {
    case kNameLine: s.Name = text; return;
    case kTimeLine: s.TimeText = text; return;
    case kJulianDateLine: s.JulianDateText = text; return;
    default: break;
  }
  const std::int32_t value = StrToInt(text);
  switch (line) {
    case kMonthLine: s.MonthIndex = ComboBoxIndex(value, kMonthItems); break;
    case kDayLine: s.Day = SpinValue(value, kMinDay, kMaxDay); break;
    case kYearLine: s.Year = SpinValue(value, kMinYear, kMaxYear); break;
    case kStartSignLine: s.StartSign = ComboBoxIndex(value, kSignItems); break;
    case kReleasingTypeLine: s.ReleasingType = RadioGroupIndex(value, kReleasingTypeItems); break;
    case kGeneralPeriodsLine:
      s.GeneralPeriods = SpinValue(value, kMinGeneralPeriods, kMaxGeneralPeriods);
      break;
    case kDateStyleLine: s.DateStyle = RadioGroupIndex(value, kDateStyleItems); break;
    case kSignNamesLine: s.SignNameStyle = RadioGroupIndex(value, kSignNameStyleItems); break;
    case kLooseBondLine: s.LooseBondType = RadioGroupIndex(value, kLooseBondTypeItems); break;
    default: break;
  }
}

void LoadSettingsFile(const std::string& fileName, int lineCount, ReleaseSettings& settings) {
  const TReadResult read = ReadLines(fileName, lineCount);
  if (!read.Ok()) throw EInOutError(read.Message);
  for (int line = 1; line <= lineCount; ++line)
    ApplyLine(settings, line, read.Lines[static_cast<std::size_t>(line - 1)]);
}

}  // namespace ostrane
