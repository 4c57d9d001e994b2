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
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/ReleaseSettings.h"
#include "listing/InForce.h"
#include "listing/NextChanges.h"
#include "ui/main/LotListings.h"

namespace ostrane {

class TListingModel;

// The rulers of the periods in force, after the text of the line under the
// list: " — ruled by Mars, Venus, Mercury and Saturn", one for each period in
// the order InForceText names them; empty text when none is in force.
std::string RulersInForceText(const TInForce& inForce);
// Each period in force with its ruler read in `chart` (may be null), one a
// line: "Capricorn general: Saturn, in Leo (8th house), the sect malefic;
// Mars in Capricorn" (PeriodRulerText); empty text when none is in force.
std::string RulersInForceReading(const TInForce& inForce, const TChart* chart);

// The next change after the periods in force, for the end of the line under
// the list: ", next: Aquarius sub on 6/13/2027, at 40", the first period of
// `next` (NextChanges) with its start's date in the style of `settings` (in
// year/month/day with none selected) and the age then in completed years
// from the birth date of `settings`; empty text when `next` has none.
std::string NextChangeText(const TNextChanges& next, const ReleaseSettings& settings);

// The line under the list for the listings `lots` (LotListings), whose
// periods in force at `moment` are `inForce` (one for each listing, in the
// same order).  The main listing read alone: as the line has always been,
// "On 4/5/2001: Aries general, ... — ruled by ..., next: Leo L4 on 4/8/2001,
// at 1".  Both lots: the date once, then each lot's periods, rulers and next
// change after "from Spirit, " or "from Fortune, ", the two joined by "; ".
// Empty text without listings.
std::string LotsInForceText(const std::vector<TLotListing>& lots,
                            const std::vector<TInForce>& inForce, double moment);

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
