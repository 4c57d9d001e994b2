// The changes to come as a table: one row for each period beginning after
// the moment (ComingChanges, LotListings.h), with its date, the age then,
// its level, sign and ruler, its place counted from Fortune (or the start
// sign), the loosing of the bond and, with a chart, the lot it is released
// from.  A peak's row has the peak's background of the lists, an angle's
// place and the loosing of the bond their marks' colours (ListMarks.h).
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "astro/Lots.h"
#include "chart/LotListings.h"

namespace ostrane {

class TComingChangesModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum TColumn : int {
    kDateColumn,     // the start's date in the listing's date style: "6/13/2027"
    kAgeColumn,      // completed years at the start: "40"
    kLevelColumn,    // "general", "sub", "L3", "L4"
    kSignColumn,     // the long sign name: "Aquarius"
    kRulerColumn,    // the sign's domicile ruler: "Saturn"
    kPlaceColumn,    // "10th: the peak", "7th: angular", "3rd"; empty when unknown
    kLoosingColumn,  // "LB" for a loosing of the bond, else empty
    kLotColumn,      // "Spirit" or "Fortune"; only while the lots are named
  };
  // The start of a row's period (double, Julian Day in local clock time) in
  // every column.
  static constexpr int kStartRole = Qt::UserRole + 1;

  explicit TComingChangesModel(QObject* parent = nullptr);

  // Shows `changes` of the listings `lots` (the first gives the birth date
  // and the date style); `chart` (may be null) reads the rulers for the
  // tooltips.
  void SetChanges(std::vector<TLotListing> lots, TComingChanges changes, const TChart* chart);
  void Clear();

  const TComingChanges& Changes() const { return FChanges; }
  const TComingChange& Change(int row) const;
  // The lot of the listing a row belongs to: empty text when the main
  // listing is read alone.
  const std::string& LotOf(int row) const;
  // True when the lots are named (kLotColumn is shown).
  bool LotsNamed() const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QVariant Text(const TComingChange& change, int column) const;
  QVariant ToolTip(const TComingChange& change, int column) const;
  int PlaceOf(const TComingChange& change) const;

  std::vector<TLotListing> FLots;
  TComingChanges FChanges;
  std::optional<TChart> FChart;
};

}  // namespace ostrane
