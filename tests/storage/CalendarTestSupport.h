// The calendar files read back with libical, for the calendar tests of the
// engine and of the command line.
#pragma once

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarExport.h"

namespace ostrane::testing {

// One VEVENT as libical reads it.
struct ReadEvent {
  std::string Uid, Summary, Description;
  TCalendarTime Start, End;
  bool HasEnd = false;
  // DTSTART or DTEND given with a time zone: a TZID parameter, or UTC ("Z").
  bool Zoned = false;
};

struct ReadCalendar {
  bool Parsed = false;
  std::string ProductId, Version, CalendarScale;
  icaltimetype Stamp = icaltime_null_time();  // of the first event
  std::vector<ReadEvent> Events;
};

inline TCalendarTime FromIcal(const icaltimetype& t) {
  return TCalendarTime{t.year, t.month, t.day, t.hour, t.minute, t.second};
}

inline bool ZonedTime(icalcomponent* event, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(event, kind);
  if (p == nullptr) return false;
  const icaltimetype t =
      kind == ICAL_DTSTART_PROPERTY ? icalproperty_get_dtstart(p) : icalproperty_get_dtend(p);
  return icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER) != nullptr ||
         icaltime_is_utc(t) || t.zone != nullptr || t.is_date;
}

inline const char* TextOf(icalcomponent* c, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(c, kind);
  const char* text = p ? icalproperty_get_value_as_string(p) : nullptr;
  return text ? text : "";
}

// Parses the text of a calendar with icalparser.
inline ReadCalendar ParseCalendar(const std::string& text) {
  ReadCalendar read;
  icalcomponent* root = icalparser_parse_string(text.c_str());
  if (root == nullptr || icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT) {
    if (root) icalcomponent_free(root);
    return read;
  }
  read.Parsed = true;
  read.ProductId = TextOf(root, ICAL_PRODID_PROPERTY);
  read.Version = TextOf(root, ICAL_VERSION_PROPERTY);
  read.CalendarScale = TextOf(root, ICAL_CALSCALE_PROPERTY);
  for (icalcomponent* e = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
    ReadEvent event;
    event.Uid = icalcomponent_get_uid(e) ? icalcomponent_get_uid(e) : "";
    event.Summary = icalcomponent_get_summary(e) ? icalcomponent_get_summary(e) : "";
    event.Description = icalcomponent_get_description(e) ? icalcomponent_get_description(e) : "";
    event.Start = FromIcal(icalcomponent_get_dtstart(e));
    event.HasEnd = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY) != nullptr;
    if (event.HasEnd) event.End = FromIcal(icalcomponent_get_dtend(e));
    event.Zoned = ZonedTime(e, ICAL_DTSTART_PROPERTY) || ZonedTime(e, ICAL_DTEND_PROPERTY);
    if (read.Events.empty()) read.Stamp = icalcomponent_get_dtstamp(e);
    read.Events.push_back(event);
  }
  icalcomponent_free(root);
  return read;
}

// The worked example: 1 January 2000 12:00, Valens, Aries, two general
// periods, Fortune in Cancer (so Aries is the 10th).
inline TCalendarRequest WorkedExample() {
  TCalendarRequest r;
  r.Settings.Name = "Time Lords";
  r.Settings.Year = 2000;
  r.Settings.MonthIndex = 0;
  r.Settings.Day = 1;
  r.Settings.TimeText = "12:00:00";
  r.Settings.ReleasingType = kValens;
  r.Settings.StartSign = 0;
  r.Settings.GeneralPeriods = 2;
  r.Settings.FortuneSign = 3;
  r.Start = 2451545.0;
  r.Stamp = 946684800;  // 2000-01-01T00:00:00Z
  return r;
}

}  // namespace ostrane::testing
