#include "ui/widgets/ListingModel.h"

#include <QStringList>

#include "astro/Rulers.h"
#include "core/Ages.h"
#include "core/DateSpan.h"
#include "listing/InForceText.h"
#include "listing/Releasing.h"
#include "ui/widgets/ListMarks.h"

namespace ostrane {
namespace {

const std::shared_ptr<const TListing>& EmptyListing() {
  static const auto empty = std::make_shared<const TListing>();
  return empty;
}

// The date of `moment` (a Julian Day, local clock time) as the lines show
// dates, a moment within half a millisecond of midnight on the next day.
QString DateText(double moment, TDateStyle style) {
  return QString::fromStdString(ShownDateText(moment, style));
}

std::int32_t AgeAt(const TLineDates& dates, double moment) {
  return CompletedYears(dates.BirthYear, dates.BirthMonth, dates.BirthDay, moment);
}

QString Count(std::int32_t n, const char* unit) {
  return QString("%1 %2%3").arg(n).arg(unit).arg(n == 1 ? "" : "s");
}

// "2 years, 5 months, 19 days", the parts that are not zero; "0 days".
QString SpanText(const TDateSpan& span) {
  QStringList parts;
  if (span.Years != 0) parts << Count(span.Years, "year");
  if (span.Months != 0) parts << Count(span.Months, "month");
  if (span.Days != 0 || parts.isEmpty()) parts << Count(span.Days, "day");
  return parts.join(", ");
}

}  // namespace

TLineDates LineDatesOf(const ReleaseSettings& settings) {
  return {settings.Year, settings.MonthIndex + 1, settings.Day, settings.DateStyle};
}

TListingModel::TListingModel(QObject* parent)
    : QAbstractListModel(parent), FListing(EmptyListing()) {}

void TListingModel::SetListing(std::shared_ptr<const TListing> listing) {
  beginResetModel();
  if (!listing) listing = EmptyListing();
  FListing = std::move(listing);
  FInForce.assign(FListing->Lines.size(), false);
  endResetModel();
}

void TListingModel::Clear() {
  SetListing(nullptr);
}

int TListingModel::DataLineOfRow(int row) const {
  const int line = row - static_cast<int>(FListing->Header.size());
  return line >= 0 && line < static_cast<int>(FListing->Lines.size()) ? line : -1;
}

void TListingModel::MarkInForce(int row) {
  const int line = DataLineOfRow(row);
  if (line < 0 || FInForce[static_cast<std::size_t>(line)]) return;
  FInForce[static_cast<std::size_t>(line)] = true;
  emit dataChanged(index(row), index(row), {kPeriodInForceRole});
}

void TListingModel::ClearInForce() {
  const int header = static_cast<int>(FListing->Header.size());
  for (std::size_t line = 0; line < FInForce.size(); ++line) {
    if (!FInForce[line]) continue;
    FInForce[line] = false;
    const int row = header + static_cast<int>(line);
    emit dataChanged(index(row), index(row), {kPeriodInForceRole});
  }
}

void TListingModel::SetChart(const TChart* chart) {
  if (chart)
    FChart = *chart;
  else
    FChart.reset();
  const int rows = rowCount();
  if (rows > 0)
    emit dataChanged(index(0), index(rows - 1), {Qt::ToolTipRole, kPeriodRulerReadingRole});
}

void TListingModel::SetLineDates(std::optional<TLineDates> dates) {
  FDates = dates;
  const int rows = rowCount();
  if (rows > 0)
    emit dataChanged(index(0), index(rows - 1),
                     {kPeriodAgeRole, kPeriodEndsTextRole, kPeriodSpanTextRole});
}

int TListingModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(FListing->Header.size() + FListing->Lines.size());
}

QVariant TListingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row();
  const int line = DataLineOfRow(row);
  if (line < 0) {
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(FListing->Header[static_cast<std::size_t>(row)]);
  }
  const TListedLine& listed = FListing->Lines[static_cast<std::size_t>(line)];
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(listed.Text);
    case kPeriodLevelRole: return listed.Period.Level;
    case kPeriodCounterRole: return listed.Period.Counter;
    case kPeriodStartRole: return listed.Period.Start;
    case kPeriodLoosingRole: return listed.Period.Loosing;
    case kPeriodInForceRole: return static_cast<bool>(FInForce[static_cast<std::size_t>(line)]);
    case kPeriodRulerRole: return Index(DomicileRuler(listed.Period.Counter));
    case kPeriodEndRole: return listed.End;
    case kPeriodAgeRole:
      if (!FDates) return {};
      return AgeAt(*FDates, listed.Period.Start);
    case kPeriodEndsTextRole:
      if (!FDates) return {};
      return QString("ends %1 \u00B7 age %2")
          .arg(DateText(listed.End, FDates->Style))
          .arg(AgeAt(*FDates, listed.Period.Start));
    case kPeriodSpanTextRole:
      if (!FDates) return {};
      return QString("From %1 to %2 (%3), aged %4 to %5")
          .arg(DateText(listed.Period.Start, FDates->Style), DateText(listed.End, FDates->Style),
               SpanText(CalendarSpan(listed.Period.Start, listed.End)))
          .arg(AgeAt(*FDates, listed.Period.Start))
          .arg(AgeAt(*FDates, listed.End));
    case Qt::ToolTipRole:
    case kPeriodRulerReadingRole: {
      const TPeriodStep& period = listed.Period;
      return QString::fromStdString(
          PeriodRulerText(PeriodName(period.Counter, period.Level),
                          ReadRuler(period.Counter, FChart ? &*FChart : nullptr)));
    }
    default: return {};
  }
}

}  // namespace ostrane
