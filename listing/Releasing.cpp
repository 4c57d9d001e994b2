#include "Releasing.h"

#include <algorithm>

#include "TimeText.h"

namespace ostrane {
namespace {

constexpr double kOneMillisecond = 1.0 / static_cast<double>(kMillisecondsPerDay);

double TimeOfDay(const TDate& date) {
  return date.GetDay() - date.GetDayNumber();
}

}  // namespace

std::string FormatDateStyle(const TDate& date, std::int32_t dateStyle) {
  const std::string d = std::to_string(date.GetDayNumber());
  const std::string m = std::to_string(date.GetMonth());
  const std::string y = std::to_string(date.GetYear());
  switch (dateStyle) {
    case kEuropean: return d + "/" + m + "/" + y;
    case kAmerican: return m + "/" + d + "/" + y;
    case kScientific: return y + "/" + m + "/" + d;
    default: return {};
  }
}

std::string FormatSignNames(const TChronocrator& chronocrator, std::int32_t sign,
                            std::int32_t signNameStyle) {
  std::string name;
  if (signNameStyle == kShortNames)
    chronocrator.ShortSignName(sign, name);
  else if (signNameStyle == kLongNames)
    chronocrator.LongSignName(sign, name);
  return name;
}

std::int64_t StoreShownMoment(TDate& date, double julianDay) {
  date.JulianToDate(julianDay);
  const std::int64_t ms = RoundToMilliseconds(TimeOfDay(date));
  if (ms < kMillisecondsPerDay) return ms;
  date.JulianToDate(julianDay + kOneMillisecond);
  return 0;
}

void TReleasingListing::DoMajorHeader(const std::string& name) {
  FWindow.ClearMainList();
  FWindow.AddMainLine("General and Sub Period Releasings For:");
  FWindow.AddMainLine(name);
  FWindow.AddMainLine(" ");
}

void TReleasingListing::DoSubHeader(const std::string& name) {
  FWindow.AddLevel3Line("Level 3 - 4 Releasings For:");
  FWindow.AddLevel3Line(name);
  FWindow.AddLevel3Line(" ");
}

void TReleasingListing::AddDataLine(int level, std::int32_t sign, double julianDay,
                                    const std::string& text) {
  // 200 general periods stay well inside the tables; the guard keeps any
  // other caller from writing past them.
  if (FTables.Count < TLineTables::kCapacity) {
    FTables.LineJulianDay[static_cast<std::size_t>(FTables.Count)] = julianDay;
    FTables.LineSign[static_cast<std::size_t>(FTables.Count)] = sign;
    ++FTables.Count;
  }
  FWindow.PeriodListed(level, sign, julianDay);
  FWindow.AddMainLine(text);
}

void TReleasingListing::BtnCalculateOstraneClick() {
  const ReleaseSettings s = FWindow.ReadSettings();
  DoMajorHeader(s.Name);
  FTables.Count = 0;

  const std::int32_t type = s.ReleasingType;
  // No start sign selected is taken as Aries.
  const std::int32_t startSign = s.StartSign < 0 ? 0 : s.StartSign;

  FDate.DateToJulian(s.Year, s.MonthIndex + 1, static_cast<double>(s.Day));
  const double timeOfDay = StrToTime(s.TimeText, FWindow.ReadTimeLocale());
  const double start = FDate.GetJulianDay() + timeOfDay;
  double generalStart = start;
  double subStart = start;
  std::int32_t signCounter = startSign;
  std::int32_t generalCount = 0;

  const std::int32_t n = std::min(s.GeneralPeriods, kMaxGeneralPeriods);
  for (std::int32_t period = 0; period < n; ++period) {
    FDate.JulianToDate(generalStart);
    AddDataLine(1, signCounter, generalStart,
                FormatSignNames(FChronocrator, signCounter, s.SignNameStyle) +
                    " major and sub begin " + FormatDateStyle(FDate, s.DateStyle));
    FChronocrator.ComputePeriod(1, type, signCounter);
    const double generalLength = FChronocrator.GetPeriodLength();
    generalStart = generalStart + generalLength;

    std::int32_t subSign = signCounter;
    std::int32_t backStep = 1;
    std::int32_t subCount = 1;
    double elapsed = 0.0;
    while (elapsed < generalLength) {
      subSign = subSign + 1;
      // The length of the sub period that is running; subSign already names
      // the one that follows it.
      FChronocrator.ComputePeriod(2, type, subSign - backStep);
      const double subLength = FChronocrator.GetPeriodLength();
      const double nextStart = subStart + subLength;
      FDate.JulianToDate(nextStart);
      subStart = nextStart;
      elapsed = elapsed + subLength;
      if (elapsed > generalLength) {
        subStart = generalStart;  // the next sub period would begin too late
      } else {
        AddDataLine(2, subSign, nextStart,
                    "        " + FormatSignNames(FChronocrator, subSign, s.SignNameStyle) +
                        " sub begins " + FormatDateStyle(FDate, s.DateStyle));
      }
      subCount = subCount + 1;
      if (subCount == 12) {
        FChronocrator.SetLooseBondSign(subSign);  // loosing of the bond
        subSign = FChronocrator.GetLooseBondSign();
        backStep = 7;
      } else {
        backStep = 1;
      }
    }

    signCounter = signCounter + 1;
    generalCount = generalCount + 1;
    if (s.LooseBondType == kAlways && generalCount % 12 == 0) {
      FChronocrator.SetLooseBondSign(signCounter);
      signCounter = FChronocrator.GetLooseBondSign();
    }
  }

  FWindow.SetCommandEnabled(TCommand::BtnCalculateOstrane, false);
  FWindow.SetCommandEnabled(TCommand::ListOstrane1, false);
  FWindow.SetCommandEnabled(TCommand::BtnClearList, true);
  FWindow.SetCommandEnabled(TCommand::ClearList1, true);
  FWindow.SetCommandEnabled(TCommand::ListSubPeriods1, true);
  FWindow.SetCommandEnabled(TCommand::Print1, true);
  FWindow.SetCommandEnabled(TCommand::Print2, true);
}

std::string TReleasingListing::Level34Line(const ReleaseSettings& settings, std::int32_t sign,
                                           double start, const char* prefix, const char* begins) {
  const std::int64_t ms = StoreShownMoment(FDate, start);
  return prefix + FormatSignNames(FChronocrator, sign, settings.SignNameStyle) + begins +
         FormatDateStyle(FDate, settings.DateStyle) + ", " + FormatTime12(ms);
}

void TReleasingListing::ListLevel4(const ReleaseSettings& settings, std::int32_t sign, double start,
                                   double level3Length) {
  double elapsed = 0.0;
  std::int32_t count = 0;
  while (elapsed < level3Length) {
    FWindow.PeriodListed(4, sign, start);
    FWindow.AddLevel3Line(Level34Line(settings, sign, start, "     ", " L4 begins "));
    sign = sign + 1;
    count = count + 1;
    std::int32_t backStep = 1;
    if (count == 12) {
      FChronocrator.SetLooseBondSign(sign);
      sign = FChronocrator.GetLooseBondSign();
      backStep = 7;  // undoes the jump: the length is that of the period just listed
    }
    const double length = FChronocrator.Level4Length(settings.ReleasingType, sign - backStep);
    start = start + length;
    elapsed = elapsed + length;
  }
}

void TReleasingListing::ListBoxOstraneDblClick() {
  FWindow.ClearLevel3List();
  const int selected = FWindow.MainSelectedIndex();
  if (selected < kHeaderLines) return;
  const int entry = selected - kHeaderLines;
  if (entry >= FTables.Count) return;  // not a line of the current listing

  const ReleaseSettings s = FWindow.ReadSettings();
  DoSubHeader(s.Name);
  double start = FTables.LineJulianDay[static_cast<std::size_t>(entry)];
  std::int32_t sign = FTables.LineSign[static_cast<std::size_t>(entry)];
  const std::int32_t type = s.ReleasingType;
  FChronocrator.ComputePeriod(2, type, sign);
  const double level2Length = FChronocrator.GetPeriodLength();

  double elapsed = 0.0;
  std::int32_t count = 0;
  while (elapsed < level2Length) {
    FWindow.PeriodListed(3, sign, start);
    FWindow.AddLevel3Line(Level34Line(s, sign, start, "", " L3 begins "));
    const std::int32_t level4Sign = sign;
    const double level4Start = start;
    const double length = FChronocrator.Level3Length(type, sign);
    sign = sign + 1;
    count = count + 1;
    start = start + length;
    elapsed = elapsed + length;
    if (count == 12) {
      FChronocrator.SetLooseBondSign(sign);
      sign = FChronocrator.GetLooseBondSign();
    }
    ListLevel4(s, level4Sign, level4Start, length);
  }
  FWindow.ShowLevel3Window();
}

}  // namespace ostrane
