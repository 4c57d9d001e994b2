// The fixture of the listing tests: a window on plain containers with the
// birth data of the worked examples.
#pragma once

#include <string>
#include <vector>

#include "listing/Releasing.h"
#include "tests/listing/CollectingWindow.h"

namespace ostrane::testing {

// The birth data of the worked examples: 1 January 2000, 12:00.
inline ReleaseSettings WorkedExample() {
  ReleaseSettings s;
  s.Name = "Time Lords";
  s.MonthIndex = 0;
  s.Day = 1;
  s.Year = 2000;
  s.TimeText = "12:00";
  s.StartSign = 0;
  s.ReleasingType = TReleasingType::Valens;
  s.GeneralPeriods = 2;
  s.DateStyle = TDateStyle::American;
  s.SignNameStyle = TSignNameStyle::Long;
  s.LooseBondType = TLooseBond::Always;
  return s;
}

// A window with its own computation objects and tables, as the main window
// owns them.
struct ListingFixture {
  ListingFixture() { window.Settings = WorkedExample(); }

  TCollectingWindow window;
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing{window, date, chronocrator, tables};

  int DataLines() const { return static_cast<int>(window.MainLines.size()) - kHeaderLines; }

  // Lists the main listing, then the level 3/4 listing of list index `line`.
  void ListLevel34(int line) {
    listing.BtnCalculateOstraneClick();
    window.Selected = line;
    listing.ListBoxOstraneDblClick();
  }
};

inline std::string Sub(const std::string& text) {
  return "        " + text;
}
inline std::string L4(const std::string& text) {
  return "     " + text;
}

}  // namespace ostrane::testing
