#include "storage/Aaf.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "chart/BuiltInPlaces.h"
#include "chart/TimeZones.h"
#include "core/Coordinates.h"
#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/IsoDateText.h"
#include "core/PrintableText.h"
#include "core/RealText.h"
#include "core/TimeText.h"
#include "storage/TextEncoding.h"

namespace ostrane {
namespace {

constexpr std::string_view kSpace = " \f\n\r\t\v";  // white space of the C locale

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

bool Unknown(std::string_view field) {
  return field.empty() || field == "*";
}

struct TFault {
  std::int64_t Line;
  std::string Why;
};

struct TChunk {
  std::int64_t Line = 0;
  std::string Id;    // "A93", "B93", "COM", ...
  std::string Text;  // after the colon, continuation lines joined
};

// The lines of one record, or the fault that refuses it.
struct TPending {
  std::int64_t Line = 0;
  std::vector<TChunk> Chunks;
  std::optional<TFault> Fault;
};

std::vector<std::string> Fields(const TChunk& chunk, std::size_t count) {
  std::vector<std::string> fields;
  std::string_view rest = chunk.Text;
  for (;;) {
    const auto comma = rest.find(',');
    fields.emplace_back(Trim(rest.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (fields.size() != count)
    throw TFault{chunk.Line, "#" + chunk.Id + " has " + std::to_string(fields.size()) +
                                 " fields, not " + std::to_string(count)};
  return fields;
}

// A whole number of 1 .. `maxDigits` ASCII digits, with a '-' when `sign`.
std::optional<std::int32_t> Number(std::string_view text, std::size_t maxDigits,
                                   bool sign = false) {
  const bool negative = sign && !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = text.find_first_of(separators);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// Common vehicle registration codes that AAF files give as the country, as
// the place table's ISO codes.
std::string CountryCode(const std::string& country) {
  static const std::map<std::string, std::string> codes = {
      {"A", "AT"},  {"B", "BE"},   {"CDN", "CA"}, {"D", "DE"},   {"E", "ES"},   {"F", "FR"},
      {"FL", "LI"}, {"GB", "GB"},  {"H", "HU"},   {"I", "IT"},   {"IRL", "IE"}, {"J", "JP"},
      {"L", "LU"},  {"M", "MT"},   {"N", "NO"},   {"P", "PT"},   {"PL", "PL"},  {"RUS", "RU"},
      {"S", "SE"},  {"SF", "FI"},  {"FIN", "FI"}, {"USA", "US"}, {"AUS", "AU"}, {"NZ", "NZ"},
      {"ZA", "ZA"}, {"DK", "DK"},  {"NL", "NL"},  {"CH", "CH"},  {"GR", "GR"},  {"CZ", "CZ"},
      {"SK", "SK"}, {"SLO", "SI"}, {"HR", "HR"},  {"TR", "TR"},  {"IL", "IL"},  {"IND", "IN"},
      {"BR", "BR"}, {"RA", "AR"},  {"MEX", "MX"}, {"RO", "RO"},  {"BG", "BG"},  {"UA", "UA"}};
  std::string upper;
  for (const char c : country) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  if (const auto found = codes.find(upper); found != codes.end()) return found->second;
  return upper.size() == 2 ? upper : std::string();
}

// Seconds east of a zone field: "1he00", "5hw", "0he21:48", "1", "-5".
std::optional<std::int32_t> ZoneSeconds(std::string_view text) {
  int sign = 1;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    sign = text[0] == '-' ? -1 : 1;
    text.remove_prefix(1);
  }
  std::size_t digits = 0;
  while (digits < text.size() && digits < 3 && text[digits] >= '0' && text[digits] <= '9') ++digits;
  const auto hours = Number(text.substr(0, digits), 2);
  if (!hours) return std::nullopt;
  text.remove_prefix(digits);
  if (!text.empty() && (text[0] == 'h' || text[0] == 'H')) text.remove_prefix(1);
  std::int32_t minutes = 0, seconds = 0;
  if (!text.empty()) {
    const char direction = text[0];
    if (direction == 'w' || direction == 'W') {
      if (sign < 0) return std::nullopt;
      sign = -1;
    } else if (direction != 'e' && direction != 'E') {
      return std::nullopt;
    }
    text.remove_prefix(1);
    if (!text.empty()) {
      const auto parts = Split(text, ":");
      if (parts.size() > 2) return std::nullopt;
      const auto m = Number(parts[0], 2);
      const auto s = parts.size() == 2 ? Number(parts[1], 2) : std::optional<std::int32_t>(0);
      if (!m || !s || *m > 59 || *s > 59) return std::nullopt;
      minutes = *m;
      seconds = *s;
    }
  }
  const std::int32_t total = *hours * 3600 + minutes * 60 + seconds;
  if (total > kMaxUtcOffsetSeconds) return std::nullopt;
  return sign * total;
}

double Coordinate(const std::string& text, bool latitude, std::int64_t line) {
  std::string form = text;  // "52n22:30" as the parser takes it, "52n22'30"
  for (char& c : form)
    if (c == ':') c = '\'';
  try {
    return latitude ? ParseLatitude(form) : ParseLongitude(form);
  } catch (const EConvertError& e) {
    throw TFault{line, std::string(latitude ? "the latitude: " : "the longitude: ") + e.what()};
  }
}

struct TBirth {
  std::int32_t Year = 0, Month = 0, Day = 0;
  std::int64_t MsOfDay = 12 * 3'600'000;
  bool TimeKnown = false;
  double LocalJulianDay() const {
    TDate date;
    return date.MomentToJulian(
        Year, Month, Day, static_cast<double>(MsOfDay) / static_cast<double>(kMillisecondsPerDay));
  }
};

void ReadDate(const std::string& text, std::int64_t line, TBirth& birth) {
  if (Unknown(text)) throw TFault{line, "the birth date is unknown ('*')"};
  const auto parts = Split(text, ".");
  const auto day = parts.size() == 3 ? Number(parts[0], 2) : std::nullopt;
  const auto month = parts.size() == 3 ? Number(parts[1], 2) : std::nullopt;
  const auto year = parts.size() == 3 ? Number(parts[2], 5, true) : std::nullopt;
  if (!day || !month || !year)
    throw TFault{line, "the date '" + EchoedText(text) + "' is not d.m.yyyy"};
  if (*year < kMinYear || *year > kMaxYear)
    throw TFault{line, "the date '" + text + "' lies outside the years " +
                           std::to_string(kMinYear) + " to " + std::to_string(kMaxYear)};
  if (!IsCivilDate(*year, *month, *day))
    throw TFault{line, "the date '" + text + "' does not exist" +
                           (*year < 1582 || (*year == 1582 && *month <= 10)
                                ? " (Julian calendar before 1582-10-15)"
                                : "")};
  birth.Year = *year;
  birth.Month = *month;
  birth.Day = *day;
}

void ReadTime(const std::string& text, std::int64_t line, TBirth& birth) {
  if (Unknown(text)) return;
  const auto parts = Split(text, ":.");
  std::optional<std::int32_t> h, m, s = 0;
  if (parts.size() == 2 || parts.size() == 3) {
    h = Number(parts[0], 2);
    m = Number(parts[1], 2);
    if (parts.size() == 3) s = Number(parts[2], 2);
  }
  if (!h || !m || !s)
    throw TFault{line, "the time '" + EchoedText(text) + "' is not h:mm or h:mm:ss"};
  if (*h > 23 || *m > 59 || *s > 59)
    throw TFault{line, "the time '" + text + "' is not a time of day"};
  birth.MsOfDay = ((*h * 60LL + *m) * 60 + *s) * 1000;
  birth.TimeKnown = true;
}

// "HH:MM", or "HH:MM:SS" when the seconds are not 0 or `seconds`.
std::string TimeText(std::int64_t msOfDay, bool seconds = false) {
  const std::int64_t s = msOfDay / 1000;
  char buffer[16];
  if (s % 60 == 0 && !seconds)
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60));
  else
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
  return buffer;
}

// The place and offset of a #B93 chunk.
void ReadB93(const TChunk& chunk, const TBirth& birth, TBirthPlace& place) {
  const auto f = Fields(chunk, 5);
  if (Unknown(f[1]) || Unknown(f[2]))
    throw TFault{chunk.Line, "the #B93 chunk does not give the coordinates"};
  place.Latitude = Coordinate(f[1], true, chunk.Line);
  place.Longitude = Coordinate(f[2], false, chunk.Line);

  std::optional<double> julianDay;
  if (!Unknown(f[0])) {
    julianDay = ParseReal(f[0], ".");
    if (!julianDay || !std::isfinite(*julianDay) || *julianDay < -1e7 || *julianDay > 1e7)
      throw TFault{chunk.Line, "the Julian Day '" + EchoedText(f[0]) + "' is not a number of days"};
  }
  std::int32_t saving = 0;
  bool localMeanTime = false;
  if (f[4] == "L" || f[4] == "l" || f[4] == "m" || f[4] == "M")
    localMeanTime = true;
  else if (f[4] == "0" || f[4] == "1" || f[4] == "2")
    saving = (f[4][0] - '0') * 3600;
  else if (!Unknown(f[4]))
    throw TFault{chunk.Line,
                 "the daylight saving '" + EchoedText(f[4]) + "' is not 0, 1, 2, L or m"};

  const double local = birth.LocalJulianDay();
  std::int32_t offset = 0;
  if (!Unknown(f[3])) {
    const auto zone = ZoneSeconds(f[3]);
    if (!zone)
      throw TFault{chunk.Line, "the zone '" + EchoedText(f[3]) +
                                   "' is not hours east or west, such as 1he00 or 5hw"};
    offset = *zone + saving;
    if (julianDay && birth.TimeKnown) {
      const double apart = std::fabs((local - offset / 86400.0 - *julianDay) * 86400.0);
      if (apart > 60)
        throw TFault{chunk.Line, "the Julian Day " + EchoedText(f[0]) +
                                     " does not agree with the date, time and zone (" +
                                     std::to_string(std::llround(apart)) + " s apart)"};
    }
  } else if (julianDay && birth.TimeKnown) {
    const double seconds = (local - *julianDay) * 86400.0;
    if (std::fabs(seconds) > kMaxUtcOffsetSeconds)
      throw TFault{chunk.Line, "the Julian Day " + EchoedText(f[0]) +
                                   " lies more than 18 hours from the date and time"};
    const long long whole = std::llround(seconds);
    const long long minute = std::llround(seconds / 60) * 60;
    offset = static_cast<std::int32_t>(std::llabs(whole - minute) <= 1 ? minute : whole);
  } else if (localMeanTime) {
    offset = static_cast<std::int32_t>(std::lround(*place.Longitude * 240));
  } else {
    throw TFault{chunk.Line, "the #B93 chunk gives neither the zone nor the Julian Day"};
  }
  if (std::abs(offset) > kMaxUtcOffsetSeconds)
    throw TFault{chunk.Line, "the UTC offset lies beyond 18 hours"};
  place.UtcOffsetSeconds = offset;
}

// The record's place looked up by name, as a typed one is.
void LookUpPlace(const std::string& name, const std::string& country, std::int64_t line,
                 TBirthPlace& place) {
  if (Unknown(name))
    throw TFault{line, "the place is unknown and no #B93 chunk gives its coordinates"};
  const TPlace* found = nullptr;
  if (const std::string code = CountryCode(country); !code.empty())
    found = BuiltInPlaces().ExactMatch(name + ", " + code);
  if (!found) found = BuiltInPlaces().ExactMatch(name);
  if (!found) {
    const std::string nearest = NearestPlaceLabels(name);
    throw TFault{line, "no place is named '" + EchoedText(name) + "'" +
                           (nearest.empty() ? "" : "; nearest names: " + nearest)};
  }
  const std::string kept = place.Name;
  SetBirthPlace(place, *found);
  place.Name = kept;
}

TChartRecord BuildRecord(const TPending& pending, const ReleaseSettings& base) {
  TChartRecord record;
  ReleaseSettings& s = record.Settings;
  s = base;
  s.Place = TBirthPlace();
  s.Place.Dst = base.Place.Dst;
  s.Place.Variants = base.Place.Variants;

  const TChunk& a93 = pending.Chunks.front();
  const auto a = Fields(a93, 7);
  const std::string last = Unknown(a[0]) ? "" : a[0], first = Unknown(a[1]) ? "" : a[1];
  s.Name = first.empty() ? last : last.empty() ? first : first + " " + last;
  TBirth birth;
  ReadDate(a[3], a93.Line, birth);
  ReadTime(a[4], a93.Line, birth);
  s.Year = birth.Year;
  s.MonthIndex = birth.Month - 1;
  s.Day = birth.Day;
  if (birth.TimeKnown)
    s.TimeText = TimeText(birth.MsOfDay, a[4].find_first_of(":.") != a[4].find_last_of(":."));
  const std::string place = Unknown(a[5]) ? "" : a[5], country = Unknown(a[6]) ? "" : a[6];
  s.Place.Name = country.empty() ? place : place + ", " + country;

  const TChunk* b93 = nullptr;
  std::string zoneName;
  for (std::size_t i = 1; i < pending.Chunks.size(); ++i) {
    const TChunk& chunk = pending.Chunks[i];
    if (chunk.Id == "B93") {
      if (b93) throw TFault{chunk.Line, "a second #B93 chunk in one record"};
      b93 = &chunk;
    } else if (chunk.Id == "ZNAM") {
      zoneName = std::string(Trim(chunk.Text));
    } else if (chunk.Id == "COM") {
      record.Note += (record.Note.empty() ? "" : "\n") + chunk.Text;
    }
  }
  while (!record.Note.empty() && record.Note.back() == '\n') record.Note.pop_back();

  // Only a region's zone id is taken: "CET" or "EST" also name the zone
  // abbreviations files give, which do not follow a place's history.
  if (zoneName.find('/') == std::string::npos || !IsKnownZone(zoneName)) zoneName.clear();
  TBirthPlace& p = s.Place;
  if (b93) {
    ReadB93(*b93, birth, p);
    if (!zoneName.empty()) {
      p.TimeZone = zoneName;
      // The zone decides when it gives the same offset.
      const TZoneResolution zone = ResolveTimeZone(zoneName, birth.LocalJulianDay(), *p.Longitude);
      if (zone.Status == TZoneStatus::Unique && zone.Offset.Seconds == *p.UtcOffsetSeconds)
        p.UtcOffsetSeconds.reset();
    }
  } else {
    LookUpPlace(place, country, a93.Line, p);
    if (!zoneName.empty()) p.TimeZone = zoneName;
    if (!IsKnownZone(p.TimeZone)) throw TFault{a93.Line, UnknownZoneMessage(p.TimeZone)};
  }
  return record;
}

// The line's chunk id ("A93"; "" for a "#:" comment), or nothing when the
// line is not a chunk line.
std::optional<std::string_view> ChunkId(std::string_view line) {
  if (line.empty() || line[0] != '#') return std::nullopt;
  const auto colon = line.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view id = line.substr(1, colon - 1);
  for (const char c : id)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
      return std::nullopt;
  return id;
}

}  // namespace

bool LooksLikeAaf(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const auto first = bytes.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return false;
  const std::string_view line = bytes.substr(first, bytes.find('\n', first) - first);
  return ChunkId(line).has_value();
}

std::vector<TAafRecord> ReadAaf(std::string_view bytes, const ReleaseSettings& base) {
  const bool utf8 = IsValidUtf8(bytes);
  if (utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<TPending> pending;
  const auto refuse = [&](std::int64_t line, std::string why) {
    if (pending.empty() || pending.back().Chunks.empty()) {  // outside any record
      pending.push_back(TPending{line, {}, TFault{line, std::move(why)}});
    } else if (!pending.back().Fault) {
      pending.back().Fault = TFault{line, std::move(why)};
    }
  };
  std::int64_t number = 0;
  while (!bytes.empty()) {
    ++number;
    const auto end = bytes.find('\n');
    std::string_view raw = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::string fault;
    if (raw.size() > kMaxAafLineBytes)
      fault = "the line is longer than " + std::to_string(kMaxAafLineBytes) + " bytes";
    else if (raw.find('\0') != std::string_view::npos)
      fault = "the line holds a NUL byte";
    if (!fault.empty()) {
      if (raw.substr(0, 5) == "#A93:")  // a record of its own, refused
        pending.push_back(TPending{number, {TChunk{number, "A93", {}}}, TFault{number, fault}});
      else
        refuse(number, std::move(fault));
      continue;
    }
    const std::string text = utf8 ? std::string(raw) : Windows1252ToUtf8(raw);
    const std::string_view line = text;
    TPending* current =
        pending.empty() || pending.back().Chunks.empty() ? nullptr : &pending.back();
    if (const auto id = ChunkId(line)) {
      if (id->empty()) continue;  // "#:" comment
      if (*id == "A93") {
        pending.push_back(TPending{number, {}, std::nullopt});
        current = &pending.back();
      } else if (!current) {
        refuse(number, "#" + std::string(*id) + " stands before the first #A93 record");
        continue;
      }
      current->Chunks.push_back(
          TChunk{number, std::string(*id), std::string(Trim(line.substr(id->size() + 2)))});
    } else if (!current) {
      if (!Trim(line).empty())
        refuse(number, line[0] == '#' ? "'" + EchoedText(line) + "' is not a chunk (#ID:)"
                                      : "text stands before the first #A93 record");
    } else if (!line.empty() && line[0] == '#') {
      refuse(number, "'" + EchoedText(line) + "' is not a chunk (#ID:)");
    } else if (current->Chunks.back().Id == "COM") {
      current->Chunks.back().Text += "\n" + std::string(Trim(line));
    } else {
      current->Chunks.back().Text += std::string(Trim(line));
    }
  }

  std::vector<TAafRecord> records;
  records.reserve(pending.size());
  for (const TPending& each : pending) {
    TAafRecord record;
    record.Line = each.Line;
    try {
      if (each.Fault) throw *each.Fault;
      record.Chart = BuildRecord(each, base);
    } catch (const TFault& fault) {
      record.Refusal = "Line " + std::to_string(fault.Line) + ": " + fault.Why;
    }
    records.push_back(std::move(record));
  }
  return records;
}

namespace {

// A field as AAF can hold it: no comma, no line break or other control
// character, '*' when empty.
std::string AafField(std::string_view text) {
  std::string field(Trim(text));
  for (char& c : field) {
    if (c == ',') c = ';';
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return field.empty() ? "*" : field;
}

std::string ZoneText(std::int32_t seconds) {
  const std::int32_t a = std::abs(seconds);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%dh%c%02d", a / 3600, seconds < 0 ? 'w' : 'e', a / 60 % 60);
  std::string text = buffer;
  if (a % 60 != 0) {
    std::snprintf(buffer, sizeof buffer, ":%02d", a % 60);
    text += buffer;
  }
  return text;
}

std::string CoordinateText(std::string text) {  // "52n22'30" as AAF writes it, "52n22:30"
  for (char& c : text)
    if (c == '\'') c = ':';
  return text;
}

void WriteRecord(const TChartRecord& record, std::string& out) {
  const ReleaseSettings& s = record.Settings;
  const TBirthPlace& p = s.Place;
  std::string place = p.Name, country;
  if (const auto comma = place.rfind(", "); comma != std::string::npos) {
    country = place.substr(comma + 2);
    place.resize(comma);
  }
  const auto ms = ParseTimeMs(s.TimeText, TimeLocale());
  // Seconds written as the text gives them, 0 too ("12:00:00").
  const bool seconds = ms && s.TimeText.find(':') != s.TimeText.rfind(':');
  out += "#A93:" + AafField(s.Name) + ",*,*," + std::to_string(s.Day) + "." +
         std::to_string(s.MonthIndex + 1) + "." + std::to_string(s.Year) + "," +
         (ms ? TimeText(*ms, seconds) : "*") + "," + AafField(place) + "," + AafField(country) +
         "\r\n";
  if (p.Known()) {
    std::string julianDay = "*", zone = "*", saving = "*";
    if (ms) {
      TBirth birth{s.Year, s.MonthIndex + 1, s.Day, *ms, true};
      const double local = birth.LocalJulianDay();
      std::optional<std::int32_t> offset = p.UtcOffsetSeconds;
      if (!offset && !p.TimeZone.empty()) {
        const TZoneResolution resolved =
            ResolveTimeZone(p.TimeZone, local, *p.Longitude,
                            p.Dst == TDstChoice::Later ? TDstChoice::Later : TDstChoice::Earlier);
        if (resolved.Status != TZoneStatus::UnknownZone) offset = resolved.Offset.Seconds;
      }
      if (offset) {
        char buffer[48];
        const double ut = local - *offset / 86400.0;
        std::snprintf(buffer, sizeof buffer, ut >= 0 ? "%014.6f" : "%.6f", ut);
        julianDay = buffer;
        zone = ZoneText(*offset);
        saving = "0";
      }
    }
    out += "#B93:" + julianDay + "," + CoordinateText(FormatLatitude(*p.Latitude)) + "," +
           CoordinateText(FormatLongitude(*p.Longitude)) + "," + zone + "," + saving + "\r\n";
  }
  if (!p.TimeZone.empty()) out += "#ZNAM:" + AafField(p.TimeZone) + "\r\n";
  if (!record.Note.empty()) {
    std::string_view note = record.Note;
    bool firstLine = true;
    for (;;) {
      const auto end = note.find('\n');
      std::string line(Trim(note.substr(0, end)));
      for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
      if (firstLine)
        out += "#COM:" + line + "\r\n";
      else
        out += (line.empty() || line[0] != '#' ? "" : " ") + line + "\r\n";
      firstLine = false;
      if (end == std::string_view::npos) break;
      note.remove_prefix(end + 1);
    }
  }
}

}  // namespace

std::string WriteAaf(const std::vector<TChartRecord>& records) {
  std::string out;
  for (const TChartRecord& record : records) WriteRecord(record, out);
  return out;
}

}  // namespace ostrane
