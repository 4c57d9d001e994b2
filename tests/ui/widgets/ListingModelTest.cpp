// The rows of a listing value in the list views' model: texts, the roles the
// marks are painted from, and the in-force flags; and the presenter that
// finds the periods in force and marks them there.
#include <memory>

#include <gtest/gtest.h>

#include "listing/Releasing.h"
#include "tests/support/HandChart.h"
#include "tests/support/WorkedExample.h"
#include "ui/main/InForcePresenter.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/ListingModel.h"

namespace ostrane {
namespace {

std::shared_ptr<const TListing> WorkedExample() {
  return std::make_shared<const TListing>(ListGeneral(testing::WorkedExample(), TimeLocale{}));
}

TEST(ListingModel, RowsAreTheHeaderThenTheDataLinesWithTheirPeriods) {
  TListingModel model;
  const auto listing = WorkedExample();
  model.SetListing(listing);
  ASSERT_EQ(model.rowCount(), kHeaderLines + static_cast<int>(listing->Lines.size()));
  EXPECT_EQ(&model.Listing(), listing.get()) << "shared, not copied";
  for (int row = 0; row < model.rowCount(); ++row) {
    const QModelIndex index = model.index(row);
    const int line = row - kHeaderLines;
    EXPECT_EQ(model.DataLineOfRow(row), line < 0 ? -1 : line) << "row " << row;
    if (line < 0) {
      EXPECT_EQ(index.data().toString().toStdString(),
                listing->Header[static_cast<std::size_t>(row)]);
      for (int role : {kPeriodLevelRole, kPeriodCounterRole, kPeriodStartRole, kPeriodLoosingRole,
                       kPeriodInForceRole})
        EXPECT_FALSE(index.data(role).isValid()) << "header row " << row << ", role " << role;
      continue;
    }
    const TListedLine& listed = listing->Lines[static_cast<std::size_t>(line)];
    EXPECT_EQ(index.data().toString().toStdString(), listed.Text) << "row " << row;
    EXPECT_EQ(index.data(kPeriodLevelRole).toInt(), listed.Period.Level) << "row " << row;
    EXPECT_EQ(index.data(kPeriodCounterRole).toInt(), listed.Period.Counter) << "row " << row;
    EXPECT_EQ(index.data(kPeriodStartRole).toDouble(), listed.Period.Start) << "row " << row;
    EXPECT_EQ(index.data(kPeriodLoosingRole).toBool(), listed.Period.Loosing) << "row " << row;
    EXPECT_FALSE(index.data(kPeriodInForceRole).toBool()) << "row " << row;
  }
  EXPECT_EQ(model.DataLineOfRow(-1), -1);
  EXPECT_EQ(model.DataLineOfRow(model.rowCount()), -1);
  EXPECT_FALSE(model.index(model.rowCount()).data().isValid());
}

TEST(ListingModel, InForceMarksChangeOnlyDataRowsAndSayWhichRowChanged) {
  TListingModel model;
  model.SetListing(WorkedExample());
  std::vector<int> changed;
  QObject::connect(&model, &QAbstractItemModel::dataChanged,
                   [&](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                     EXPECT_EQ(from, to);
                     EXPECT_EQ(roles, QList<int>{kPeriodInForceRole});
                     changed.push_back(from.row());
                   });
  model.MarkInForce(1);  // a header row
  model.MarkInForce(-1);
  model.MarkInForce(model.rowCount());
  EXPECT_TRUE(changed.empty());
  model.MarkInForce(4);
  model.MarkInForce(4);  // already in force
  model.MarkInForce(14);
  EXPECT_EQ(changed, (std::vector<int>{4, 14}));
  EXPECT_TRUE(model.index(4).data(kPeriodInForceRole).toBool());
  EXPECT_FALSE(model.index(5).data(kPeriodInForceRole).toBool());

  changed.clear();
  model.ClearInForce();
  EXPECT_EQ(changed, (std::vector<int>{4, 14}));
  EXPECT_FALSE(model.index(14).data(kPeriodInForceRole).toBool());

  model.MarkInForce(4);
  model.SetListing(WorkedExample());
  EXPECT_FALSE(model.index(4).data(kPeriodInForceRole).toBool()) << "a new listing has none";
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_TRUE(model.Listing().Lines.empty());
  model.MarkInForce(4);  // no row: nothing
  EXPECT_EQ(model.rowCount(), 0);
}

TEST(InForcePresenter, MarksThePeriodsInForceAndTellsTheirText) {
  TListingModel main;
  main.SetListing(WorkedExample());
  TInForcePresenter presenter;
  QStringList texts;
  QObject::connect(&presenter, &TInForcePresenter::TextChanged,
                   [&](const QString& text) { texts << text; });
  ReleaseSettings s;
  s.ReleasingType = TReleasingType::Valens;
  s.DateStyle = TDateStyle::American;
  s.StartSign = 0;
  s.GeneralPeriods = 2;
  s.LooseBondType = TLooseBond::Always;
  const double inTaurusSub = 2451995.0 + 10.0;  // ten days after Taurus sub begins 3/26/2001
  presenter.Show(main, s, inTaurusSub);
  EXPECT_EQ(presenter.Moment(), inTaurusSub);
  EXPECT_EQ(presenter.SubPeriodRow(), 4) << "Taurus sub begins 3/26/2001";
  EXPECT_TRUE(main.index(3).data(kPeriodInForceRole).toBool()) << "its general period";
  EXPECT_TRUE(main.index(4).data(kPeriodInForceRole).toBool());
  ASSERT_EQ(texts.size(), 1);
  EXPECT_FALSE(texts.back().isEmpty());

  TListingModel level34;
  ReleaseSettings level34Settings = s;
  level34Settings.Name = "Time Lords";
  level34.SetListing(std::make_shared<const TListing>(
      ListLevel34(level34Settings, main.Listing(), main.DataLineOfRow(4))));
  EXPECT_EQ(presenter.MarkLevel34(level34, 3), -1) << "another row's listing";
  const int level3 = presenter.MarkLevel34(level34, 4);
  ASSERT_GE(level3, kHeaderLines);
  EXPECT_TRUE(level34.index(level3).data(kPeriodInForceRole).toBool());

  presenter.Show(main, std::nullopt, inTaurusSub);
  EXPECT_EQ(presenter.SubPeriodRow(), -1) << "nothing listed";
  EXPECT_FALSE(main.index(4).data(kPeriodInForceRole).toBool()) << "the marks are cleared";
  EXPECT_TRUE(texts.back().isEmpty());
  presenter.Show(main, s, inTaurusSub);
  presenter.Forget();
  EXPECT_EQ(presenter.SubPeriodRow(), -1);
  EXPECT_EQ(presenter.Moment(), inTaurusSub) << "the moment stays";
  EXPECT_TRUE(texts.back().isEmpty());

  // Fortune's sign found after the listing was made (no Fortune then):
  // the places follow the settings, Aries the 10th from Cancer.
  s.FortuneSign = 3;
  presenter.Show(main, s, inTaurusSub);
  EXPECT_TRUE(texts.back().contains("10th from Fortune")) << texts.back().toStdString();
}

// A listing of one line for each row of `periods` (level, counter), after
// one header line.
std::shared_ptr<const TListing> ListingOf(const std::vector<std::pair<int, int>>& periods) {
  auto listing = std::make_shared<TListing>();
  listing->Header = {"header"};
  for (const auto& [level, counter] : periods) {
    TListedLine line;
    line.Text = "line " + std::to_string(counter);
    line.Period.Level = level;
    line.Period.Counter = counter;
    listing->Lines.push_back(line);
  }
  return listing;
}

TEST(ListingModel, EachLineHasItsSignsRulerAndItsReadingInTheChart) {
  // Nullptr: only the ruler's name is checked at the start of the reading;
  // without a chart the reading is the period and its ruler's name.
  const struct {
    int level, counter;
    TPlanet ruler;
    const char* day;  // the tooltip in the day chart
    const char* night;
  } cases[] = {
      {1, 0, TPlanet::Mars, nullptr, nullptr},
      {4, 1, TPlanet::Venus, "Taurus L4: Venus, in Gemini (6th house), a benefic, out of sect",
       "Taurus L4: Venus, in Gemini (6th house), the sect benefic"},
      {2, 2, TPlanet::Mercury, "Gemini sub: Mercury, in Cancer (7th house); Venus in Gemini",
       nullptr},
      {3, 3, TPlanet::Moon, "Cancer L3: Moon, in Libra (10th house); Sun and Mercury in Cancer",
       nullptr},
      {1, 4, TPlanet::Sun, nullptr, nullptr},
      {2, 5, TPlanet::Mercury, nullptr, nullptr},
      {2, 6, TPlanet::Venus, nullptr, nullptr},
      {2, 7, TPlanet::Mars, nullptr, nullptr},
      {2, 8, TPlanet::Jupiter,
       "Sagittarius sub: Jupiter, in Pisces (3rd house), retrograde, the sect benefic",
       "Sagittarius sub: Jupiter, in Pisces (3rd house), retrograde, a benefic, out of sect"},
      {1, 9, TPlanet::Saturn,
       "Capricorn general: Saturn, in Leo (8th house), the sect malefic; Mars in Capricorn",
       "Capricorn general: Saturn, in Leo (8th house), a malefic, out of sect; Mars in "
       "Capricorn"},
      {2, 10, TPlanet::Saturn, nullptr, nullptr},
      {2, 11, TPlanet::Jupiter, nullptr, nullptr},
      {2, 12, TPlanet::Mars, "Aries sub: Mars, in Capricorn (1st house), a malefic, out of sect",
       "Aries sub: Mars, in Capricorn (1st house), the sect malefic"},
      {4, 21, TPlanet::Saturn, nullptr, nullptr},
  };
  std::vector<std::pair<int, int>> periods;
  for (const auto& c : cases) periods.emplace_back(c.level, c.counter);
  TListingModel model;
  model.SetListing(ListingOf(periods));
  int changes = 0;
  QObject::connect(&model, &QAbstractItemModel::dataChanged,
                   [&](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                     EXPECT_EQ(from.row(), 0);
                     EXPECT_EQ(to.row(), model.rowCount() - 1);
                     EXPECT_TRUE(roles.contains(Qt::ToolTipRole));
                     ++changes;
                   });
  const TChart day = testing::HandChart(TSect::Day), night = testing::HandChart(TSect::Night);
  TMarkDelegate delegate([] { return TMarkReference{}; }, nullptr);
  for (const TChart* chart : {static_cast<const TChart*>(nullptr), &day, &night}) {
    model.SetChart(chart);
    const std::string when = chart == nullptr ? "no chart" : chart == &day ? "day" : "night";
    EXPECT_FALSE(model.index(0).data(kPeriodRulerRole).isValid()) << "a header line";
    EXPECT_FALSE(model.index(0).data(Qt::ToolTipRole).isValid()) << "a header line";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      const auto& c = cases[i];
      const QModelIndex index = model.index(static_cast<int>(i) + 1);
      const std::string name = when + ", counter " + std::to_string(c.counter);
      EXPECT_EQ(index.data(kPeriodRulerRole).toInt(), Index(c.ruler)) << name;
      EXPECT_EQ(index.data().toString().toStdString(), "line " + std::to_string(c.counter)) << name;
      const std::string tip = index.data(Qt::ToolTipRole).toString().toStdString();
      EXPECT_EQ(index.data(kPeriodRulerReadingRole).toString().toStdString(), tip) << name;
      // The delegate's tooltip: no marks (no reference, no loosing), the
      // reading alone; the printed margin the ruler's glyph.
      EXPECT_EQ(delegate.ToolTip(index).toStdString(), tip) << name;
      EXPECT_EQ(delegate.PrintedMarks(index).toStdString(), PlanetGlyph(c.ruler)) << name;
      if (chart == nullptr) {
        EXPECT_TRUE(tip.ends_with(": " + std::string(PlanetName(c.ruler)))) << name << ": " << tip;
        continue;
      }
      const char* expected = chart == &day ? c.day : c.night;
      if (expected)
        EXPECT_EQ(tip, expected) << name;
      else
        EXPECT_TRUE(tip.find(": " + std::string(PlanetName(c.ruler)) + ", in ") !=
                    std::string::npos)
            << name << ": " << tip;
    }
  }
  EXPECT_EQ(changes, 3);
  model.SetListing(WorkedExample());
  EXPECT_EQ(model.index(kHeaderLines).data(Qt::ToolTipRole).toString().toStdString(),
            "Aries general: Mars, in Capricorn (1st house), the sect malefic")
      << "the chart kept across listings";
}
}  // namespace
}  // namespace ostrane
