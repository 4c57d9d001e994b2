#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "storage/SettingsFiles.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

// Every value differs from the defaults of ReleaseSettings.
ReleaseSettings Custom() {
  ReleaseSettings s;
  s.Name =
      "Ren\xC3\xA9"
      "e Dupr\xC3\xA9";
  s.MonthIndex = 10;
  s.Day = 45;  // typed, not yet put back into range: written as typed
  s.Year = -300;
  s.TimeText = "2:30 pm";
  s.JulianDateText = "1611859.5";
  s.StartSign = 9;
  s.ReleasingType = TReleasingType::Modern;
  s.GeneralPeriods = 17;
  s.DateStyle = TDateStyle::Scientific;
  s.SignNameStyle = TSignNameStyle::Short;
  s.LooseBondType = TLooseBond::Never;
  return s;
}

const char* const kCustomFile =
    "Ren\xC3\xA9"
    "e Dupr\xC3\xA9\r\n10\r\n45\r\n-300\r\n2:30 pm\r\n1611859.5\r\n9\r\n"
    "0\r\n17\r\n2\r\n0\r\n0\r\n";

void ExpectEqual(const ReleaseSettings& a, const ReleaseSettings& b) {
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.MonthIndex, b.MonthIndex);
  EXPECT_EQ(a.Day, b.Day);
  EXPECT_EQ(a.Year, b.Year);
  EXPECT_EQ(a.TimeText, b.TimeText);
  EXPECT_EQ(a.JulianDateText, b.JulianDateText);
  EXPECT_EQ(a.StartSign, b.StartSign);
  EXPECT_EQ(a.ReleasingType, b.ReleasingType);
  EXPECT_EQ(a.GeneralPeriods, b.GeneralPeriods);
  EXPECT_EQ(a.DateStyle, b.DateStyle);
  EXPECT_EQ(a.SignNameStyle, b.SignNameStyle);
  EXPECT_EQ(a.LooseBondType, b.LooseBondType);
  EXPECT_EQ(a.FortuneSign, b.FortuneSign);
  EXPECT_EQ(a.AnglesFrom, b.AnglesFrom);
  EXPECT_EQ(a.Place.Variants, b.Place.Variants);
}

// The variant lines of the default variants, as every file ends.
const char* const kDefaultVariants =
    "zodiac=tropical\r\nlot-formula=sect\r\nsect-horizon=geometric\r\n";

TEST(SettingsFiles, WrittenByteExact) {
  TempDir dir;
  const std::string options = dir.Path(kOptionsFileName), chart = dir.Path("Chart.txt");
  ASSERT_TRUE(SaveOptionsFile(options, Custom()).Ok);
  ASSERT_TRUE(SaveUserDataFile(chart, Custom()).Ok);
  // The lines of the first program versions, then the key=value lines.
  EXPECT_EQ(ReadBytes(options),
            std::string(kCustomFile) + "fortune=-1\r\nangles-from=fortune\r\n" + kDefaultVariants);
  EXPECT_EQ(ReadBytes(chart), std::string("Ren\xC3\xA9"
                                          "e Dupr\xC3\xA9\r\n10\r\n45\r\n-300\r\n2:30 "
                                          "pm\r\n1611859.5\r\n9\r\nfortune=-1\r\n") +
                                  kDefaultVariants);
  // Other variants: the same fixed lines, the variant lines last.
  ReleaseSettings sidereal = Custom();
  sidereal.Place.Variants = {TZodiac::FaganBradley, TLotFormula::Day, TSectHorizon::Visible};
  sidereal.Place.TimeZone = "Europe/Rome";
  ASSERT_TRUE(SaveUserDataFile(chart, sidereal).Ok);
  const std::string bytes = ReadBytes(chart);
  EXPECT_EQ(bytes.rfind(
                "Ren\xC3\xA9"
                "e Dupr\xC3\xA9\r\n10\r\n45\r\n-300\r\n2:30 pm\r\n1611859.5\r\n9\r\nfortune=-1\r\n",
                0),
            0u)
      << bytes;
  const std::string tail =
      "\r\nsect=\r\nzodiac=fagan-bradley\r\nlot-formula=day\r\nsect-horizon=visible\r\n";
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail) << bytes;

  ReleaseSettings none;
  none.MonthIndex = kNoSelection;
  none.DateStyle = TDateStyle::None;
  EXPECT_EQ(OptionsFileLines(none)[kMonthLine - 1], "-1");
  EXPECT_EQ(OptionsFileLines(none)[kDateStyleLine - 1], "-1");
}

