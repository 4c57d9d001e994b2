// The periods in force at the moment last shown, for the main window: found
// in the listing its main list shows, marked in the lists' models, and told
// as the text under the list (InForceText.h) with their rulers.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "astro/Lots.h"
#include "chart/LotListings.h"
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/ReleaseSettings.h"
#include "listing/InForce.h"
#include "listing/NextChanges.h"

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
  // listed) or without lines: nothing in force, an empty text.  With the
  // birth chart `chart` the text ends with the periods' rulers
  // (RulersInForceText), then the next change (NextChangeText); their readings
  // (RulersInForceReading) go to RulersChanged with a chart or without.
  void Show(TListingModel& main, const std::optional<ReleaseSettings>& settings, double moment,
            const TChart* chart = nullptr);
  // The same for the listings of both lots (LotListings, its first the
  // listing `main` shows): the lines marked are the first listing's, the
  // text and the rulers' readings tell every listing's (LotsInForceText;
  // the readings one block for each lot after "From Spirit:").  No
  // listings: nothing in force, an empty text.
  void Show(TListingModel& main, const std::vector<TLotListing>& lots, double moment,
            const TChart* chart = nullptr);
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
  // The rulers of the periods in force in words, the line's tooltip; empty
  // when nothing is in force.
  void RulersChanged(const QString& reading);

 private:
  TInForce FInForce;
  double FMoment = 0.0;
};

}  // namespace ostrane
