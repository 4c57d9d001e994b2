#include "calendar/CalendarExport.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include <libical/ical.h>

#include "Version.h"
#include "astro/Rulers.h"
#include "chart/BirthChart.h"
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/IsoDateText.h"
#include "listing/Marks.h"
#include "storage/LineFile.h"

namespace ostrane {
namespace {

// The calendar's PRODID: the program and its version.
std::string ProductId() {
  return std::string("-//Ostrane//") + kNameVersion + "//EN";
}

constexpr std::int64_t kSecondsPerDay = 86400;
// The Julian Day Number of the first day of the Gregorian calendar,
// 1582-10-15, and of 1970-01-01.
constexpr std::int64_t kReformDay = 2299161;
constexpr std::int64_t kUnixEpochDay = 2440588;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The proleptic Gregorian date of a Julian Day Number (the day whose noon
// it is), by the days-from-civil inversion of the 400-year cycle.
void GregorianDate(std::int64_t dayNumber, TCalendarTime& t) {
  const std::int64_t z = dayNumber - kUnixEpochDay + 719468;  // days from 0000-03-01
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t dayOfEra = z - era * 146097;  // 0 .. 146096
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t marchMonth = (5 * dayOfYear + 2) / 153;  // 0 March .. 11 February
  t.Day = static_cast<int>(dayOfYear - (153 * marchMonth + 2) / 5 + 1);
  t.Month = static_cast<int>(marchMonth < 10 ? marchMonth + 3 : marchMonth - 9);
  t.Year = yearOfEra + era * 400 + (t.Month <= 2 ? 1 : 0);
}

bool Writable(const TCalendarTime& t) {
  return t.Year >= kMinCalendarYear && t.Year <= kMaxCalendarYear;
}

// A DATE-TIME property of local clock time: floating (no TZID, no "Z")
// when `zone` is empty, else in that zone.  Made from the value's text:
// libical 3.0 builds the value of a time after the year 3000 given as an
// icaltimetype as the null time 00000000T000000.
icalproperty* DateTimeProperty(icalproperty_kind kind, const TCalendarTime& t,
                               const std::string& zone) {
  icalproperty* property = icalproperty_new(kind);
  icalproperty_set_value(
      property, icalvalue_new_from_string(ICAL_DATETIME_VALUE, CalendarTimeText(t).c_str()));
  if (!zone.empty()) icalproperty_add_parameter(property, icalparameter_new_tzid(zone.c_str()));
  return property;
}

// A DATE property (an all-day value): the date of `t`.
icalproperty* DateProperty(icalproperty_kind kind, const TCalendarTime& t) {
  icalproperty* property = icalproperty_new(kind);
  icalproperty_set_value(property, icalvalue_new_from_string(
                                       ICAL_DATE_VALUE, CalendarTimeText(t).substr(0, 8).c_str()));
  return property;
}

// The zone's VTIMEZONE as libical builds it from the system's tzdata, its
// TZID the IANA id the events name (libical's own carries a prefix).
icalcomponent* ZoneComponent(const std::string& zone) {
  icaltimezone* builtin = icaltimezone_get_builtin_timezone(zone.c_str());
  icalcomponent* source = builtin ? icaltimezone_get_component(builtin) : nullptr;
  if (source == nullptr) return nullptr;
  icalcomponent* component = icalcomponent_new_clone(source);
  if (icalproperty* tzid = icalcomponent_get_first_property(component, ICAL_TZID_PROPERTY))
    icalproperty_set_tzid(tzid, zone.c_str());
  return component;
}

// A reminder shown `days` (1 .. kMaxRemindDays) before the event begins.
icalcomponent* Reminder(int days, const std::string& text) {
  icalcomponent* alarm = icalcomponent_new_valarm();
  icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
  icaltriggertype trigger = icaltriggertype_from_int(0);
  trigger.duration = icaldurationtype_null_duration();
  trigger.duration.is_neg = 1;
  trigger.duration.days = static_cast<unsigned>(days);  // written -PnD, not in weeks
  icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
  icalcomponent_add_property(alarm, icalproperty_new_description(text.c_str()));
  return alarm;
}

const char* LevelName(int level) {
  switch (level) {
    case 1: return "general period";
    case 2: return "sub period";
    case 3: return "level 3 period";
    default: return "level 4 period";
  }
}

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct BufferFree {
  void operator()(char* s) const { icalmemory_free_buffer(s); }
};

}  // namespace

std::optional<TCalendarLevels> ParseCalendarLevels(std::string_view text, std::string* why) {
  const auto fail = [&](const std::string& reason) -> std::optional<TCalendarLevels> {
    if (why) *why = reason;
    return std::nullopt;
  };
  if (text.empty()) return fail("no level given");
  TCalendarLevels levels = 0;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const char c = text[i];
    if (c < '1' || c > '3') return fail("a level is 1, 2 or 3");
    const TCalendarLevels level = CalendarLevel(c - '0');
    if (levels & level) return fail(std::string("level ") + c + " is named twice");
    levels |= level;
    if (i + 1 < text.size() && (text[i + 1] != ',' || i + 2 == text.size()))
      return fail("levels are separated by single commas");
  }
  return levels;
}

std::string CalendarLevelsText(TCalendarLevels levels) {
  std::string text;
  int named = 0;
  const int count = ((levels & 1u) != 0) + ((levels & 2u) != 0) + ((levels & 4u) != 0);
  for (int level = 1; level <= 3; ++level) {
    if ((levels & CalendarLevel(level)) == 0) continue;
    ++named;
    if (named > 1) text += named == count ? " and " : ", ";
    text += std::to_string(level);
  }
  return text;
}

TCalendarTime CalendarTime(double julianDay) {
  if (std::isnan(julianDay)) julianDay = 0.0;
  julianDay = std::clamp(julianDay, TDate::kMinSupportedJulianDay, TDate::kMaxSupportedJulianDay);
  // Seconds from the midnight that begins Julian Day Number 0.
  const std::int64_t seconds =
      std::llround((julianDay + 0.5) * static_cast<double>(kSecondsPerDay));
  const std::int64_t dayNumber = FloorDiv(seconds, kSecondsPerDay);
  const std::int64_t ofDay = seconds - dayNumber * kSecondsPerDay;
  TCalendarTime t;
  if (dayNumber >= kReformDay) {
    TDate date;
    date.JulianToDate(static_cast<double>(dayNumber));  // the day's noon
    t.Year = date.GetYear();
    t.Month = date.GetMonth();
    t.Day = date.GetDayNumber();
  } else {
    // The program's calendar is the Julian one here; iCalendar's is not.
    GregorianDate(dayNumber, t);
  }
  t.Hour = static_cast<int>(ofDay / 3600);
  t.Minute = static_cast<int>(ofDay / 60 % 60);
  t.Second = static_cast<int>(ofDay % 60);
  return t;
}

std::string CalendarTimeText(const TCalendarTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04lld%02d%02dT%02d%02d%02d",
                static_cast<long long>(t.Year), t.Month, t.Day, t.Hour, t.Minute, t.Second);
  return buffer;
}

