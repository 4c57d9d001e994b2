#include "chart/LotListings.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "listing/NextChanges.h"

namespace ostrane {

std::optional<TLot> ReleasedLot(const TChart* chart, std::int32_t startSign) {
  if (chart == nullptr) return std::nullopt;
  if (chart->FortuneSign == startSign) return TLot::Fortune;
  if (chart->SpiritSign == startSign) return TLot::Spirit;
  return std::nullopt;
}

TLot OtherLot(TLot lot) {
  return lot == TLot::Fortune ? TLot::Spirit : TLot::Fortune;
}

std::vector<TLotListing> LotListings(const std::shared_ptr<const TListing>& shown,
                                     const ReleaseSettings& settings, const TChart* chart,
                                     TChronocrator& chronocrator) {
  std::vector<TLotListing> lots;
  const std::optional<TLot> lot = ReleasedLot(chart, settings.StartSign);
  const bool alone = !lot || shown->Lines.empty();
  lots.push_back({alone ? std::string() : std::string(LotName(*lot)), settings, shown});
  if (alone) return lots;
  const TLot other = OtherLot(*lot);
  const std::int32_t otherSign = chart->LotSign(other);
  if (otherSign == settings.StartSign) {
    lots.front().Lot = "Spirit and Fortune";
    return lots;
  }
  ReleaseSettings otherSettings = settings;
  otherSettings.StartSign = otherSign;
  const double start = shown->Lines.front().Period.Start;
  lots.push_back(
      {std::string(LotName(other)), otherSettings,
       std::make_shared<const TListing>(ListGeneralPeriods(chronocrator, otherSettings, start))});
  return lots;
}

TComingChanges ComingChanges(const std::vector<TLotListing>& lots, double moment, int count) {
  TComingChanges coming;
  if (count <= 0) return coming;
  for (std::size_t i = 0; i < lots.size(); ++i) {
    const TNextChanges next = NextChanges(*lots[i].Listing, lots[i].Settings, moment, count);
    for (const TListedPeriod& period : next.Periods)
      coming.Changes.push_back({period, static_cast<int>(i)});
  }
  // Each listing's changes are in order already; a stable sort keeps them
  // so and the main listing's first among equal starts.
  std::stable_sort(coming.Changes.begin(), coming.Changes.end(),
                   [](const TComingChange& a, const TComingChange& b) {
                     return a.Period.Start < b.Period.Start;
                   });
  const auto wanted = static_cast<std::size_t>(count);
  coming.ListingEnded = coming.Changes.size() < wanted;
  if (coming.Changes.size() > wanted) coming.Changes.resize(wanted);
  return coming;
}

}  // namespace ostrane
