// The values of the main window's input controls, read at the moment a
// command runs, and the operations of the window that the listings use.
#pragma once

#include <cstdint>
#include <string>

#include "TimeText.h"

namespace ostrane {

enum DateStyle : std::int32_t { kEuropean = 0, kAmerican = 1, kScientific = 2 };
enum SignNameStyle : std::int32_t { kShortNames = 0, kLongNames = 1 };
enum LooseBondType : std::int32_t { kNever = 0, kAlways = 1 };

inline constexpr std::int32_t kNoSelection = -1;
// The ranges of the input controls.
inline constexpr int kMaxNameLength = 50;  // typed; a file may hold a longer name
inline constexpr std::int32_t kMinDay = 1, kMaxDay = 31;
inline constexpr std::int32_t kMinYear = -4712, kMaxYear = 10000;
inline constexpr std::int32_t kMinGeneralPeriods = 1, kMaxGeneralPeriods = 200;

// Each selection is an item index, -1 when nothing is selected.
struct ReleaseSettings {
  std::string Name = "Time Lords";
  std::int32_t MonthIndex = 0;  // 0 January .. 11 December
  std::int32_t Day = 1;         // 1 .. 31
  std::int32_t Year = 1;        // -4712 .. 10000
  std::string TimeText = "12:00:00";
  std::string JulianDateText;
  std::int32_t StartSign = 0;  // SignIndex 0 .. 11
  std::int32_t ReleasingType = 2;
  std::int32_t GeneralPeriods = 6;  // 1 .. 200
  std::int32_t DateStyle = kAmerican;
  std::int32_t SignNameStyle = kLongNames;
  std::int32_t LooseBondType = kAlways;
};

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

  // Told of every period just before its line is added (level 1 to 4, the
  // unreduced sign counter, the Julian Day at which it begins).  For
  // consumers that want the numbers rather than the text.
  virtual void PeriodListed(int level, std::int32_t signCounter, double julianDay) {
    (void)level;
    (void)signCounter;
    (void)julianDay;
  }
};

}  // namespace ostrane
