// The messages of ostrane-list: offending text shown with what a terminal
// would act on escaped, and the name refused when it holds control
// characters.
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ListCommand.h"
#include "tests/support/ListRun.h"

using namespace ostrane;

namespace {

using Result = ostrane::testing::TListRun;
using ostrane::testing::RunList;

const std::string kTry = "Try 'ostrane-list --help' for more information.\n";

TEST(ListMessages, ErrorsKeepTheirStatusAndEscapeTheOffendingText) {
  QTemporaryDir dir;
  const std::string chart = dir.filePath("chart.txt").toStdString();
  std::ofstream(chart, std::ios::binary) << "Name\r\n\x1b[2J\r\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;  // followed by kTry when a usage error (status 2)
  } cases[] = {
      {{"--time", "12:00\x1b[2J"}, 1, "'12:00\\x1b[2J' is not a valid time.\n"},
      {{"--time", "\u009b31m"}, 1, "'\\u009b31m' is not a valid time.\n"},
      {{"--year", "19\x1b]0;x\x07"},
       2,
       "ostrane-list: --year takes a whole number from -4712 to 10000, not '19\\x1b]0;x\\x07'\n"},
      {{"--\x1b[31mred"}, 2, "ostrane-list: unknown option '--\\x1b[31mred'\n"},
      {{"--type", "\xFF\xFE"},
       2,
       "ostrane-list: --type takes one of modern, egyptian, valens (or its number), not "
       "'\\xff\\xfe'\n"},
      {{"--find-place", "Par\x1b[2J"}, 1, "No place matches 'Par\\x1b[2J'.\n"},
      {{"--tz", "Bad\x1b[1mZone"},
       2,
       "ostrane-list: --tz: 'Bad\\x1b[1mZone' is not a time zone of the time-zone database\n"},
      {{"--lat", "52", "--lon", "4", "--tz", "Europe/Amsterdam", "--lots", "--time", "1\x1b"},
       1,
       "'1\\x1b' is not a valid time.\n"},
      {{"--batch", "/nonexistent/\x1b[2J.csv"},
       1,
       "ostrane-list: cannot read '/nonexistent/\\x1b[2J.csv'\n"},
      {{"--ics", "/nonexistent/\x1b[2J.ics", "--year", "2000"},
       1,
       "ostrane-list: cannot write the output: /nonexistent/\\x1b[2J.ics: No such file or "
       "directory\n"},
      {{"--ics", "/nonexistent/x.ics", "--time", "1\x1b"}, 1, "'1\\x1b' is not a valid time.\n"},
      {{"--chart", chart},
       1,
       "Line 2 of '" + chart + "': '\\x1b[2J' is not a valid integer value.\n"},
      {{"--options", ""}, 2, "ostrane-list: --options needs a file name\n"},
      {{"--chart="}, 2, "ostrane-list: --chart needs a file name\n"},
      {{"--batch", "-", "--output", ""}, 2, "ostrane-list: --output needs a file name\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0]);
    const Result r = RunList(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.status == 2 ? c.err + kTry : c.err);
    EXPECT_EQ(r.out, "");
  }
}

// The chart of a birth (--lots, --start-sign fortune) and the calendar
// (--ics) read the time as the listing does: under the system's locale, or
// in the "C" forms.
TEST(ListLocale, TheChartAndTheCalendarReadTheTimeAsTheListingDoes) {
  const QLocale before;
  QLocale::setDefault(QLocale("fi_FI"));
  QTemporaryDir dir;
  const std::vector<std::string> place = {"--lat", "60.17", "--lon",
                                          "24.94", "--tz",  "Europe/Helsinki"};
  for (const char* time : {"9.01.16", "09:01:16"}) {
    const std::vector<std::string> runs[] = {{"--lots"},
                                             {"--start-sign", "fortune"},
                                             {"--ics", dir.filePath("periods.ics").toStdString()}};
    for (const auto& run : runs) {
      SCOPED_TRACE(std::string(time) + " " + run[0]);
      std::vector<std::string> args = {"--year", "2000", "--time", time};
      if (run[0] != "--ics") args.insert(args.end(), place.begin(), place.end());
      args.insert(args.end(), run.begin(), run.end());
      const Result r = RunList(args);
      EXPECT_EQ(r.status, 0) << r.err;
      EXPECT_TRUE(run[0] != "--lots" || r.out.find("\nfortune_sign,") != std::string::npos);
    }
  }
  QLocale::setDefault(before);
}

TEST(ListMessages, TheNameTakesTextWithoutControlCharacters) {
  std::string fifty;  // 50 characters, 200 bytes
  for (int i = 0; i < 50; ++i) fifty += "\xF0\x9F\x98\x80";
  const std::string refused =
      "ostrane-list: --name takes UTF-8 text without line breaks or other control characters\n" +
      kTry;
  const std::string tooLong = "ostrane-list: --name takes at most 50 characters\n" + kTry;
  const struct {
    const char* what;
    std::string name;
    std::string err;  // empty: taken
  } cases[] = {
      {"plain", "Time Lords", ""},
      {"50 four-byte characters", fifty, ""},
      {"51 ASCII characters", std::string(51, 'n'), tooLong},
      {"a line break", "Two\nLines", refused},
      {"a carriage return", "Name\r", refused},
      {"an escape sequence", "\x1b[2JName", refused},
      {"a C1 control", "Name\xC2\x9B", refused},
      {"not UTF-8", "Jos\xE9", refused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Result r = RunList({"--name", c.name, "--year", "2000", "--periods", "1"});
    EXPECT_EQ(r.status, c.err.empty() ? 0 : 2);
    EXPECT_EQ(r.err, c.err);
    EXPECT_TRUE(!c.err.empty() || r.out.find("\n" + c.name + "\n") != std::string::npos)
        << "the name is listed";
  }
}

// A chart file's name that would retitle the window and clear the screen:
// the listing shows it escaped, the calendar holds no control characters
// but the line ends of its lines, the timeline's SVG holds it as XML text.
TEST(ListMessages, AHostileNameFromAFileIsShownNotActedOn) {
  QTemporaryDir dir;
  const std::string chart = dir.filePath("chart.txt").toStdString();
  const std::string ics = dir.filePath("periods.ics").toStdString();
  const std::string svg = dir.filePath("timeline.svg").toStdString();
  std::ofstream(chart, std::ios::binary)
      << "\x1b]0;owned\x07<script>A & B</script>\x1b[2J\r\n3\r\n14\r\n1961\r\n06:15\r\n\r\n4\r\n";

  const Result listing = RunList({"--chart", chart});
  ASSERT_EQ(listing.status, 0) << listing.err;
  EXPECT_NE(listing.out.find("\n\\x1b]0;owned\\x07<script>A & B</script>\\x1b[2J\n"),
            std::string::npos)
      << listing.out;
  EXPECT_EQ(listing.out.find('\x1b'), std::string::npos);

  const Result calendar = RunList({"--chart", chart, "--ics", ics});
  ASSERT_EQ(calendar.status, 0) << calendar.err;
  QFile icsFile(QString::fromStdString(ics));
  ASSERT_TRUE(icsFile.open(QIODevice::ReadOnly));
  const QByteArray icsBytes = icsFile.readAll();
  // Unfolded, the description holds the name with spaces for the controls.
  EXPECT_TRUE(
      QByteArray(icsBytes).replace("\r\n ", "").contains("owned <script>A & B</script> [2J\\n"))
      << icsBytes.toStdString();
  for (qsizetype i = 0; i < icsBytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(icsBytes[i]);
    const bool lineEnd = c == '\r' && i + 1 < icsBytes.size() && icsBytes[i + 1] == '\n';
    const bool afterCr = c == '\n' && i > 0 && icsBytes[i - 1] == '\r';
    if ((c < 0x20 && c != '\t' && !lineEnd && !afterCr) || c == 0x7F)
      ADD_FAILURE() << "control byte " << int(c) << " at " << i;
  }

  const Result timeline = RunList({"--chart", chart, "--timeline", svg});
  ASSERT_EQ(timeline.status, 0) << timeline.err;
  QFile svgFile(QString::fromStdString(svg));
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svgFile);
  QString description;
  bool script = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    script = script || xml.name() == QLatin1String("script");
    if (xml.name() == QLatin1String("desc")) description = xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_FALSE(script);
  EXPECT_EQ(description.toStdString(), "Releasing periods of ]0;owned<script>A & B</script>[2J");
}

// Long input is echoed as its first 60 characters and an ellipsis; a
// timeline wider than its width holds is refused, naming what fits.
TEST(ListMessages, LongInputIsEchoedShortAndTooManyYearsRefused) {
  QTemporaryDir dir;
  const std::string svg = dir.filePath("t.svg").toStdString();
  const std::string query(131 * 1024, 'q'), echoed = std::string(60, 'q') + "\u2026";
  std::string euros;  // 61 characters of three bytes
  for (int i = 0; i < 61; ++i) euros += "\u20ac";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;  // followed by kTry when a usage error (status 2)
  } cases[] = {
      {{"--place", query}, 2, "ostrane-list: --place: no place matches '" + echoed + "'\n"},
      {{"--find-place", query}, 1, "No place matches '" + echoed + "'.\n"},
      {{"--tz", query},
       2,
       "ostrane-list: --tz: '" + echoed + "' is not a time zone of the time-zone database\n"},
      {{"--find-place", euros}, 1, "No place matches '" + euros.substr(0, 180) + "\u2026'.\n"},
      {{"--timeline", query},
       2,
       "ostrane-list: --timeline takes a file name ending in .png, .svg or .pdf, not '" + echoed +
           "'\n"},
      {{"--timeline", svg, "--width", "200", "--from-year", "0", "--to-year", "5000"},
       2,
       "ostrane-list: the years from --from-year to --to-year do not fit across --width 200: at "
       "most 3121 years fit at that width\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1].substr(0, 10));
    const Result r = RunList(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.status == 2 ? c.err + kTry : c.err);
  }
}

}  // namespace
