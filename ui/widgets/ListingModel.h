// A listing value (Listing.h) as the rows of a list view: its header lines,
// then its data lines, each data line with its period in the item data
// roles the marks' delegate paints (ListMarks.h) and whether it is in force
// at the moment last shown.  The model shares the listing with whoever made
// it; it is never copied line by line.
#pragma once

#include <QAbstractListModel>
#include <memory>
#include <optional>
#include <vector>

#include "astro/Lots.h"
#include "listing/Listing.h"

namespace ostrane {

class TListingModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit TListingModel(QObject* parent = nullptr);

  // The rows of `listing` in place of those shown; no row is in force.
  void SetListing(std::shared_ptr<const TListing> listing);
  // No rows.
  void Clear();
  // The listing shown; an empty one after Clear.
  const TListing& Listing() const { return *FListing; }

  // The data line (0-based) of a row, or -1 for a header row or no row.
  int DataLineOfRow(int row) const;
  // Marks the row as in force, or none (ClearInForce); a row that is no
  // data line is left as it is.
  void MarkInForce(int row);
  void ClearInForce();
  // The birth chart the rulers of the lines are read in (a copy), or none
  // (null); kept across listings.
  void SetChart(const TChart* chart);
  const std::optional<TChart>& Chart() const { return FChart; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // Qt::DisplayRole the line's text; on a data line the period's roles
  // (TPeriodRole) and, with a chart, Qt::ToolTipRole the ruler's reading
  // (as kPeriodRulerReadingRole); nothing else.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const TListing> FListing;
  // One flag for each data line.
  std::vector<bool> FInForce;
  std::optional<TChart> FChart;
};

}  // namespace ostrane
