// The fixture of the listing tests: the listings of the birth data of the
// worked examples, their lines and periods.
#pragma once

#include <string>
#include <vector>

#include "listing/Listing.h"
#include "listing/Releasing.h"
#include "tests/support/WorkedExample.h"

namespace ostrane::testing {

// The listings as the main window makes them: one calendar and one
// chronocrator for all of them, the level 3/4 listing of a list row of the
// main listing, and the lines and periods of both values.
struct ListingFixture {
  ReleaseSettings Settings = WorkedExample();
  TimeLocale Locale;
  TDate date;
  TChronocrator chronocrator;
  TListing main, level34;
  std::vector<std::string> MainLines, Level3Lines;
  std::vector<TPeriodStep> MainPeriods, Level34Periods;

  int DataLines() const { return static_cast<int>(main.Lines.size()); }
  // The start and the unreduced sign counter of data line `line`.
  double Start(int line) const { return main.Lines[static_cast<std::size_t>(line)].Period.Start; }
  std::int32_t Counter(int line) const {
    return main.Lines[static_cast<std::size_t>(line)].Period.Counter;
  }

  void ListMain() {
    main = ListGeneral(date, chronocrator, Settings, Locale);
    Take(main, MainLines, MainPeriods);
  }
  // The level 3/4 listing of list row `row` of the main listing listed last.
  void ListRow(int row) {
    level34 = ostrane::ListLevel34(date, chronocrator, Settings, main, DataLineOfRow(main, row));
    Take(level34, Level3Lines, Level34Periods);
  }
  // Lists the main listing, then the level 3/4 listing of list row `row`.
  void ListLevel34(int row) {
    ListMain();
    ListRow(row);
  }

 private:
  static void Take(const TListing& listing, std::vector<std::string>& lines,
                   std::vector<TPeriodStep>& periods) {
    lines = listing.Header;
    periods.clear();
    for (const TListedLine& line : listing.Lines) {
      lines.push_back(line.Text);
      periods.push_back(line.Period);
    }
  }
};

inline std::string Sub(const std::string& text) {
  return "        " + text;
}
inline std::string L4(const std::string& text) {
  return "     " + text;
}

}  // namespace ostrane::testing
