// The listings of both lots at once.  With a birth chart whose Spirit and
// Fortune fall in different signs, the periods released from the lot the
// main list shows and those released from the other lot are read together:
// the other lot's listing is made from the same settings with its sign as
// the start sign.  Without a chart, or while the list starts from neither
// lot's sign, the main listing is read alone, as it always was.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "astro/Lots.h"
#include "core/Chronocrators.h"
#include "core/ReleaseSettings.h"
#include "listing/Listing.h"

namespace ostrane {

struct TLotListing {
  // "Spirit", "Fortune", or "Spirit and Fortune" when both lots stand in the
  // start sign; empty for the main listing read alone.
  std::string Lot;
  // The settings of the listing: the main listing's (with the marks'
  // Fortune sign and angle choice), the other lot's sign as start sign for
  // the other lot's listing.
  ReleaseSettings Settings;
  // The main listing as listed, or the other lot's (ListGeneralPeriods:
  // no text).  Never null.
  std::shared_ptr<const TListing> Listing;
};

// The lot whose sign in `chart` is `startSign` (SignIndex 0 .. 11): Fortune
// when both lots stand there; nothing without a chart or when neither does.
std::optional<TLot> ReleasedLot(const TChart* chart, std::int32_t startSign);
// Spirit for Fortune, Fortune for anything else.
TLot OtherLot(TLot lot);

// The listings to read at once: first the main listing `shown` of
// `settings`, named for its lot; then, when the other lot stands in another
// sign, the other lot's listing from the same birth moment (the first
// line's start), made with `chronocrator`.  The main listing alone (Lot
// empty) without a chart, without data lines, or when its start sign is
// neither lot's.
std::vector<TLotListing> LotListings(const std::shared_ptr<const TListing>& shown,
                                     const ReleaseSettings& settings, const TChart* chart,
                                     TChronocrator& chronocrator);

// A change to come: a period beginning after the moment, and the listing of
// `lots` it is one of (0 the main listing).
struct TComingChange {
  TListedPeriod Period;
  int LotIndex = 0;
};

struct TComingChanges {
  std::vector<TComingChange> Changes;
  // True when every listing ran out of general periods before the count.
  bool ListingEnded = false;
};

// The first `count` (0 .. any) changes after `moment` (Julian Day, local
// clock time) of all the listings of `lots` (NextChanges of each), by start;
// among changes that begin together the main listing's first, each
// listing's in NextChanges' order.
TComingChanges ComingChanges(const std::vector<TLotListing>& lots, double moment, int count);

}  // namespace ostrane
