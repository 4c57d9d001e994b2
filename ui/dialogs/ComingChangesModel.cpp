#include "ui/dialogs/ComingChangesModel.h"

#include <QBrush>
#include <cstddef>
#include <string>
#include <utility>

#include "astro/Rulers.h"
#include "core/Ages.h"
#include "core/Chronocrators.h"
#include "core/IntegerText.h"
#include "core/Planets.h"
#include "listing/InForceText.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"
#include "ui/widgets/ListMarks.h"

namespace ostrane {
namespace {

const char* const kLevelNames[4] = {"general", "sub", "L3", "L4"};

// "10th: the peak", "7th: angular", "3rd"; empty when the place is unknown.
std::string PlaceText(int place) {
  if (place <= 0) return {};
  const int rank = AngleRank(place);
  return Ordinal(place) + (rank == 1 ? ": the peak" : rank > 1 ? ": angular" : "");
}

}  // namespace

TComingChangesModel::TComingChangesModel(QObject* parent) : QAbstractTableModel(parent) {}

void TComingChangesModel::SetChanges(std::vector<TLotListing> lots, TComingChanges changes,
                                     const TChart* chart) {
  beginResetModel();
  FLots = std::move(lots);
  FChanges = std::move(changes);
  // Changes of no listing are not shown.
  std::erase_if(FChanges.Changes, [this](const TComingChange& change) {
    return change.LotIndex < 0 || change.LotIndex >= static_cast<int>(FLots.size());
  });
  FChart = chart ? std::optional<TChart>(*chart) : std::nullopt;
  endResetModel();
}

void TComingChangesModel::Clear() {
  SetChanges({}, {}, nullptr);
}

const TComingChange& TComingChangesModel::Change(int row) const {
  return FChanges.Changes.at(static_cast<std::size_t>(row));
}

const std::string& TComingChangesModel::LotOf(int row) const {
  return FLots[static_cast<std::size_t>(Change(row).LotIndex)].Lot;
}

bool TComingChangesModel::LotsNamed() const {
  return !FLots.empty() && !FLots.front().Lot.empty();
}

int TComingChangesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(FChanges.Changes.size());
}

int TComingChangesModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return LotsNamed() ? kLotColumn + 1 : kLotColumn;
}

int TComingChangesModel::PlaceOf(const TComingChange& change) const {
  const ReleaseSettings& settings = FLots[static_cast<std::size_t>(change.LotIndex)].Settings;
  return PlaceFrom(AngleReference(settings), change.Period.Counter);
}

QVariant TComingChangesModel::Text(const TComingChange& change, int column) const {
  const TListedPeriod& period = change.Period;
  const ReleaseSettings& birth = FLots.front().Settings;
  switch (column) {
    case kDateColumn: return QString::fromStdString(ShownDateText(period.Start, birth.DateStyle));
    case kAgeColumn:
      return CompletedYears(birth.Year, birth.MonthIndex + 1, birth.Day, period.Start);
    case kLevelColumn:
      return period.Level >= 1 && period.Level <= 4 ? kLevelNames[period.Level - 1] : "";
    case kSignColumn: return QString::fromStdString(LongSignNameOf(period.Counter));
    case kRulerColumn: return QString::fromUtf8(PlanetName(DomicileRuler(period.Counter)).data());
    case kPlaceColumn: return QString::fromStdString(PlaceText(PlaceOf(change)));
    case kLoosingColumn: return period.Loosing ? QStringLiteral("LB") : QString();
    case kLotColumn:
      return QString::fromStdString(FLots[static_cast<std::size_t>(change.LotIndex)].Lot);
    default: return {};
  }
}

QVariant TComingChangesModel::ToolTip(const TComingChange& change, int column) const {
  const TListedPeriod& period = change.Period;
  switch (column) {
    case kRulerColumn:
      return QString::fromStdString(
          PeriodRulerText(PeriodName(period.Counter, period.Level),
                          ReadRuler(period.Counter, FChart ? &*FChart : nullptr)));
    case kPlaceColumn: {
      const int place = PlaceOf(change);
      if (place <= 0) return {};
      const ReleaseSettings& settings = FLots[static_cast<std::size_t>(change.LotIndex)].Settings;
      return QString::fromStdString(Ordinal(place) + " from " + AngleReferenceName(settings)) +
             (AngleRank(place) == 1  ? ": the peak"
              : AngleRank(place) > 0 ? ": angular"
                                     : "");
    }
    case kLoosingColumn:
      return period.Loosing ? QStringLiteral("the loosing of the bond (LB): a turning point")
                            : QVariant();
    default: return {};
  }
}

QVariant TComingChangesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const TComingChange& change = Change(index.row());
  switch (role) {
    case Qt::DisplayRole: return Text(change, index.column());
    case Qt::ToolTipRole: return ToolTip(change, index.column());
    case kStartRole: return change.Period.Start;
    case Qt::TextAlignmentRole:
      if (index.column() == kAgeColumn) return int(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    case Qt::BackgroundRole:
      if (AngleRank(PlaceOf(change)) == 1) return QBrush(PeakBackgroundColour());
      return {};
    case Qt::ForegroundRole:
      if (index.column() == kPlaceColumn && AngleRank(PlaceOf(change)) > 0)
        return QBrush(AngleColour(PlaceOf(change)));
      if (index.column() == kLoosingColumn && change.Period.Loosing) return QBrush(LoosingColour());
      return {};
    default: return {};
  }
}

QVariant TComingChangesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  switch (section) {
    case kDateColumn: return QStringLiteral("Date");
    case kAgeColumn: return QStringLiteral("Age");
    case kLevelColumn: return QStringLiteral("Level");
    case kSignColumn: return QStringLiteral("Sign");
    case kRulerColumn: return QStringLiteral("Ruler");
    case kPlaceColumn:
      return "From " + (FLots.empty()
                            ? QStringLiteral("Fortune")
                            : QString::fromStdString(AngleReferenceName(FLots.front().Settings)));
    case kLoosingColumn: return QStringLiteral("LB");
    case kLotColumn: return QStringLiteral("Lot");
    default: return {};
  }
}

}  // namespace ostrane
