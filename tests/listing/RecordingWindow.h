// The window operations of the listings on plain containers, for the tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Releasing.h"

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
  s.ReleasingType = kValens;
  s.GeneralPeriods = 2;
  s.DateStyle = kAmerican;
  s.SignNameStyle = kLongNames;
  s.LooseBondType = kAlways;
  return s;
}

class RecordingWindow : public IReleasingWindow {
 public:
  ReleaseSettings settings = WorkedExample();
  int selected = -1;
  std::vector<std::string> main, level3;
  std::map<TCommand, bool> enabled;
  int shown = 0;

  ReleaseSettings ReadSettings() const override { return settings; }
  TimeLocale ReadTimeLocale() const override { return {}; }
  int MainSelectedIndex() const override { return selected; }
  void ClearMainList() override { main.clear(); }
  void AddMainLine(const std::string& text) override { main.push_back(text); }
  void ClearLevel3List() override { level3.clear(); }
  void AddLevel3Line(const std::string& text) override { level3.push_back(text); }
  void SetCommandEnabled(TCommand command, bool on) override { enabled[command] = on; }
  void ShowLevel3Window() override { ++shown; }
};

// A window with its own computation objects and tables, as the main window
// owns them.
struct ListingFixture {
  RecordingWindow window;
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing{window, date, chronocrator, tables};

  int DataLines() const { return static_cast<int>(window.main.size()) - kHeaderLines; }

  // Lists the main listing, then the level 3/4 listing of list index `line`.
  void ListLevel34(int line) {
    listing.BtnCalculateOstraneClick();
    window.selected = line;
    listing.ListBoxOstraneDblClick();
  }
};

inline std::string Sub(const std::string& text) { return "        " + text; }
inline std::string L4(const std::string& text) { return "     " + text; }

}  // namespace ostrane::testing
