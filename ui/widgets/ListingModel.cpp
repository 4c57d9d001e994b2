#include "ui/widgets/ListingModel.h"

#include "astro/Rulers.h"
#include "listing/InForceText.h"
#include "ui/widgets/ListMarks.h"

namespace ostrane {
namespace {

const std::shared_ptr<const TListing>& EmptyListing() {
  static const auto empty = std::make_shared<const TListing>();
  return empty;
}

}  // namespace

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
