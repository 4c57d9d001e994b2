// Calendar files read back with libical, for the tests of the export, of
// ostrane-list --ics and of the window's command.
#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <libical/ical.h>

#include "calendar/CalendarExport.h"
#include "chart/TimeZones.h"
#include "listing/PeriodSpans.h"

namespace ostrane::testing {

struct ReadEvent {
  std::string Uid, Summary, Description;
  TCalendarTime Start, End;
  bool HasEnd = false;
  bool Zoned = false;     // DTSTART or DTEND with a TZID, in UTC or a date only
  bool AllDay = false;    // DTSTART a DATE
  std::string StartZone;  // DTSTART's TZID; empty without one
  // The VALARMs: each one's ACTION and TRIGGER as written ("DISPLAY -P3D").
  std::vector<std::string> Alarms;
};

struct ReadCalendar {
  std::string ProductId, Version, Scale;
  icaltimetype Stamp = icaltime_null_time();  // of the first event
  std::vector<ReadEvent> Events;
  std::vector<std::string> Zones;  // the TZIDs of the VTIMEZONEs
};

inline std::string Text(const char* text) {
  return text ? text : "";
}

inline bool Zoned(icalcomponent* event, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(event, kind);
  if (p == nullptr) return false;
  const icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(p));
  return icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER) != nullptr ||
         icaltime_is_utc(t) || t.is_date;
}

inline std::string PropertyText(icalcomponent* c, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(c, kind);
  return Text(p ? icalproperty_get_value_as_string(p) : nullptr);
}

// The calendar in `text` as icalparser reads it.
inline ReadCalendar ParseCalendar(const std::string& text) {
  ReadCalendar read;
  icalcomponent* root = icalparser_parse_string(text.c_str());
  if (root == nullptr) return read;
  const auto value = [root](icalproperty_kind kind) { return PropertyText(root, kind); };
  read.ProductId = value(ICAL_PRODID_PROPERTY);
  read.Version = value(ICAL_VERSION_PROPERTY);
  read.Scale = value(ICAL_CALSCALE_PROPERTY);
  const auto time = [](const icaltimetype& t) {
    return TCalendarTime{t.year, t.month, t.day, t.hour, t.minute, t.second};
  };
  for (icalcomponent* e = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
    if (read.Events.empty()) read.Stamp = icalcomponent_get_dtstamp(e);
    const bool hasEnd = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY) != nullptr;
    read.Events.push_back({Text(icalcomponent_get_uid(e)),
                           Text(icalcomponent_get_summary(e)),
                           Text(icalcomponent_get_description(e)),
                           time(icalcomponent_get_dtstart(e)),
                           hasEnd ? time(icalcomponent_get_dtend(e)) : TCalendarTime{},
                           hasEnd,
                           Zoned(e, ICAL_DTSTART_PROPERTY) || Zoned(e, ICAL_DTEND_PROPERTY),
                           false,
                           {},
                           {}});
    ReadEvent& event = read.Events.back();
    icalproperty* start = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
    event.AllDay = start && icalvalue_get_datetime(icalproperty_get_value(start)).is_date;
    icalparameter* tzid =
        start ? icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER) : nullptr;
    event.StartZone = Text(tzid ? icalparameter_get_tzid(tzid) : nullptr);
    for (icalcomponent* a = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(e, ICAL_VALARM_COMPONENT))
      event.Alarms.push_back(PropertyText(a, ICAL_ACTION_PROPERTY) + " " +
                             PropertyText(a, ICAL_TRIGGER_PROPERTY));
  }
  for (icalcomponent* z = icalcomponent_get_first_component(root, ICAL_VTIMEZONE_COMPONENT); z;
       z = icalcomponent_get_next_component(root, ICAL_VTIMEZONE_COMPONENT))
    read.Zones.push_back(PropertyText(z, ICAL_TZID_PROPERTY));
  icalcomponent_free(root);
  return read;
}

// The worked example: 1 January 2000 12:00, Valens, Aries, two general
// periods, Fortune in Cancer (so Aries is the 10th).
inline TCalendarRequest WorkedExample() {
  TCalendarRequest r;
  r.Settings.Year = 2000;
  r.Settings.GeneralPeriods = 2;
  r.Settings.FortuneSign = 3;
  r.Start = 2451545.0;
  r.Stamp = 946684800;  // 2000-01-01T00:00:00Z
  return r;
}

// Fails unless the events are the periods of the request's levels and
// range (and from the day of the stamp with FromToday) as PeriodSpans gives
// them, in order: their times converted by CalendarTime, floating or in the
// birth zone as CalendarZone says (no DTEND for a period that rounds to no
// length), their summaries, and their UIDs.  Spans, not one-day events.
// A moment `local` of the listing (on the birth's clock) on the clock of
// `zone` (empty: the birth's clock itself), through Qt's zone database.
inline double OnZoneClock(const TCalendarRequest& r, const std::string& zone, double local) {
  if (zone.empty()) return local;
  const TBirthPlace& place = r.Settings.Place;
  const double birthOffset =
      ResolveTimeZone(place.TimeZone, r.Start, place.Longitude.value_or(0.0)).Offset.Seconds;
  const double utc = local - birthOffset / 86400.0;
  const QDateTime instant = QDateTime::fromMSecsSinceEpoch(
      static_cast<qint64>(std::llround((utc - 2440587.5) * 86400000.0)), QTimeZone::utc());
  return utc + QTimeZone(QByteArray::fromStdString(zone)).offsetFromUtc(instant) / 86400.0;
}

inline void ExpectEventsArePeriods(const ReadCalendar& read, const TCalendarRequest& r) {
  TChronocrator chronocrator;
  std::vector<TPeriodSpan> periods;
  const TListing main = ListGeneralPeriods(chronocrator, r.Settings, r.Start);
  const double from = r.FromToday ? std::max(r.From, DayStartJulianDay(r.Stamp)) : r.From;
  const std::string zone = CalendarZone(r.Settings.Place);
  for (const TPeriodSpan& p : PeriodSpans(main, r.Settings, 3, from, r.To))
    if (r.Levels & CalendarLevel(p.Level)) periods.push_back(p);
  ASSERT_EQ(read.Events.size(), periods.size());
  for (std::size_t i = 0; i < periods.size(); ++i) {
    const ReadEvent& e = read.Events[i];
    SCOPED_TRACE("event " + std::to_string(i) + ": " + e.Summary);
    const TCalendarTime start = CalendarTime(OnZoneClock(r, zone, periods[i].Start)),
                        end = CalendarTime(OnZoneClock(r, zone, periods[i].End));
    EXPECT_EQ(CalendarTimeText(e.Start), CalendarTimeText(start));
    EXPECT_EQ(e.HasEnd, !(end == start));
    if (e.HasEnd) {
      EXPECT_EQ(CalendarTimeText(e.End), CalendarTimeText(end));
    }
    EXPECT_EQ(e.Summary, PeriodSummary(r.Settings, r.ReleasedFrom, periods[i]));
    EXPECT_EQ(e.Uid, PeriodUid(r, periods[i]));
    EXPECT_EQ(e.Zoned, !zone.empty()) << "floating local times unless in the birth zone";
    EXPECT_EQ(e.StartZone, zone);
  }
}

}  // namespace ostrane::testing
