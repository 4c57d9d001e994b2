#include "listing/Releasing.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/IsoDateText.h"
#include "core/TimeText.h"

namespace ostrane {
namespace {

constexpr double kOneMillisecond = 1.0 / static_cast<double>(kMillisecondsPerDay);

double TimeOfDay(const TDate& date) {
  return date.GetDay() - date.GetDayNumber();
}

}  // namespace

std::string FormatDateStyle(const TDate& date, TDateStyle dateStyle) {
  const std::string d = std::to_string(date.GetDayNumber());
  const std::string m = std::to_string(date.GetMonth());
  const std::string y = std::to_string(date.GetYear());
  switch (dateStyle) {
    case TDateStyle::European: return d + "/" + m + "/" + y;
    case TDateStyle::American: return m + "/" + d + "/" + y;
    case TDateStyle::Scientific: return y + "/" + m + "/" + d;
    default: return {};
  }
}

std::string FormatSignNames(const TChronocrator& chronocrator, std::int32_t sign,
                            TSignNameStyle signNameStyle) {
  std::string name;
  if (signNameStyle == TSignNameStyle::Short)
    chronocrator.ShortSignName(sign, name);
  else if (signNameStyle == TSignNameStyle::Long)
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

TCivilMoment ShownMoment(int level, double julianDay) {
  TDate date;
  std::int64_t ms = 0;
  if (level >= 3) {
    ms = StoreShownMoment(date, julianDay);
  } else {
    // The main listing shows the truncated day; its time stays on that day.
    date.JulianToDate(julianDay);
    ms =
        std::min(RoundToMilliseconds(date.GetDay() - date.GetDayNumber()), kMillisecondsPerDay - 1);
  }
  return TCivilMoment{date.GetYear(), date.GetMonth(), date.GetDayNumber(), ms};
}

void IReleasingWindow::ShowMainListing(const TListing& listing) {
  ClearMainList();
  for (const std::string& line : listing.Header) AddMainLine(line);
  for (const TListedLine& line : listing.Lines) {
    PeriodListed(line.Period);
    AddMainLine(line.Text);
  }
}

void IReleasingWindow::ShowLevel34Listing(const TListing& listing) {
  ClearLevel3List();
  for (const std::string& line : listing.Header) AddLevel3Line(line);
  for (const TListedLine& line : listing.Lines) {
    PeriodListed(line.Period);
    AddLevel3Line(line.Text);
  }
}

void TReleasingListing::TableLine(const TPeriodStep& period) {
  // 200 general periods stay well inside the tables; the guard keeps any
  // other caller from writing past them.
  if (FTables.Count < TLineTables::kCapacity) {
    FTables.LineJulianDay[static_cast<std::size_t>(FTables.Count)] = period.Start;
    FTables.LineSign[static_cast<std::size_t>(FTables.Count)] = period.Counter;
    ++FTables.Count;
  }
}

TGeneralWalk GeneralWalkOf(const ReleaseSettings& s, double start) {
  TGeneralWalk walk;
  walk.ReleasingType = s.ReleasingType;
  // No start sign selected is taken as Aries.
  walk.StartSign = s.StartSign < 0 ? 0 : s.StartSign;
  walk.LooseBondType = s.LooseBondType == TLooseBond::Always ? 1 : 0;
  walk.GeneralPeriods = std::min(s.GeneralPeriods, kMaxGeneralPeriods);
  walk.Start = start;
  return walk;
}

double ListingStart(TDate& date, const ReleaseSettings& s, const TimeLocale& locale) {
  const double timeOfDay = StrToTime(s.TimeText, locale);
  return date.MomentToJulian(s.Year, s.MonthIndex + 1, s.Day, timeOfDay);
}

void TReleasingListing::BtnCalculateOstraneClick() {
  const ReleaseSettings s = FWindow.ReadSettings();
  FMain = ListGeneral(FDate, FChronocrator, s, FWindow.ReadTimeLocale());
  FTables.Count = 0;
  for (const TListedLine& line : FMain.Lines) TableLine(line.Period);
  // A refused listing has its header lines and no data lines.
  FWindow.ShowMainListing(FMain);
  if (FMain.Ending == TListingEnd::TimeRefused) throw EConvertError(FMain.Refusal);

  FWindow.SetCommandEnabled(TCommand::BtnCalculateOstrane, false);
  FWindow.SetCommandEnabled(TCommand::ListOstrane1, false);
  FWindow.SetCommandEnabled(TCommand::BtnClearList, true);
  FWindow.SetCommandEnabled(TCommand::ClearList1, true);
  FWindow.SetCommandEnabled(TCommand::ListSubPeriods1, true);
  FWindow.SetCommandEnabled(TCommand::Print1, true);
  FWindow.SetCommandEnabled(TCommand::Print2, true);
}

void TReleasingListing::ListBoxOstraneDblClick() {
  FWindow.ClearLevel3List();
  const int line = DataLineOfRow(FMain, FWindow.MainSelectedIndex());
  if (line < 0) return;  // not a line of the current listing

  FWindow.ShowLevel34Listing(
      ListLevel34(FDate, FChronocrator, FWindow.ReadSettings(), FMain, line));
  FWindow.ShowLevel3Window();
}

}  // namespace ostrane
