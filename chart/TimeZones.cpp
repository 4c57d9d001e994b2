#include "chart/TimeZones.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/DateTime.h"
#include "core/IsoDateText.h"

namespace ostrane {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr qint64 kMsPerDay = 86'400'000;

QDateTime Instant(qint64 msSinceEpoch) {
  return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::UTC);
}

// The zone's offset at an instant, with local mean time taken at the
// birthplace.
TZoneOffset OffsetAt(const QTimeZone& zone, qint64 msSinceEpoch, double eastLongitude) {
  const QDateTime at = Instant(msSinceEpoch);
  TZoneOffset offset{zone.offsetFromUtc(at), zone.abbreviation(at).toStdString(), false};
  if (offset.Abbreviation == "LMT") {
    offset.Seconds = static_cast<std::int32_t>(std::lround(eastLongitude * 240.0));
    offset.LocalMeanTime = true;
  }
  return offset;
}

qint64 LocalMilliseconds(double julianDay) {
  if (!(julianDay >= TDate::kMinSupportedJulianDay)) julianDay = TDate::kMinSupportedJulianDay;
  julianDay = std::min(julianDay, TDate::kMaxSupportedJulianDay);
  return static_cast<qint64>(std::llround((julianDay - kUnixEpochJulianDay) * kMsPerDay));
}

// Fills Status, Earlier and Later from the zone's data.
void Resolve(const QTimeZone& zone, qint64 local, double eastLongitude, TZoneResolution& r) {
  // Every offset that may be in force within the reach of any offset
  // (18 hours) of the clock time: the one before the window and those the
  // window's changes bring.
  const qint64 from = local - 2 * kMsPerDay;
  const auto changes = zone.transitions(Instant(from), Instant(local + 2 * kMsPerDay));
  std::vector<int> offsets{zone.offsetFromUtc(Instant(from))};
  for (const auto& change : changes) offsets.push_back(change.offsetFromUtc);
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

  // The instants whose clock shows the local time.
  std::vector<qint64> instants;
  for (const int seconds : offsets) {
    const qint64 utc = local - qint64{seconds} * 1000;
    if (zone.offsetFromUtc(Instant(utc)) == seconds) instants.push_back(utc);
  }
  std::sort(instants.begin(), instants.end());
  if (!instants.empty()) {
    r.Status = instants.size() == 1 ? TZoneStatus::Unique : TZoneStatus::Overlap;
    r.Earlier = OffsetAt(zone, instants.front(), eastLongitude);
    r.Later = OffsetAt(zone, instants.back(), eastLongitude);
    return;
  }
  // None: the clocks jumped over the time at one of the changes.
  for (const auto& change : changes) {
    const qint64 at = change.atUtc.toMSecsSinceEpoch();
    const int before = zone.offsetFromUtc(Instant(at - 1));
    if (at + qint64{before} * 1000 <= local && local < at + qint64{change.offsetFromUtc} * 1000) {
      r.Status = TZoneStatus::Gap;
      r.Earlier = OffsetAt(zone, at - 1, eastLongitude);
      r.Later = OffsetAt(zone, at, eastLongitude);
      return;
    }
  }
  // Not reached with consistent data; the offset of the instant read as UTC.
  r.Status = TZoneStatus::Unique;
  r.Earlier = r.Later = OffsetAt(zone, local, eastLongitude);
}

// True when the time-zone database ($TZDIR, else /usr/share/zoneinfo)
// holds a zone file (TZif) of that name.
bool HoldsZoneFile(const std::string& zoneId) {
  const QByteArray dir = qgetenv("TZDIR");
  QFile file((dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : QString::fromLocal8Bit(dir)) +
             '/' + QString::fromStdString(zoneId));
  return QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly) && file.read(4) == "TZif";
}

}  // namespace

namespace {

bool LooksUpZone(const std::string& zoneId) {
  const QByteArray id = QByteArray::fromStdString(zoneId);
  if (QTimeZone::isTimeZoneIdAvailable(id)) return true;
  // Qt lists only the zones of the database's tables ("Europe/Amsterdam"),
  // not its links and other entries ("Europe/Kiev", "CET", "Japan",
  // "EST5EDT"), but opens them; any other text it would read as a POSIX
  // rule.  So an id counts when the database holds a zone file of that name.
  constexpr std::string_view kIdCharacters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/_+-";
  if (zoneId.find_first_not_of(kIdCharacters) != std::string::npos || zoneId.front() == '/' ||
      zoneId.front() == '-')
    return false;
  return HoldsZoneFile(zoneId) && QTimeZone(id).isValid();
}

}  // namespace

bool IsKnownZone(const std::string& zoneId) {
  if (zoneId.empty()) return false;
  // Asked for every chart, so each thread remembers its recent answers
  // instead of opening the database again (a bounded number of them).
  thread_local std::unordered_map<std::string, bool> answers;
  if (const auto found = answers.find(zoneId); found != answers.end()) return found->second;
  if (answers.size() >= 256) answers.clear();
  return answers.emplace(zoneId, LooksUpZone(zoneId)).first->second;
}

std::string UnknownZoneMessage(const std::string& zoneId) {
  return "'" + zoneId + "' is not a time zone of the time-zone database";
}

TZoneResolution ResolveTimeZone(const std::string& zoneId, double localJulianDay,
                                double eastLongitude, TDstChoice choice,
                                std::optional<std::int32_t> manualOffset) {
  TZoneResolution r;
  if (IsKnownZone(zoneId)) {
    Resolve(QTimeZone(QByteArray::fromStdString(zoneId)), LocalMilliseconds(localJulianDay),
            eastLongitude, r);
    r.Offset = choice == TDstChoice::Later ? r.Later : r.Earlier;
  }
  if (manualOffset) {
    r.Offset = TZoneOffset{*manualOffset, {}, false};
    r.Manual = true;
  }
  r.UtcJulianDay = localJulianDay - r.Offset.Seconds / 86400.0;
  return r;
}

double LocalClockJulianDay(const QDateTime& reading) {
  const QDate date = reading.date();
  return CivilJulianDay(
      TCivilMoment{date.year(), date.month(), date.day(), reading.time().msecsSinceStartOfDay()});
}

}  // namespace ostrane
