// What the releasing listings (Listing.h) are made of: the dates and sign
// names as the lines show them, the birth moment as a listing reads it, and
// the general walk of a listing's settings.
//
// Every start and running sum is a double, rounded after each addition and
// compared with the enclosing length exactly, without tolerance: some
// listings depend on the ties that come out of this.
#pragma once

#include <cstdint>
#include <string>

#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/IsoDateText.h"
#include "core/ReleaseSettings.h"
#include "listing/Listing.h"
#include "listing/PeriodWalk.h"

namespace ostrane {

// The date last stored in `date` as the listing lines show it, or empty text
// when no style is selected.
std::string FormatDateStyle(const TDate& date, TDateStyle dateStyle);
// The sign's name in the chosen style, or empty text when none is selected.
std::string FormatSignNames(const TChronocrator& chronocrator, std::int32_t sign,
                            TSignNameStyle signNameStyle);

// A moment of a level 3/4 line as it is shown: the date and the time of day
// rounded to whole milliseconds.  A moment within half a millisecond before
// midnight is shown as the following midnight, on the following day.
// Leaves the shown date stored in `date`.
std::int64_t StoreShownMoment(TDate& date, double julianDay);

// The date of `julianDay` (local clock time) as the lines show it
// (StoreShownMoment), in `style`; year/month/day when none is selected.
std::string ShownDateText(double julianDay, TDateStyle style);

// The general walk of the settings from the birth moment `start`: the start
// sign (none selected is taken as Aries), at most 200 general periods.
TGeneralWalk GeneralWalkOf(const ReleaseSettings& settings, double start);

// The birth moment as the listing reads it: the Julian Day of the date plus
// the time of day of the time text.  Throws EConvertError on a time text that
// is not a time of day, leaving `date` alone; else leaves the date's Julian
// Day stored in `date` (TDate::MomentToJulian).
double ListingStart(TDate& date, const ReleaseSettings& settings, const TimeLocale& locale);

// The start of a period of level `level` as its line shows it: levels 1 and
// 2 on the truncated day, with the time of day kept on that day; levels 3
// and 4 rounded to the millisecond, so that a moment within half a
// millisecond of midnight is the following midnight.
TCivilMoment ShownMoment(int level, double julianDay);

}  // namespace ostrane