namespace {

// Text as an iCalendar text value may hold it: no control characters but
// the tab (a line break of the text is written as the escape "\n").
std::string CalendarValueText(std::string text) {
  for (char& c : text)
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == '\x7F') c = ' ';
  return text;
}

}  // namespace

std::string PeriodSummary(const ReleaseSettings& settings, std::optional<TLot> releasedFrom,
                          const TPeriodSpan& period) {
  static constexpr const char* kDot = " \xC2\xB7 ";  // a middle dot in UTF-8
  const std::string name = CalendarValueText(settings.Name);
  std::string text;
  if (name.find_first_not_of(" \t") != std::string::npos) text = name + kDot;
  text += releasedFrom ? std::string(LotName(*releasedFrom)) : std::string("Start sign");
  return text + kDot + "L" + std::to_string(period.Level) + " " + LongSignNameOf(period.Counter);
}

std::string PeriodPlaceText(const ReleaseSettings& settings, const TPeriodSpan& period) {
  const std::string from = AngleReferenceName(settings);
  if (period.Place <= 0) return "Place from " + from + ": unknown";
  std::string text = Ordinal(period.Place) + " from " + from;
  const int rank = AngleRank(period.Place);
  if (rank == 1)
    text += ": the peak";
  else if (rank > 1)
    text += ": angular";
  return text;
}

