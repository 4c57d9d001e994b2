// The periods in force at the moment last shown, for the main window: found
// in the listing its main list shows, marked in the lists' models, and told
// as the text under the list (InForceText.h).
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/ReleaseSettings.h"
#include "listing/InForce.h"

namespace ostrane {

class TListingModel;

class TInForcePresenter : public QObject {
  Q_OBJECT
 public:
  explicit TInForcePresenter(QObject* parent = nullptr);

  // Finds the periods in force at `moment` (Julian Day, local clock time)
  // in the listing `main` shows, whose first line begins at the birth
  // moment, under `settings` (the listing's, with the marks' Fortune sign
  // and angle choice), and marks their lines.  Without settings (nothing
  // listed) or without lines: nothing in force, an empty text.
  void Show(TListingModel& main, const std::optional<ReleaseSettings>& settings, double moment);
  // Marks the level 3 and 4 periods in force in `level34` when it lists the
  // sub period in force, the one of main list row `selectedRow`; the row of
  // the level 3 period marked, or -1.
  int MarkLevel34(TListingModel& level34, int selectedRow) const;
  // Nothing in force, an empty text; the moment stays.
  void Forget();

  const TInForce& InForce() const { return FInForce; }
  // The moment last shown.
  double Moment() const { return FMoment; }
  // The main list row of the sub period in force, or -1.
  int SubPeriodRow() const;

 signals:
  // The text under the list: empty without a listing.
  void TextChanged(const QString& text);

 private:
  TDate FDate;
  TInForce FInForce;
  double FMoment = 0.0;
};

}  // namespace ostrane
