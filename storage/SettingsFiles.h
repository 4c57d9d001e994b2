// The options file, which keeps all input values of the main window as the
// user's default settings, and the user data files, which keep the birth
// data and start sign of one chart each.
//
// Both are line files (LineFile.h) with one value a line.  A text line holds
// the control's text as PlainText (PrintableText.h) makes it: a line break or
// another control character is written as a space, so that no value can
// split a line; a number line holds a signed decimal integer
// and is read back with StrToInt.  The first seven lines of the options file
// have the layout of a user data file, so an options file opens as one.
//
// After those lines both files carry further values, one "key=value" line
// each, which readers that know only the fixed lines never reach:
//   fortune=N        the sign of the Lot of Fortune, SignIndex, -1 unknown
//                    (both files)
//   angles-from=W    fortune or start: what the places are counted from
//                    (options file only)
//   place=TEXT       the birth place's name (both files, as are the rest)
//   latitude=DEG     decimal degrees, north positive; empty when unknown
//   longitude=DEG    decimal degrees, east positive; empty when unknown
//   time-zone=ID     an IANA time-zone id; empty when none
//   utc-offset=+HH:MM[:SS]  a UTC offset that overrides the zone; empty when none
//   dst-choice=W     earlier or later: the offset of a clock time that fell in
//                    a daylight-saving gap or overlap; empty to ask
//   sect=W           day or night in place of the Sun's altitude; empty for
//                    the computed sect
//   zodiac=W         tropical, fagan-bradley or lahiri (both files, always
//                    written, as are the next two)
//   lot-formula=W    sect or day: the lots reversed by night, or by day always
//   sect-horizon=W   geometric or visible: the horizon of the chart's sect
// A reader looks for these lines among the lines after the fixed ones, so an
// options file still opens as a chart file; lines it does not know are
// ignored, and a value that is missing takes its default.  A bad value
// refuses the whole file before anything of it is applied.
//
// The window restores a file by reading its lines with ReadLines and
// applying them to its controls one by one, in file order, converting each
// number line with StrToInt as it comes: a bad number line then stops the
// restore with earlier controls already set, and a radio group's click
// handler sees the values restored up to its line.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/ReleaseSettings.h"
#include "storage/LineFile.h"

namespace ostrane {

// Always a relative name: the options file is the one in the current
// directory at the moment it is read or written.
inline constexpr const char* kOptionsFileName = "OptionsFile.txt";

inline constexpr int kOptionsFileLineCount = 12;
inline constexpr int kUserDataLineCount = 7;

// The lines of both files, numbered from 1.
enum TSettingsLine : int {
  kNameLine = 1,
  kMonthLine,
  kDayLine,
  kYearLine,
  kTimeLine,
  kJulianDateLine,
  kStartSignLine,  // the last line of a user data file
  kReleasingTypeLine,
  kGeneralPeriodsLine,
  kDateStyleLine,
  kSignNamesLine,
  kLooseBondLine,
};

// How many lines after the fixed ones are searched for key=value lines.
inline constexpr int kMaxExtensionLines = 32;

enum class TFileKind { Options, Chart };

// The values of the key=value lines of a file, each when present.
struct TFileExtension {
  std::optional<std::int32_t> FortuneSign;
  std::optional<TAnglesFrom> AnglesFrom;
  TBirthPlace Place;  // empty when the file holds none
};

// The key=value lines of the file kind, from the settings.
std::vector<std::string> ExtensionLines(const ReleaseSettings& settings, TFileKind kind);

// Reads the key=value lines among `lines` (the lines after the fixed ones;
// the first of them is line `firstLine` of the file named `fileName`).  Keys
// that do not belong to the file kind are ignored.  Throws EConvertError,
// naming the file and the line, on a value that cannot be read.
TFileExtension ParseExtensionLines(const std::vector<std::string>& lines, int firstLine,
                                   const std::string& fileName, TFileKind kind);

// Sets the values of the file kind from the extension: a value the file did
// not hold takes its default (Fortune unknown, places counted from Fortune).
void ApplyExtension(ReleaseSettings& settings, const TFileExtension& extension, TFileKind kind);

// Name, time and Julian Date are text lines; all others are number lines.
bool IsNumberLine(int line);

// The ranges of the controls a number line is restored into.
inline constexpr int kMonthItems = 12, kSignItems = 12;
inline constexpr int kReleasingTypeItems = 3, kDateStyleItems = 3, kSignNameStyleItems = 2,
                     kLooseBondTypeItems = 2;

// A spin field's value set from a number: limited to min..max.
std::int32_t SpinValue(std::int32_t value, std::int32_t min, std::int32_t max);
// A drop-down list's selected index set from a number: outside
// 0..items-1 nothing is selected (-1).
std::int32_t ComboBoxIndex(std::int32_t value, int items);
// A radio group's selection set from a number: limited to -1..items-1.
std::int32_t RadioGroupIndex(std::int32_t value, int items);

// The texts of the lines, from the values in line order.
std::vector<std::string> OptionsFileLines(const ReleaseSettings& settings);
std::vector<std::string> UserDataLines(const ReleaseSettings& settings);

TWriteResult SaveOptionsFile(const std::string& fileName, const ReleaseSettings& settings);
TWriteResult SaveUserDataFile(const std::string& fileName, const ReleaseSettings& settings);

// Sets the value of line `line` from its text, as restoring it into the
// window's control would: number lines are converted (EConvertError when the
// text is not an integer) and limited to the control's range.
void ApplyLine(ReleaseSettings& settings, int line, const std::string& text);

// A file that cannot be read: missing, unreadable or holding an overlong line.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A number line of a file that is not an integer: what() is the
// conversion's message as EConvertError has it (the window shows it so),
// and the error knows the file and the line it stands on.
class EFileLineError : public EConvertError {
 public:
  // `line` numbered from 1.
  EFileLineError(const EConvertError& error, std::string fileName, int line)
      : EConvertError(error), FFileName(std::move(fileName)), FLine(line) {}
  const std::string& FileName() const { return FFileName; }
  int Line() const { return FLine; }
  // The message with its place: "Line 3 of 'chart.txt': '' is not a valid
  // integer value".
  std::string Located() const;

 private:
  std::string FFileName;
  int FLine;
};

// The lines of a settings or chart file: the fixed ones and those after them.
struct TSettingsFileLines {
  std::vector<std::string> Fixed;
  TFileExtension Extension;
};

// Reads the fixed lines of a file (kOptionsFileLineCount or
// kUserDataLineCount) and its key=value lines.  Throws EInOutError when the
// file cannot be read and EConvertError on a bad key=value line, both before
// anything is applied.
TSettingsFileLines ReadSettingsFile(const std::string& fileName, int lineCount);

// Reads a file as ReadSettingsFile does and applies its lines to `settings`
// in file order, then its key=value values.  Throws as ReadSettingsFile, and
// EFileLineError at the first number line that is not an integer, with the
// lines before it applied.
void LoadSettingsFile(const std::string& fileName, int lineCount, ReleaseSettings& settings);

}  // namespace ostrane