TEST(SettingsFiles, RoundTrip) {
  TempDir dir;
  const std::string options = dir.Path(kOptionsFileName), chart = dir.Path("Chart.txt");
  ReleaseSettings saved = Custom();
  saved.Day = 28;
  ASSERT_TRUE(SaveOptionsFile(options, saved).Ok);
  ASSERT_TRUE(SaveUserDataFile(chart, saved).Ok);

  ReleaseSettings restored;
  LoadSettingsFile(options, kOptionsFileLineCount, restored);
  {
    SCOPED_TRACE("options file");
    ExpectEqual(restored, saved);
  }
  // A user data file, and an options file opened as one, leave the listing
  // options as they were.
  for (const std::string& path : {chart, options}) {
    SCOPED_TRACE("opened as user data: " + path);
    ReleaseSettings opened;
    LoadSettingsFile(path, kUserDataLineCount, opened);
    ReleaseSettings expected = saved;
    const ReleaseSettings defaults;
    expected.ReleasingType = defaults.ReleasingType;
    expected.GeneralPeriods = defaults.GeneralPeriods;
    expected.DateStyle = defaults.DateStyle;
    expected.SignNameStyle = defaults.SignNameStyle;
    expected.LooseBondType = defaults.LooseBondType;
    ExpectEqual(opened, expected);
  }
}

// A text value holding line breaks or other controls stays on its line:
// both files load again, with those characters as spaces.
TEST(SettingsFiles, HostileTextValuesKeepTheirLines) {
  const struct {
    const char* what;
    std::function<void(ReleaseSettings&, const std::string&)> set;
  } fields[] = {
      {"name", [](ReleaseSettings& s, const std::string& v) { s.Name = v; }},
      {"time", [](ReleaseSettings& s, const std::string& v) { s.TimeText = v; }},
      {"Julian Date", [](ReleaseSettings& s, const std::string& v) { s.JulianDateText = v; }},
      {"place name", [](ReleaseSettings& s, const std::string& v) { s.Place.Name = v; }},
  };
  const struct {
    const char* what;
    std::string text, kept;
  } values[] = {
      {"records", "A\r\nfortune=x\nlatitude=91", "A  fortune=x latitude=91"},
      {"terminal escapes", "\x1b]0;t\x07\x1b[2J", " ]0;t  [2J"},
  };
  TempDir dir;
  for (const auto& field : fields) {
    for (const auto& value : values) {
      SCOPED_TRACE(std::string(field.what) + ", " + value.what);
      ReleaseSettings saved = Custom(), expected = Custom();
      saved.Day = expected.Day = 28;
      saved.Place.Name = expected.Place.Name = "Amsterdam";
      saved.Place.Latitude = expected.Place.Latitude = 52.37;
      saved.Place.Longitude = expected.Place.Longitude = 4.89;
      saved.Place.TimeZone = expected.Place.TimeZone = "Europe/Amsterdam";
      field.set(saved, value.text);
      field.set(expected, value.kept);
      const std::string options = dir.Path(kOptionsFileName), chart = dir.Path("Chart.txt");
      ASSERT_TRUE(SaveOptionsFile(options, saved).Ok);
      ASSERT_TRUE(SaveUserDataFile(chart, saved).Ok);
      ReleaseSettings restored;
      ASSERT_NO_THROW(LoadSettingsFile(options, kOptionsFileLineCount, restored));
      ExpectEqual(restored, expected);
      EXPECT_EQ(restored.Place.Name, expected.Place.Name);
      ReleaseSettings opened;
      ASSERT_NO_THROW(LoadSettingsFile(chart, kUserDataLineCount, opened));
      EXPECT_EQ(opened.Name, expected.Name);
      EXPECT_EQ(opened.TimeText, expected.TimeText);
      EXPECT_EQ(opened.Place.Name, expected.Place.Name);
    }
  }
}

