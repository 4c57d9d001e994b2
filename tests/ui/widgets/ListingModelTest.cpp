// The rows of a listing value in the list views' model: texts, the roles the
// marks are painted from, and the in-force flags; and the presenter that
// finds the periods in force and marks them there.
#include <iterator>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "core/IsoDateText.h"
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
// A birth on 29 February 2000: the birthday comes on 1 March in common
// years, and the ages and ends are read at the periods' own moments.
ReleaseSettings LeapDayBirth() {
  ReleaseSettings s = testing::WorkedExample();
  s.MonthIndex = 1;
  s.Day = 29;
  return s;
}

double At(const char* moment) {
  const std::optional<TCivilMoment> civil = ParseIsoDateTime(moment);
  EXPECT_TRUE(civil) << moment;
  return civil ? CivilJulianDay(*civil) : 0.0;
}

TEST(ListingModel, EachLineTellsItsEndAndTheAgesItSpans) {
  const struct {
    const char* name;
    const char* start;
    double end;
    TDateStyle style;
    int age;
    const char* ends;
    const char* span;
  } cases[] = {
      {"the eve of the common year's birthday", "2001-02-28T23:00", At("2001-03-01T00:00"),
       TDateStyle::American, 0, "ends 3/1/2001 \u00B7 age 0",
       "From 2/28/2001 to 3/1/2001 (1 day), aged 0 to 1"},
      {"the common year's birthday", "2001-03-01T00:00", At("2004-02-29T00:00"),
       TDateStyle::European, 1, "ends 29/2/2004 \u00B7 age 1",
       "From 1/3/2001 to 29/2/2004 (2 years, 11 months, 28 days), aged 1 to 4"},
      {"an end half a millisecond before midnight", "2004-02-28T12:00",
       At("2004-03-01T00:00") - 0.0004 / 86400.0, TDateStyle::Scientific, 3,
       "ends 2004/3/1 \u00B7 age 3", "From 2004/2/28 to 2004/3/1 (2 days), aged 3 to 4"},
      {"no style chosen", "2030-07-02T09:30", At("2031-01-13T00:00"), TDateStyle::None, 30,
       "ends 2031/1/13 \u00B7 age 30",
       "From 2030/7/2 to 2031/1/13 (6 months, 11 days), aged 30 to 30"},
  };
  auto listing = std::make_shared<TListing>();
  listing->Header = {"header"};
  for (const auto& c : cases) {
    TListedLine line;
    line.Text = c.name;
    line.Period.Level = 2;
    line.Period.Start = At(c.start);
    line.End = c.end;
    listing->Lines.push_back(line);
  }
  TListingModel model;
  model.SetListing(listing);
  ASSERT_FALSE(model.LineDates());
  EXPECT_EQ(model.index(1).data(kPeriodEndRole).toDouble(), cases[0].end) << "ends without dates";
  for (int role : {kPeriodAgeRole, kPeriodEndsTextRole, kPeriodSpanTextRole})
    EXPECT_FALSE(model.index(1).data(role).isValid()) << "role " << role << " without a birth date";

  int changes = 0;
  QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changes; });
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    TLineDates dates = LineDatesOf(LeapDayBirth());
    dates.Style = c.style;
    model.SetLineDates(dates);
    const QModelIndex index = model.index(1 + static_cast<int>(i));
    EXPECT_EQ(index.data().toString().toStdString(), c.name) << "the text stays";
    EXPECT_EQ(index.data(kPeriodEndRole).toDouble(), c.end) << c.name;
    EXPECT_EQ(index.data(kPeriodAgeRole).toInt(), c.age) << c.name;
    EXPECT_EQ(index.data(kPeriodEndsTextRole).toString().toStdString(), c.ends) << c.name;
    EXPECT_EQ(index.data(kPeriodSpanTextRole).toString().toStdString(), c.span) << c.name;
  }
  EXPECT_EQ(changes, static_cast<int>(std::size(cases))) << "the views repaint";
  for (int role : {kPeriodEndRole, kPeriodAgeRole, kPeriodEndsTextRole})
    EXPECT_FALSE(model.index(0).data(role).isValid()) << "header row, role " << role;
}

TEST(ListingModel, TheTooltipTellsTheSpanBeforeTheRuler) {
  TListingModel model;
  model.SetLineDates(LineDatesOf(LeapDayBirth()));
  model.SetListing(std::make_shared<const TListing>(ListGeneral(LeapDayBirth(), TimeLocale{})));
  model.MarkInForce(4);
  TMarkDelegate delegate([] { return TMarkReference{}; }, nullptr);
  EXPECT_EQ(model.index(4).data().toString().toStdString(), "        Taurus sub begins 5/24/2001");
  EXPECT_EQ(delegate.ToolTip(model.index(4)).toStdString(),
            "In force\nFrom 5/24/2001 to 1/19/2002 (7 months, 26 days), aged 1 to 1\n"
            "Taurus sub: Venus");
}

TEST(InForcePresenter, TheLineEndsWithTheNextChange) {
  const ReleaseSettings s = LeapDayBirth();
  TListingModel main;
  main.SetListing(std::make_shared<const TListing>(ListGeneral(s, TimeLocale{})));
  TInForcePresenter presenter;
  QString text;
  QObject::connect(&presenter, &TInForcePresenter::TextChanged,
                   [&](const QString& shown) { text = shown; });
  // Cancer L4 (from 4/3/2001) is in force; Leo L4 of the level 3/4 listing
  // of the Aries sub period begins 4/8/2001, 04:00 pm; the birthday came
  // on 1 March.
  presenter.Show(main, s, At("2001-04-05T12:00"));
  EXPECT_EQ(text.toStdString(),
            "On 4/5/2001: Aries general, Aries sub, Capricorn L3, Cancer L4 (the loosing of the "
            "bond (LB)) "
            "\u2014 ruled by Mars, Mars, Saturn and Moon, next: Leo L4 on 4/8/2001, at 1");
  presenter.Show(main, s, At("2000-02-28T00:00"));
  EXPECT_EQ(text.toStdString(),
            "On 2/28/2000: before the first period, next: Aries general on 2/29/2000, at 0");
  presenter.Show(main, s, At("2030-01-01T00:00"));
  EXPECT_EQ(text.toStdString(),
            "On 1/1/2030: after the last listed general period: list more general periods")
      << "no next change in the listing";
}

}  // namespace
}  // namespace ostrane
