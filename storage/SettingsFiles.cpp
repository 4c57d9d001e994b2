#include "storage/SettingsFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "chart/BirthChart.h"
#include "chart/PlaceFields.h"
#include "chart/TimeZones.h"
#include "core/Coordinates.h"
#include "core/Errors.h"
#include "core/PrintableText.h"

namespace ostrane {
namespace {

constexpr const char* kFortuneKey = "fortune";
constexpr const char* kAnglesFromKey = "angles-from";
constexpr const char* kZodiacKey = "zodiac";
constexpr const char* kLotFormulaKey = "lot-formula";
constexpr const char* kSectHorizonKey = "sect-horizon";

}  // namespace

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
  // Text values as a line holds them: a line break must not split one.
  return {PlainText(s.Name),
          std::to_string(s.MonthIndex),
          std::to_string(s.Day),
          std::to_string(s.Year),
          PlainText(s.TimeText),
          PlainText(s.JulianDateText),
          std::to_string(s.StartSign),
          std::to_string(ToItemIndex(s.ReleasingType)),
          std::to_string(s.GeneralPeriods),
          std::to_string(ToItemIndex(s.DateStyle)),
          std::to_string(ToItemIndex(s.SignNameStyle)),
          std::to_string(ToItemIndex(s.LooseBondType))};
}

std::vector<std::string> UserDataLines(const ReleaseSettings& settings) {
  std::vector<std::string> lines = OptionsFileLines(settings);
  lines.resize(kUserDataLineCount);
  return lines;
}

namespace {

// The place lines, none when there is no place, so that the files of charts
// without one stay as short as they were.
void AddPlaceLines(std::vector<std::string>& lines, const TBirthPlace& p) {
  if (p.Name.empty() && !p.Latitude && !p.Longitude && p.TimeZone.empty() && !p.UtcOffsetSeconds &&
      p.Dst == TDstChoice::Ask && p.Sect == TSect::Computed)
    return;
  // The first choice is written as the empty value.
  const auto choice = [](TPlaceField field, std::int32_t index) {
    const std::vector<std::string>& names = PlaceFieldInfo(field).Choices;
    return index == 1 || index == 2 ? names[static_cast<std::size_t>(index)] : std::string();
  };
  for (const TPlaceFieldInfo& info : PlaceFieldTable()) {
    std::string value;
    switch (info.Field) {
      case TPlaceField::Name: value = PlainText(p.Name); break;
      case TPlaceField::Latitude: value = p.Latitude ? DegreesText(*p.Latitude) : ""; break;
      case TPlaceField::Longitude: value = p.Longitude ? DegreesText(*p.Longitude) : ""; break;
      case TPlaceField::TimeZone: value = PlainText(p.TimeZone); break;
      case TPlaceField::UtcOffset:
        value = p.UtcOffsetSeconds ? FormatUtcOffset(*p.UtcOffsetSeconds) : "";
        break;
      case TPlaceField::Dst: value = choice(info.Field, ToItemIndex(p.Dst)); break;
      case TPlaceField::Sect: value = choice(info.Field, ToItemIndex(p.Sect)); break;
    }
    lines.push_back(std::string(info.FileKey) + "=" + value);
  }
}

}  // namespace

std::vector<std::string> ExtensionLines(const ReleaseSettings& s, TFileKind kind) {
  std::vector<std::string> lines;
  lines.push_back(std::string(kFortuneKey) + "=" +
                  std::to_string(ComboBoxIndex(s.FortuneSign, kSignItems)));
  if (kind == TFileKind::Options)
    lines.push_back(std::string(kAnglesFromKey) + "=" +
                    (s.AnglesFrom == TAnglesFrom::StartSign ? "start" : "fortune"));
  AddPlaceLines(lines, s.Place);
  // The variants always, last.
  const TChartVariants& v = s.Place.Variants;
  lines.push_back(std::string(kZodiacKey) + "=" + VariantKey(v.Zodiac));
  lines.push_back(std::string(kLotFormulaKey) + "=" + VariantKey(v.LotFormula));
  lines.push_back(std::string(kSectHorizonKey) + "=" + VariantKey(v.SectHorizon));
  return lines;
}

namespace {

// One place line (a key of PlaceFieldTable; other keys are ignored), an
// empty value taking the field's value away; EConvertError on a value that
// cannot be read.
void ReadPlaceLine(TBirthPlace& place, const std::string& key, const std::string& value) {
  for (const TPlaceFieldInfo& info : PlaceFieldTable()) {
    if (key != info.FileKey) continue;
    if (value.empty())
      ClearPlaceField(place, info.Field);
    else
      ReadPlaceField(place, info.Field, value);
    return;
  }
}

}  // namespace

namespace {

// The index of a variant's value among its names, exactly as written;
// throws bad(message) otherwise.
template <class TBad>
std::int32_t VariantIndex(const std::string& value, const std::vector<std::string>& names,
                          const TBad& bad) {
  const auto found = std::find(names.begin(), names.end(), value);
  if (found == names.end()) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    throw bad(FormatMessage("'%s' is not one of ", value) + list);
  }
  return static_cast<std::int32_t>(found - names.begin());
}

}  // namespace

