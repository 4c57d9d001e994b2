// A listing value (Listing.h) as the rows of a list view: its header lines,
// then its data lines, each data line with its period in the item data
// roles the marks' delegate paints (ListMarks.h) and whether it is in force
// at the moment last shown.  With the birth date and a date style
// (SetLineDates) each data line also tells its end and the ages it spans,
// in roles of their own beside its text.  The model shares the listing with whoever made
// it; it is never copied line by line.
#pragma once

#include <QAbstractListModel>
#include <memory>
#include <optional>
#include <vector>

#include "astro/Lots.h"
#include "core/ReleaseSettings.h"
#include "listing/Listing.h"

namespace ostrane {

// What the ends and ages of the lines are told with.
struct TLineDates {
  std::int32_t BirthYear = 2000;  // -4712 .. 10000, as the listing takes it
  std::int32_t BirthMonth = 1;    // 1 .. 12
  std::int32_t BirthDay = 1;      // 1 .. 31
  // The style of the dates; with none selected the ends are shown as
  // year/month/day (Scientific), as dates must be shown in some style.
  TDateStyle Style = TDateStyle::American;
};

// The line dates of a listing made with `settings`.
TLineDates LineDatesOf(const ReleaseSettings& settings);

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
  // The birth date and date style the ends and ages are told with, or none
  // (no ages, no end texts; the ends stay in kPeriodEndRole); kept across
  // listings.
  void SetLineDates(std::optional<TLineDates> dates);
  const std::optional<TLineDates>& LineDates() const { return FDates; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // Qt::DisplayRole the line's text; on a data line the period's roles
  // (TPeriodRole) and, with a chart, Qt::ToolTipRole the ruler's reading
  // (as kPeriodRulerReadingRole); with line dates kPeriodAgeRole,
  // kPeriodEndsTextRole and kPeriodSpanTextRole; nothing else.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const TListing> FListing;
  // One flag for each data line.
  std::vector<bool> FInForce;
  std::optional<TChart> FChart;
  std::optional<TLineDates> FDates;
};

}  // namespace ostrane
