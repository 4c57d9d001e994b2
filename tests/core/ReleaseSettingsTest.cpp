#include <gtest/gtest.h>

#include <functional>

#include "ReleaseSettings.h"

namespace ostrane {
namespace {

// Which changed value makes a listing on screen out of date.
TEST(SameListingInputs, EveryValueTheLinesShowCounts) {
  const struct {
    const char* what;
    std::function<void(ReleaseSettings&)> change;
    bool same;
  } cases[] = {
      {"nothing", [](ReleaseSettings&) {}, true},
      {"name", [](ReleaseSettings& s) { s.Name = "Other"; }, true},
      {"Julian Date text", [](ReleaseSettings& s) { s.JulianDateText = "2451545"; }, true},
      {"Fortune", [](ReleaseSettings& s) { s.FortuneSign = 3; }, true},
      {"angles from", [](ReleaseSettings& s) { s.AnglesFrom = kFromStartSign; }, true},
      {"month", [](ReleaseSettings& s) { s.MonthIndex = 5; }, false},
      {"no month", [](ReleaseSettings& s) { s.MonthIndex = kNoSelection; }, false},
      {"day", [](ReleaseSettings& s) { s.Day = 2; }, false},
      {"year", [](ReleaseSettings& s) { s.Year = -4712; }, false},
      {"time", [](ReleaseSettings& s) { s.TimeText = "12:00:01"; }, false},
      {"start sign", [](ReleaseSettings& s) { s.StartSign = 9; }, false},
      {"type", [](ReleaseSettings& s) { s.ReleasingType = 0; }, false},
      {"general periods", [](ReleaseSettings& s) { s.GeneralPeriods = 7; }, false},
      {"date style", [](ReleaseSettings& s) { s.DateStyle = kScientific; }, false},
      {"sign names", [](ReleaseSettings& s) { s.SignNameStyle = kShortNames; }, false},
      {"loose bond", [](ReleaseSettings& s) { s.LooseBondType = kNever; }, false},
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
