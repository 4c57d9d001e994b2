// The rows of a listing value in the list views' model: texts, the roles the
// marks are painted from, and the in-force flags.
#include <gtest/gtest.h>

#include <memory>

#include "ListMarks.h"
#include "ListingModel.h"
#include "Releasing.h"

namespace ostrane {
namespace {

std::shared_ptr<const TListing> WorkedExample() {
  ReleaseSettings s;
  s.Name = "Time Lords";
  s.MonthIndex = 0;
  s.Day = 1;
  s.Year = 2000;
  s.TimeText = "12:00";
  s.StartSign = 0;
  s.ReleasingType = kValens;
  s.GeneralPeriods = 2;
  s.DateStyle = kAmerican;
  s.SignNameStyle = kLongNames;
  s.LooseBondType = kAlways;
  return std::make_shared<const TListing>(ListGeneral(s, TimeLocale{}));
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

}  // namespace
}  // namespace ostrane