TFileExtension ParseExtensionLines(const std::vector<std::string>& lines, int firstLine,
                                   const std::string& fileName, TFileKind kind) {
  TFileExtension extension;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    const auto bad = [&](const std::string& message) {
      std::string text = "Line " + std::to_string(firstLine + static_cast<int>(i));
      text += " of '";
      text += fileName;
      text += "': ";
      text += message;
      return EConvertError(text);
    };
    if (key == kFortuneKey) {
      const std::optional<std::int32_t> sign = TryStrToInt(value);
      if (!sign) throw bad(FormatMessage("'%s' is not a valid integer value", value));
      extension.FortuneSign = ComboBoxIndex(*sign, kSignItems);
    } else if (key == kAnglesFromKey && kind == TFileKind::Options) {
      if (value != "fortune" && value != "start")
        throw bad(FormatMessage("'%s' is neither fortune nor start", value));
      extension.AnglesFrom = value == "start" ? TAnglesFrom::StartSign : TAnglesFrom::Fortune;
    } else if (key == kZodiacKey) {
      extension.Place.Variants.Zodiac =
          FromItemIndex<TZodiac>(VariantIndex(value, ZodiacKeys(), bad));
    } else if (key == kLotFormulaKey) {
      extension.Place.Variants.LotFormula =
          FromItemIndex<TLotFormula>(VariantIndex(value, LotFormulaKeys(), bad));
    } else if (key == kSectHorizonKey) {
      extension.Place.Variants.SectHorizon =
          FromItemIndex<TSectHorizon>(VariantIndex(value, SectHorizonKeys(), bad));
    } else {
      try {
        ReadPlaceLine(extension.Place, key, value);
      } catch (const EConvertError& error) {
        throw bad(error.what());
      }
    }
  }
  return extension;
}

void ApplyExtension(ReleaseSettings& s, const TFileExtension& extension, TFileKind kind) {
  s.FortuneSign = extension.FortuneSign.value_or(kNoSelection);
  s.Place = extension.Place;
  if (kind == TFileKind::Options)
    s.AnglesFrom = extension.AnglesFrom.value_or(TAnglesFrom::Fortune);
}

namespace {

TFileKind KindOf(int lineCount) {
  return lineCount >= kOptionsFileLineCount ? TFileKind::Options : TFileKind::Chart;
}

std::vector<std::string> WithExtension(std::vector<std::string> lines,
                                       const ReleaseSettings& settings, TFileKind kind) {
  for (auto& line : ExtensionLines(settings, kind)) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

TWriteResult SaveOptionsFile(const std::string& fileName, const ReleaseSettings& settings) {
  return WriteLines(fileName,
                    WithExtension(OptionsFileLines(settings), settings, TFileKind::Options));
}

TWriteResult SaveUserDataFile(const std::string& fileName, const ReleaseSettings& settings) {
  return WriteLines(fileName, WithExtension(UserDataLines(settings), settings, TFileKind::Chart));
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
    case kReleasingTypeLine:
      s.ReleasingType = FromItemIndex<TReleasingType>(RadioGroupIndex(value, kReleasingTypeItems));
      break;
    case kGeneralPeriodsLine:
      s.GeneralPeriods = SpinValue(value, kMinGeneralPeriods, kMaxGeneralPeriods);
      break;
    case kDateStyleLine:
      s.DateStyle = FromItemIndex<TDateStyle>(RadioGroupIndex(value, kDateStyleItems));
      break;
    case kSignNamesLine:
      s.SignNameStyle = FromItemIndex<TSignNameStyle>(RadioGroupIndex(value, kSignNameStyleItems));
      break;
    case kLooseBondLine:
      s.LooseBondType = FromItemIndex<TLooseBond>(RadioGroupIndex(value, kLooseBondTypeItems));
      break;
    default: break;
  }
}

TSettingsFileLines ReadSettingsFile(const std::string& fileName, int lineCount) {
  TReadResult read = ReadLines(fileName, lineCount, kMaxExtensionLines);
  if (!read.Ok()) throw EInOutError(read.Message);
  TSettingsFileLines result;
  const auto split = read.Lines.begin() + lineCount;
  const std::vector<std::string> after(std::make_move_iterator(split),
                                       std::make_move_iterator(read.Lines.end()));
  read.Lines.erase(split, read.Lines.end());
  result.Fixed = std::move(read.Lines);
  result.Extension = ParseExtensionLines(after, lineCount + 1, fileName, KindOf(lineCount));
  return result;
}

std::string EFileLineError::Located() const {
  return "Line " + std::to_string(FLine) + " of '" + FFileName + "': " + what();
}

void LoadSettingsFile(const std::string& fileName, int lineCount, ReleaseSettings& settings) {
  const TSettingsFileLines read = ReadSettingsFile(fileName, lineCount);
  for (int line = 1; line <= lineCount; ++line) {
    try {
      ApplyLine(settings, line, read.Fixed[static_cast<std::size_t>(line - 1)]);
    } catch (const EConvertError& error) {
      throw EFileLineError(error, fileName, line);
    }
  }
  ApplyExtension(settings, read.Extension, KindOf(lineCount));
}

}  // namespace ostrane