std::string PeriodDescription(const ReleaseSettings& settings, const TPeriodSpan& period,
                              const TChart* chart) {
  return "Level " + std::to_string(period.Level) + " (" + LevelName(period.Level) + ") of " +
         CalendarValueText(settings.Name) + "\nSign: " + LongSignNameOf(period.Counter) + "\n" +
         PeriodPlaceText(settings, period) +
         (period.Loosing ? "\nthe loosing of the bond (LB): a turning point" : "") +
         "\nRuler: " + RulerReadingText(ReadRuler(period.Counter, chart));
}

std::string CalendarZone(const TBirthPlace& place) {
  if (place.UtcOffsetSeconds || place.TimeZone.empty()) return {};
  const std::unique_ptr<icalcomponent, ComponentFree> component(ZoneComponent(place.TimeZone));
  return component ? place.TimeZone : std::string();
}

double DayStartJulianDay(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  return CivilJulianDay(TCivilMoment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0});
}

std::string PeriodUid(const TCalendarRequest& request, const TPeriodSpan& period) {
  const ReleaseSettings& s = request.Settings;
  char moments[64];
  std::snprintf(moments, sizeof moments, "%.17g\n%.17g", request.Start, period.Start);
  const std::string key =
      s.Name + '\n' + std::to_string(ToItemIndex(s.ReleasingType)) + '\n' +
      std::to_string(s.StartSign) + '\n' + std::to_string(ToItemIndex(s.LooseBondType)) + '\n' +
      std::to_string(period.Level) + '\n' + std::to_string(period.Counter) + '\n' + moments;
  const QByteArray hash = QCryptographicHash::hash(
      QByteArray::fromRawData(key.data(), static_cast<qsizetype>(key.size())),
      QCryptographicHash::Sha256);
  return hash.left(16).toHex().toStdString() + "@ostrane";
}

