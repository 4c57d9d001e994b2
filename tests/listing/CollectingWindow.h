// The window operations of the listings on plain containers: what the
// tests of the window's listing (TReleasingListing) list into.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "listing/ReleasingWindow.h"

namespace ostrane {

class TCollectingWindow : public IReleasingWindow {
 public:
  struct TPeriod {
    int Level;
    std::int32_t Counter;
    double JulianDay;
    bool Loosing;
  };

  ReleaseSettings Settings;
  TimeLocale Locale;
  int Selected = -1;
  // The lines of each list, and the periods behind its data lines.
  std::vector<std::string> MainLines, Level3Lines;
  std::vector<TPeriod> MainPeriods, Level34Periods;
  std::map<TCommand, bool> Enabled;
  int TimesShown = 0;

  ReleaseSettings ReadSettings() const override { return Settings; }
  TimeLocale ReadTimeLocale() const override { return Locale; }
  int MainSelectedIndex() const override { return Selected; }
  void ClearMainList() override {
    MainLines.clear();
    MainPeriods.clear();
  }
  void AddMainLine(const std::string& text) override { MainLines.push_back(text); }
  void ClearLevel3List() override {
    Level3Lines.clear();
    Level34Periods.clear();
  }
  void AddLevel3Line(const std::string& text) override { Level3Lines.push_back(text); }
  void SetCommandEnabled(TCommand command, bool enabled) override { Enabled[command] = enabled; }
  void ShowLevel3Window() override { ++TimesShown; }
  void PeriodListed(const TPeriodStep& p) override {
    (p.Level <= 2 ? MainPeriods : Level34Periods)
        .push_back({p.Level, p.Counter, p.Start, p.Loosing});
  }
};

}  // namespace ostrane