TEST(SettingsFiles, WindowsChartFile) {
  TempDir dir;
  const std::string path = dir.Path("Windows.txt");
  WriteBytes(path,
             "Ren\xE9"
             "e \x80\r\n3\r\n14\r\n1961\r\n06:15\r\n\r\n4\r\n");
  ReleaseSettings s;
  LoadSettingsFile(path, kUserDataLineCount, s);
  EXPECT_EQ(s.Name,
            "Ren\xC3\xA9"
            "e \xE2\x82\xAC");
  EXPECT_EQ(s.MonthIndex, 3);
  EXPECT_EQ(s.Day, 14);
  EXPECT_EQ(s.Year, 1961);
  EXPECT_EQ(s.TimeText, "06:15");
  EXPECT_EQ(s.JulianDateText, "");
  EXPECT_EQ(s.StartSign, 4);
}

TEST(ApplyLine, NumbersAreLimitedToTheControls) {
  using Field = std::function<std::int32_t(const ReleaseSettings&)>;
  const Field month = [](const auto& s) { return s.MonthIndex; };
  const Field day = [](const auto& s) { return s.Day; };
  const Field year = [](const auto& s) { return s.Year; };
  const Field sign = [](const auto& s) { return s.StartSign; };
  const Field type = [](const auto& s) { return ToItemIndex(s.ReleasingType); };
  const Field periods = [](const auto& s) { return s.GeneralPeriods; };
  const Field dateStyle = [](const auto& s) { return ToItemIndex(s.DateStyle); };
  const Field names = [](const auto& s) { return ToItemIndex(s.SignNameStyle); };
  const Field bond = [](const auto& s) { return ToItemIndex(s.LooseBondType); };
  const struct {
    int line;
    std::string text;
    Field field;
    std::int32_t expected;
  } cases[] = {
      {kMonthLine, "11", month, 11},
      {kMonthLine, "12", month, -1},
      {kMonthLine, "-1", month, -1},
      {kMonthLine, "-5", month, -1},
      {kMonthLine, "$A", month, 10},
      {kMonthLine, " 0", month, 0},
      {kDayLine, "45", day, 31},
      {kDayLine, "0", day, 1},
      {kDayLine, "-7", day, 1},
      {kDayLine, "31", day, 31},
      {kYearLine, "20000", year, 10000},
      {kYearLine, "-5000", year, -4712},
      {kYearLine, "-4712", year, -4712},
      {kYearLine, "0", year, 0},
      {kStartSignLine, "12", sign, -1},
      {kStartSignLine, "11", sign, 11},
      {kStartSignLine, "-2", sign, -1},
      {kReleasingTypeLine, "7", type, 2},
      {kReleasingTypeLine, "-5", type, -1},
      {kReleasingTypeLine, "1", type, 1},
      {kGeneralPeriodsLine, "0", periods, 1},
      {kGeneralPeriodsLine, "201", periods, 200},
      {kGeneralPeriodsLine, "200", periods, 200},
      {kDateStyleLine, "3", dateStyle, 2},
      {kDateStyleLine, "-1", dateStyle, -1},
      {kSignNamesLine, "2", names, 1},
      {kSignNamesLine, "-9", names, -1},
      {kLooseBondLine, "5", bond, 1},
      {kLooseBondLine, "0", bond, 0},
      {kLooseBondLine, "-2147483648", bond, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.line) + " holding '" + c.text + "'");
    ReleaseSettings s;
    ApplyLine(s, c.line, c.text);
    EXPECT_EQ(c.field(s), c.expected);
  }
}