TCalendarText CalendarText(const TCalendarRequest& request) {
  TCalendarText result;
  int maxLevel = 0;
  for (int level = 1; level <= 3; ++level)
    if (request.Levels & CalendarLevel(level)) maxLevel = level;
  if (maxLevel == 0) return result;

  const std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(ProductId().c_str()));
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  const std::time_t now = request.Stamp != 0 ? request.Stamp : std::time(nullptr);
  const icaltimetype stamp = icaltime_from_timet_with_zone(now, 0, icaltimezone_get_utc_timezone());

  const double from =
      request.FromToday ? std::max(request.From, DayStartJulianDay(now)) : request.From;
  const int remindDays = std::clamp(request.RemindDays, 0, kMaxRemindDays);

  std::optional<TChart> chart;
  if (request.Settings.Place.Known()) {
    const TBirthChartResult birth = ComputeBirthChart(request.Settings.Place, request.Start);
    if (birth.Value) chart = birth.Value->Chart;
  }
  // The listing counts on the birth's clock; a zone's events are the same
  // moments on the zone's clock, whose offset changes with daylight-saving
  // time (a birth time in a gap or an overlap takes the place's choice, the
  // earlier offset when it has none).
  const TBirthPlace& place = request.Settings.Place;
  std::optional<std::int32_t> birthOffset;
  if (!place.TimeZone.empty()) {
    const TZoneResolution birth =
        ResolveTimeZone(place.TimeZone, request.Start, place.Longitude.value_or(0.0), place.Dst);
    if (birth.Status != TZoneStatus::UnknownZone) birthOffset = birth.Offset.Seconds;
  }
  const std::string zone = birthOffset && !request.Begins ? CalendarZone(place) : std::string();
  if (!zone.empty()) icalcomponent_add_component(calendar.get(), ZoneComponent(zone));
  const QTimeZone zoneClock(QByteArray::fromStdString(zone));
  auto onZoneClock = [&](double local) {
    if (zone.empty()) return local;
    const double utc = local - *birthOffset / 86400.0;
    const auto ms = static_cast<qint64>(std::llround((utc - 2440587.5) * 86400000.0));
    return utc +
           zoneClock.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc())) / 86400.0;
  };

  TChronocrator chronocrator;
  const TListing main =
      ListGeneralPeriods(chronocrator, request.Settings, request.Start, request.To);
  for (const TPeriodSpan& period :
       PeriodSpans(main, request.Settings, maxLevel, from, request.To)) {
    if ((request.Levels & CalendarLevel(period.Level)) == 0) continue;
    // All-day events have no times, so no zone: they keep the listing's day.
    const TCalendarTime start = CalendarTime(onZoneClock(period.Start));
    // A one-day event ends with the day after the one it begins on.
    const TCalendarTime end =
        CalendarTime(request.Begins ? period.Start + 1.0 : onZoneClock(period.End));
    if (!Writable(start) || (!request.Begins && !Writable(end))) {
      ++result.LeftOut;
      continue;
    }
    const std::string summary = PeriodSummary(request.Settings, request.ReleasedFrom, period);
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(PeriodUid(request, period).c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    if (request.Begins) {
      icalcomponent_add_property(event, DateProperty(ICAL_DTSTART_PROPERTY, start));
      // Without DTEND an all-day event lasts its one day (RFC 5545 3.6.1).
      if (Writable(end)) icalcomponent_add_property(event, DateProperty(ICAL_DTEND_PROPERTY, end));
    } else {
      icalcomponent_add_property(event, DateTimeProperty(ICAL_DTSTART_PROPERTY, start, zone));
      // A period shorter than half a second has no end of its own: an event
      // without DTEND ends where it begins.
      if (!(end == start))
        icalcomponent_add_property(event, DateTimeProperty(ICAL_DTEND_PROPERTY, end, zone));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    icalcomponent_add_property(
        event, icalproperty_new_description(
                   PeriodDescription(request.Settings, period, chart ? &*chart : nullptr).c_str()));
    // Periods last years: they keep the time free.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (remindDays > 0) icalcomponent_add_component(event, Reminder(remindDays, summary));
    icalcomponent_add_component(calendar.get(), event);
    ++result.Events;
  }
  const std::unique_ptr<char, BufferFree> text(icalcomponent_as_ical_string_r(calendar.get()));
  if (text) result.Text = text.get();
  return result;
}

TCalendarResult WriteCalendar(const std::string& fileName, const TCalendarRequest& request) {
  const TCalendarText calendar = CalendarText(request);
  TCalendarResult result;
  result.LeftOut = calendar.LeftOut;
  if (calendar.Events == 0) {
    result.Ok = false;
    const std::string levels = CalendarLevelsText(request.Levels);
    if (request.Levels == 0)
      result.Reason = "no level chosen";
    else if (levels.size() == 1)
      result.Reason = "no level " + levels + " period lies in the chosen range of dates";
    else
      result.Reason = "no period of the levels " + levels + " lies in the chosen range of dates";
    if (calendar.LeftOut > 0) result.Reason += " and the years 1 to 9999";
    result.Message = "Cannot save '" + fileName + "': " + result.Reason;
    return result;
  }
  const TWriteResult written = WriteFileBytes(fileName, calendar.Text);
  result.Ok = written.Ok;
  result.Message = written.Message;
  result.Reason = written.Reason;
  if (written.Ok) result.Events = calendar.Events;
  return result;
}

double ListingEnd(const ReleaseSettings& settings, double start) {
  TChronocrator chronocrator;
  const std::vector<TPeriodSpan> general =
      PeriodSpans(ListGeneralPeriods(chronocrator, settings, start), settings, 1);
  return general.empty() ? start : general.back().End;
}

}  // namespace ostrane
