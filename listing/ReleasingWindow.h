// The operations of the window that the two listings use.
#pragma once

#include <cstdint>
#include <string>

#include "core/ReleaseSettings.h"
#include "core/TimeText.h"
#include "listing/Listing.h"
#include "listing/PeriodWalk.h"

namespace ostrane {

// The seven commands whose enabled state a listing sets.
enum class TCommand {
  BtnCalculateOstrane,  // "&List Periods"
  ListOstrane1,         // "&List Releasing"
  BtnClearList,         // "&Clear List" button
  ClearList1,           // "&Clear List" menu item
  ListSubPeriods1,      // "&List Sub Periods"
  Print1,               // File menu "&Print ..."
  Print2,               // pop-up "&Print ..."
};

// What the two listings need of the window.  The main window implements it
// on its list boxes and commands; the command-line program and the tests on
// plain containers.
class IReleasingWindow {
 public:
  virtual ~IReleasingWindow() = default;

  virtual ReleaseSettings ReadSettings() const = 0;
  virtual TimeLocale ReadTimeLocale() const = 0;
  // Selected index of the main list, -1 when nothing is selected.
  virtual int MainSelectedIndex() const = 0;

  virtual void ClearMainList() = 0;
  virtual void AddMainLine(const std::string& text) = 0;
  virtual void ClearLevel3List() = 0;
  virtual void AddLevel3Line(const std::string& text) = 0;
  virtual void SetCommandEnabled(TCommand command, bool enabled) = 0;
  virtual void ShowLevel3Window() = 0;

  // Told of every period just before its line is added.  For consumers
  // that want the numbers and marks rather than the text.
  virtual void PeriodListed(const TPeriodStep& period) { (void)period; }

  // A whole listing in place of what the main list, or the level 3/4
  // list, holds: its header lines, then its data lines.  By default line by
  // line: ClearMainList (ClearLevel3List), then AddMainLine (AddLevel3Line)
  // for every line, each data line told first with PeriodListed.  A window
  // that can take the lines at once overrides them.
  virtual void ShowMainListing(const TListing& listing);
  virtual void ShowLevel34Listing(const TListing& listing);
};

}  // namespace ostrane