TEST(ApplyLine, TextLinesAreTakenUnchanged) {
  const std::string name(80, 'n');  // longer than the field's typing limit
  ReleaseSettings s;
  ApplyLine(s, kNameLine, name);
  ApplyLine(s, kTimeLine, " 5x ");
  ApplyLine(s, kJulianDateLine, "");
  EXPECT_EQ(s.Name, name);
  EXPECT_EQ(s.TimeText, " 5x ");
  EXPECT_EQ(s.JulianDateText, "");
  EXPECT_THROW(ApplyLine(s, kDayLine, "5 "), EConvertError);
}

TEST(LoadSettingsFile, StopsAtTheFirstBadNumberLine) {
  const struct {
    const char* what;
    std::string bytes;
    int lineCount;
    std::string message;
    int line;                  // where the bad one stands
    ReleaseSettings expected;  // the lines before the bad one applied
  } cases[] = {
      {"only the name line", "Only A Name\r\n", kOptionsFileLineCount,
       "'' is not a valid integer value", 2,
       [] {
         ReleaseSettings s;
         s.Name = "Only A Name";
         return s;
       }()},
      {"5x as the year", "N\r\n4\r\n9\r\n5x\r\n1:00\r\n", kOptionsFileLineCount,
       "'5x' is not a valid integer value", 4,
       [] {
         ReleaseSettings s;
         s.Name = "N";
         s.MonthIndex = 4;
         s.Day = 9;
         return s;
       }()},
      {"six lines of a user data file", "N\n4\n9\n1990\n1:00\n2447000.5\n", kUserDataLineCount,
       "'' is not a valid integer value", 7,
       [] {
         ReleaseSettings s;
         s.Name = "N";
         s.MonthIndex = 4;
         s.Day = 9;
         s.Year = 1990;
         s.TimeText = "1:00";
         s.JulianDateText = "2447000.5";
         return s;
       }()},
  };
  TempDir dir;
  const std::string path = dir.Path("bad.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, c.bytes);
    ReleaseSettings s;
    try {
      LoadSettingsFile(path, c.lineCount, s);
      ADD_FAILURE() << "no error";
    } catch (const EFileLineError& e) {
      EXPECT_EQ(std::string(e.what()), c.message) << "the message as the window shows it";
      EXPECT_EQ(e.FileName(), path);
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_EQ(e.Located(), "Line " + std::to_string(c.line) + " of '" + path + "': " + c.message);
    }
    ExpectEqual(s, c.expected);
  }
}

TEST(LoadSettingsFile, LinesAfterTheLastAreIgnored) {
  TempDir dir;
  const std::string path = dir.Path(kOptionsFileName);
  WriteBytes(path, std::string(kCustomFile) + "not a number\r\n" + std::string(1 << 20, 'z'));
  ReleaseSettings s;
  EXPECT_NO_THROW(LoadSettingsFile(path, kOptionsFileLineCount, s));
  ReleaseSettings expected = Custom();
  expected.Day = 31;
  ExpectEqual(s, expected);
}

