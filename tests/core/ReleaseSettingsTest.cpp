#include <functional>

#include <gtest/gtest.h>

#include "core/ReleaseSettings.h"

namespace ostrane {
namespace {

// Which changed value makes a listing on screen out of date.  The values the
// main window's fields set (name, Julian Date, date, time, start sign, type,
// general periods, loose bond) are checked through the window in
// tests/ui/main/ListingNoticesTest.cpp; here the rest.
TEST(SameListingInputs, WhatTheLinesShowCountsAndTheRestDoesNot) {
  const struct {
    const char* what;
    std::function<void(ReleaseSettings&)> change;
    bool same;
  } cases[] = {
      {"nothing", [](ReleaseSettings&) {}, true},
      {"Fortune", [](ReleaseSettings& s) { s.FortuneSign = 3; }, true},
      {"angles from", [](ReleaseSettings& s) { s.AnglesFrom = TAnglesFrom::StartSign; }, true},
      {"no month", [](ReleaseSettings& s) { s.MonthIndex = kNoSelection; }, false},
      {"date style", [](ReleaseSettings& s) { s.DateStyle = TDateStyle::Scientific; }, false},
      {"sign names", [](ReleaseSettings& s) { s.SignNameStyle = TSignNameStyle::Short; }, false},
  };
  for (const auto& c : cases) {
    const ReleaseSettings listed;
    ReleaseSettings now = listed;
    c.change(now);
    EXPECT_EQ(SameListingInputs(listed, now), c.same) << c.what;
    EXPECT_EQ(SameListingInputs(now, listed), c.same) << c.what << ", the other way round";
  }
}

}  // namespace
}  // namespace ostrane
