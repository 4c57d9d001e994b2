// The listings of both lots, the changes to come read from them as the
// Coming Changes table shows them, and the line under the main list when
// both lots are read.
#include <QBrush>
#include <QColor>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/IsoDateText.h"
#include "listing/Marks.h"
#include "listing/NextChanges.h"
#include "listing/Releasing.h"
#include "tests/support/WorkedExample.h"
#include "ui/dialogs/ComingChangesModel.h"
#include "ui/main/InForcePresenter.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/ListingModel.h"

namespace ostrane {
namespace {

double At(const char* moment) {
  const std::optional<TCivilMoment> civil = ParseIsoDateTime(moment);
  EXPECT_TRUE(civil) << moment;
  return civil ? CivilJulianDay(*civil) : 0.0;
}

// Six general periods from 1 January 2000, released from `startSign`, the
// places counted from Fortune in Aries.
ReleaseSettings Birth(int startSign) {
  ReleaseSettings s = testing::WorkedExample();
  s.GeneralPeriods = 6;
  s.StartSign = startSign;
  s.FortuneSign = 0;
  return s;
}

// Fortune in Aries, Spirit in Libra (or in `spiritSign`).
TChart LotsChart(int spiritSign = 6) {
  TChart chart;
  chart.FortuneSign = 0;
  chart.SpiritSign = spiritSign;
  chart.LotsDeg[static_cast<std::size_t>(Index(TLot::Fortune))] = 15.0;
  chart.LotsDeg[static_cast<std::size_t>(Index(TLot::Spirit))] = spiritSign * 30.0 + 15.0;
  return chart;
}

std::shared_ptr<const TListing> Listed(const ReleaseSettings& s) {
  return std::make_shared<const TListing>(ListGeneral(s, TimeLocale{}));
}

// The rows equal the changes NextChanges finds in each lot's own listing
// (the other lot's listed in full from its sign), merged by start: in time
// order, each the change of its lot at its place, none of either lot left
// out before the last row.
TEST(ComingChanges, TheRowsAreBothLotsNextChangesInTimeOrder) {
  const TChart chart = LotsChart();
  for (const int shownSign : {0, 6}) {
    const ReleaseSettings s = Birth(shownSign);
    TChronocrator chronocrator;
    const std::vector<TLotListing> lots = LotListings(Listed(s), s, &chart, chronocrator);
    ASSERT_EQ(lots.size(), 2u) << "shown sign " << shownSign;
    EXPECT_EQ(lots[0].Lot, shownSign == 0 ? "Fortune" : "Spirit");
    EXPECT_EQ(lots[1].Lot, shownSign == 0 ? "Spirit" : "Fortune");
    EXPECT_EQ(lots[1].Settings.StartSign, 6 - shownSign);
    const std::vector<std::string> lotNames = {lots[0].Lot, lots[1].Lot};
    // Each lot's own NextChanges, its listing made as the main window makes it.
    for (const char* when : {"2000-01-01T12:00", "2007-05-20T08:00", "2031-11-02T00:00"}) {
      const std::string name = std::to_string(shownSign) + " at " + when;
      const double moment = At(when);
      const int count = 30;
      const TComingChanges coming = ComingChanges(lots, moment, count);
      TComingChangesModel model;
      model.SetChanges(lots, coming, &chart);
      ASSERT_EQ(model.rowCount(), count) << name;
      ASSERT_EQ(model.columnCount(), TComingChangesModel::kLotColumn + 1) << name;
      TNextChanges own[2];
      for (int lot = 0; lot < 2; ++lot)
        own[lot] = NextChanges(*Listed(lot == 0 ? s : Birth(6 - shownSign)), s, moment, count);
      std::size_t taken[2] = {0, 0};
      double last = moment;
      for (int row = 0; row < count; ++row) {
        const TComingChange& change = model.Change(row);
        const auto lot = static_cast<std::size_t>(change.LotIndex);
        ASSERT_LT(lot, 2u) << name << " row " << row;
        ASSERT_LT(taken[lot], own[lot].Periods.size()) << name << " row " << row;
        EXPECT_EQ(change.Period, own[lot].Periods[taken[lot]++]) << name << " row " << row;
        EXPECT_GE(change.Period.Start, last) << name << " row " << row << ": in time order";
        last = change.Period.Start;
        const QModelIndex lotCell = model.index(row, TComingChangesModel::kLotColumn);
        EXPECT_EQ(lotCell.data().toString().toStdString(), lotNames[lot]) << name << " " << row;
        EXPECT_EQ(model.index(row, 0).data(TComingChangesModel::kStartRole).toDouble(),
                  change.Period.Start);
      }
      // Nothing of either lot that begins before the last row is missing.
      for (int lot = 0; lot < 2; ++lot) {
        if (taken[lot] < own[lot].Periods.size()) {
          EXPECT_GE(own[lot].Periods[taken[lot]].Start, last) << name << " lot " << lot;
        }
      }
    }
  }
}

// The cells of a row: date in the listing's style, age, level, sign,
// ruler, place from Fortune with the peak's colours, the loosing of the
// bond in its own; without a chart the main listing alone, no lot column.
TEST(ComingChanges, TheCellsAndTheMarksOfARow) {
  ReleaseSettings s = Birth(0);
  s.DateStyle = TDateStyle::European;
  TChronocrator chronocrator;
  const std::vector<TLotListing> lots = LotListings(Listed(s), s, nullptr, chronocrator);
  ASSERT_EQ(lots.size(), 1u);
  EXPECT_TRUE(lots[0].Lot.empty());
  TComingChangesModel model;
  const double moment = At("2000-01-01T12:00");
  model.SetChanges(lots, ComingChanges(lots, moment, 1500), nullptr);
  EXPECT_EQ(model.columnCount(), TComingChangesModel::kLotColumn) << "no lot column";
  EXPECT_EQ(model.Changes().Changes.size(),
            NextChanges(*lots[0].Listing, s, moment, 1500).Periods.size());
  bool peakSeen = false, loosingSeen = false;
  for (int row = 0; row < model.rowCount(); ++row) {
    const TListedPeriod& period = model.Change(row).Period;
    const auto cell = [&](int column, int role = Qt::DisplayRole) {
      return model.index(row, column).data(role);
    };
    const int place = PlaceFrom(0, period.Counter);
    const std::string placeText = cell(TComingChangesModel::kPlaceColumn).toString().toStdString();
    if (place == 10) {
      peakSeen = true;
      EXPECT_EQ(placeText, "10th: the peak") << row;
      EXPECT_EQ(cell(0, Qt::BackgroundRole).value<QBrush>().color(), PeakBackgroundColour());
      EXPECT_EQ(cell(TComingChangesModel::kPlaceColumn, Qt::ToolTipRole).toString().toStdString(),
                "10th from Fortune: the peak");
    } else {
      EXPECT_FALSE(cell(0, Qt::BackgroundRole).isValid()) << row;
      if (place == 7) {
        EXPECT_EQ(placeText, "7th: angular") << row;
      }
      if (place == 3) {
        EXPECT_EQ(placeText, "3rd") << row;
      }
    }
    EXPECT_EQ(cell(TComingChangesModel::kLoosingColumn).toString().toStdString(),
              period.Loosing ? "LB" : "")
        << row;
    if (period.Loosing) {
      loosingSeen = true;
      EXPECT_EQ(
          cell(TComingChangesModel::kLoosingColumn, Qt::ForegroundRole).value<QBrush>().color(),
          LoosingColour());
    }
  }
  EXPECT_TRUE(peakSeen && loosingSeen) << "the rows hold both marks";
  // Row 0 read cell by cell against its period.
  const TListedPeriod& first = model.Change(0).Period;
  TDate date;
  StoreShownMoment(date, first.Start);
  EXPECT_EQ(model.index(0, TComingChangesModel::kDateColumn).data().toString().toStdString(),
            FormatDateStyle(date, TDateStyle::European));
  EXPECT_EQ(model.index(0, TComingChangesModel::kAgeColumn).data().toInt(), 0);
  EXPECT_EQ(model.index(0, TComingChangesModel::kSignColumn).data().toString().toStdString(),
            LongSignNameOf(first.Counter));
  EXPECT_EQ(model.index(0, TComingChangesModel::kLevelColumn).data().toString().toStdString(),
            first.Level == 3 ? "L3" : "L4");
}

// Both lots in the line under the list: the date once, then the shown
// lot's periods, rulers and next change, then the other lot's, each as its
// own listing's line tells them; both lots in one sign are named together.
TEST(InForcePresenter, TheLineTellsBothLotsTheShownFirst) {
  const double moment = At("2009-08-15T06:00");
  const auto lineOf = [moment](const ReleaseSettings& s) {
    TListingModel main;
    main.SetListing(Listed(s));
    TInForcePresenter presenter;
    std::string text;
    QObject::connect(&presenter, &TInForcePresenter::TextChanged,
                     [&](const QString& shown) { text = shown.toStdString(); });
    presenter.Show(main, s, moment);
    return text;
  };
  const std::string on = "On 8/15/2009: ";
  const std::string fortune = lineOf(Birth(0)), spirit = lineOf(Birth(6));
  ASSERT_EQ(fortune.rfind(on, 0), 0u) << fortune;
  ASSERT_EQ(spirit.rfind(on, 0), 0u) << spirit;
  EXPECT_NE(fortune, spirit);
  const TChart chart = LotsChart();
  for (const int shownSign : {0, 6}) {
    const ReleaseSettings s = Birth(shownSign);
    const auto listing = Listed(s);
    TListingModel main;
    main.SetListing(listing);
    TChronocrator chronocrator;
    const std::vector<TLotListing> lots = LotListings(listing, s, &chart, chronocrator);
    TInForcePresenter presenter;
    std::string text, reading;
    QObject::connect(&presenter, &TInForcePresenter::TextChanged,
                     [&](const QString& shown) { text = shown.toStdString(); });
    QObject::connect(&presenter, &TInForcePresenter::RulersChanged,
                     [&](const QString& shown) { reading = shown.toStdString(); });
    presenter.Show(main, lots, moment, &chart);
    const std::string& first = shownSign == 0 ? fortune : spirit;
    const std::string& second = shownSign == 0 ? spirit : fortune;
    EXPECT_EQ(text, on + "from " + lots[0].Lot + ", " + first.substr(on.size()) + "; from " +
                        lots[1].Lot + ", " + second.substr(on.size()));
    EXPECT_EQ(reading.rfind("From " + lots[0].Lot + ":\n", 0), 0u) << reading;
    EXPECT_NE(reading.find("\nFrom " + lots[1].Lot + ":\n"), std::string::npos) << reading;
    EXPECT_EQ(presenter.SubPeriodRow(),
              PeriodsInForce(*listing, s, moment).Periods[1].Entry + kHeaderLines)
        << "the marks are the shown listing's";
  }
  // Spirit in Aries too: one listing, both lots named.
  const TChart together = LotsChart(0);
  TChronocrator chronocrator;
  const ReleaseSettings s = Birth(0);
  const std::vector<TLotListing> lots = LotListings(Listed(s), s, &together, chronocrator);
  EXPECT_EQ(LotListings(Listed(Birth(3)), Birth(3), &chart, chronocrator).size(), 1u)
      << "a listing from neither lot's sign is read alone";
  ASSERT_EQ(lots.size(), 1u);
  EXPECT_EQ(lots[0].Lot, "Spirit and Fortune");
  TListingModel main;
  main.SetListing(lots[0].Listing);
  TInForcePresenter presenter;
  std::string text;
  QObject::connect(&presenter, &TInForcePresenter::TextChanged,
                   [&](const QString& shown) { text = shown.toStdString(); });
  presenter.Show(main, lots, moment, &together);
  EXPECT_EQ(text, on + "from Spirit and Fortune, " + fortune.substr(on.size()));
}

}  // namespace
}  // namespace ostrane