TEST(LoadSettingsFile, UnreadableFileChangesNothing) {
  TempDir dir;
  const std::string missing = dir.Path("none.txt"), longLine = dir.Path("long.txt");
  WriteBytes(longLine, "A Name\r\n" + std::string(kMaxLineBytes + 1, '1') + "\r\n");
  const struct {
    std::string path, message;
  } cases[] = {
      {missing, "Cannot open '" + missing + "': No such file or directory"},
      {longLine, "Line 2 of '" + longLine + "' is too long."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ReleaseSettings s;
    try {
      LoadSettingsFile(c.path, kOptionsFileLineCount, s);
      ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    ExpectEqual(s, ReleaseSettings());
  }
}

}  // namespace

namespace {

TEST(SettingsFileExtension, ReadBothWaysAndRefusedWhole) {
  ReleaseSettings withFortune = Custom();
  withFortune.FortuneSign = 4;
  withFortune.AnglesFrom = TAnglesFrom::StartSign;
  // Not the defaults: a file without the lines sets the defaults.
  withFortune.Place.Variants = {TZodiac::Lahiri, TLotFormula::Day, TSectHorizon::Visible};
  const std::string chartLines =
      "Ren\xC3\xA9"
      "e Dupr\xC3\xA9\r\n10\r\n45\r\n-300\r\n2:30 pm\r\n1611859.5\r\n9\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    int lineCount;
    std::int32_t fortune;       // expected after loading over withFortune
    TAnglesFrom anglesFrom;     // expected after loading over withFortune
    const char* error;          // expected message, or nullptr
    TChartVariants variants{};  // expected after loading over withFortune
  };
  const Case cases[] = {
      {"options file of the first versions", kCustomFile, kOptionsFileLineCount, -1,
       TAnglesFrom::Fortune, nullptr},
      {"chart file of the first versions", chartLines, kUserDataLineCount, -1,
       TAnglesFrom::StartSign, nullptr},
      {"options file with both lines",
       std::string(kCustomFile) + "fortune=7\r\nangles-from=start\r\n", kOptionsFileLineCount, 7,
       TAnglesFrom::StartSign, nullptr},
      {"chart file with Fortune", chartLines + "fortune=11\r\n", kUserDataLineCount, 11,
       TAnglesFrom::StartSign, nullptr},
      {"options file opened as a chart: its Fortune, not its releasing type",
       std::string(kCustomFile) + "fortune=2\r\nangles-from=fortune\r\n", kUserDataLineCount, 2,
       TAnglesFrom::StartSign, nullptr},
      {"Fortune out of range is unknown", chartLines + "fortune=12\r\n", kUserDataLineCount, -1,
       TAnglesFrom::StartSign, nullptr},
      {"unknown keys and plain lines ignored",
       chartLines + "colour=red\r\nsomething\r\nfortune=$3\r\n", kUserDataLineCount, 3,
       TAnglesFrom::StartSign, nullptr},
      {"bad Fortune refuses the file", chartLines + "fortune=Leo\r\n", kUserDataLineCount, 4,
       TAnglesFrom::StartSign, "Line 8 of '%s': 'Leo' is not a valid integer value"},
      {"bad latitude refuses the file", chartLines + "fortune=1\r\nlatitude=95\r\n",
       kUserDataLineCount, 4, TAnglesFrom::StartSign, "Line 9 of '%s': "},
      {"unknown time zone refuses the file", chartLines + "time-zone=Mars/Olympus\r\n",
       kUserDataLineCount, 4, TAnglesFrom::StartSign,
       "Line 8 of '%s': 'Mars/Olympus' is not a time zone of the time-zone database"},
      {"bad angles line refuses the file", std::string(kCustomFile) + "angles-from=sun\r\n",
       kOptionsFileLineCount, 4, TAnglesFrom::StartSign,
       "Line 13 of '%s': 'sun' is neither fortune nor start"},
      {"chart file with a place, before the variants",
       chartLines + "fortune=3\r\nplace=Amsterdam, North Holland, NL\r\nlatitude=52.37403\r\n"
                    "longitude=4.88969\r\ntime-zone=Europe/Amsterdam\r\nutc-offset=\r\n"
                    "dst-choice=\r\nsect=\r\n",
       kUserDataLineCount, 3, TAnglesFrom::StartSign, nullptr},
      {"variants read",
       chartLines + "fortune=3\r\nzodiac=fagan-bradley\r\nlot-formula=day\r\n",
       kUserDataLineCount,
       3,
       TAnglesFrom::StartSign,
       nullptr,
       {TZodiac::FaganBradley, TLotFormula::Day, TSectHorizon::Geometric}},
      {"options file with the variants",
       std::string(kCustomFile) + "fortune=7\r\nangles-from=start\r\nsect-horizon=visible\r\n" +
           "zodiac=lahiri\r\n",
       kOptionsFileLineCount,
       7,
       TAnglesFrom::StartSign,
       nullptr,
       {TZodiac::Lahiri, TLotFormula::Sect, TSectHorizon::Visible}},
      {"bad zodiac refuses the file", chartLines + "fortune=1\r\nzodiac=Lahiri\r\n",
       kUserDataLineCount, 4, TAnglesFrom::StartSign,
       "Line 9 of '%s': 'Lahiri' is not one of tropical, fagan-bradley, lahiri"},
      {"bad lot formula refuses the file", std::string(kCustomFile) + "lot-formula=night\r\n",
       kOptionsFileLineCount, 4, TAnglesFrom::StartSign,
       "Line 13 of '%s': 'night' is not one of sect, day"},
      {"bad horizon refuses the file", chartLines + "sect-horizon=\r\n", kUserDataLineCount, 4,
       TAnglesFrom::StartSign, "Line 8 of '%s': '' is not one of geometric, visible"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string path = dir.Path("file.txt");
    WriteBytes(path, c.bytes);
    ReleaseSettings s = withFortune;
    if (c.error) {
      try {
        LoadSettingsFile(path, c.lineCount, s);
        ADD_FAILURE() << c.name << ": no error";
      } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(FormatMessage(c.error, path), 0), 0u)
            << c.name << ": " << e.what();
      }
      ExpectEqual(s, withFortune);  // nothing applied
      continue;
    }
    ASSERT_NO_THROW(LoadSettingsFile(path, c.lineCount, s)) << c.name;
    EXPECT_EQ(s.FortuneSign, c.fortune) << c.name;
    EXPECT_EQ(s.AnglesFrom, c.anglesFrom) << c.name;
    EXPECT_EQ(s.StartSign, 9) << c.name;
    EXPECT_EQ(s.Place.Variants, c.variants) << c.name;
  }

  // Saved and loaded again, and the first lines as the first versions read them.
  withFortune.Place.Name = "Amsterdam, North Holland, NL";
  withFortune.Place.Latitude = 52.37403;
  withFortune.Place.Longitude = -4.88969;
  withFortune.Place.TimeZone = "Europe/Amsterdam";
  withFortune.Place.UtcOffsetSeconds = 4772;
  withFortune.Place.Dst = TDstChoice::Later;
  withFortune.Place.Sect = TSect::Night;
  TempDir dir;
  const std::string path = dir.Path(kOptionsFileName);
  ASSERT_TRUE(SaveOptionsFile(path, withFortune).Ok);
  ReleaseSettings back;
  LoadSettingsFile(path, kOptionsFileLineCount, back);
  const TReadResult firstLines = ReadLines(path, kOptionsFileLineCount);
  ASSERT_TRUE(firstLines.Ok());
  EXPECT_EQ(firstLines.Lines, OptionsFileLines(withFortune));
  withFortune.Day = 31;
  ExpectEqual(back, withFortune);
  EXPECT_EQ(back.Place.Name, withFortune.Place.Name);
  EXPECT_EQ(back.Place.Latitude, withFortune.Place.Latitude);
  EXPECT_EQ(back.Place.Longitude, withFortune.Place.Longitude);
  EXPECT_EQ(back.Place.TimeZone, withFortune.Place.TimeZone);
  EXPECT_EQ(back.Place.UtcOffsetSeconds, withFortune.Place.UtcOffsetSeconds);
  EXPECT_EQ(back.Place.Dst, TDstChoice::Later);
  EXPECT_EQ(back.Place.Sect, TSect::Night);
  // A chart opened from it takes the place and the variants too.
  ReleaseSettings chart;
  LoadSettingsFile(path, kUserDataLineCount, chart);
  EXPECT_EQ(chart.Place.TimeZone, "Europe/Amsterdam");
  EXPECT_EQ(chart.Place.Variants, withFortune.Place.Variants);
}

}  // namespace
