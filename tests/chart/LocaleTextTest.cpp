#include <QLocale>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "chart/LocaleText.h"
#include "core/TimeText.h"

namespace ostrane {
namespace {

constexpr std::int64_t kHour = 3'600'000;

TEST(LocaleText, TimeSeparatorFromTheTimeFormat) {
  struct Case {
    const char* format;
    const char* separator;
  };
  const Case cases[] = {
      {"h:mm:ss AP t", ":"},
      {"H.mm.ss t", "."},
      {"HH:mm", ":"},
      {"t HH:mm:ss", ":"},
      {"H:mm:ss 'ч'. t", ":"},
      {"HH 'h' mm 'min' ss 's' t", ":"},  // words between the numbers: not a separator
      {"AP h시 m분 s초 t", ":"},
      {"HH'h'mm", ":"},
      {"", ":"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TimeSeparatorOf(QString::fromUtf8(c.format)).toStdString(), c.separator)
        << "format '" << c.format << "'";
}

TEST(LocaleText, TimeZoneLeftOutOfTheFormat) {
  struct Case {
    const char* format;
    const char* without;
  };
  const Case cases[] = {
      {"h:mm:ss AP t", "h:mm:ss AP"},
      {"HH:mm:ss t", "HH:mm:ss"},
      {"t HH:mm:ss", "HH:mm:ss"},
      {"HH:mm:ss tttt", "HH:mm:ss"},
      {"HH:mm:ss", "HH:mm:ss"},
      {"H:mm:ss 'ч'. t", "H:mm:ss 'ч'."},
      {"HH 'h' mm 'min' ss 's' t", "HH 'h' mm 'min' ss 's'"},
      {"HH 'o''clock' t", "HH 'o''clock'"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WithoutTimeZone(QString::fromUtf8(c.format)).toStdString(), c.without)
        << "format '" << c.format << "'";
}

TEST(LocaleText, TimeFieldTextInTheLongFormat) {
  struct Case {
    const char* locale;
    std::int64_t ms;
    const char* text;
  };
  const Case cases[] = {
      {"C", 18 * kHour, "18:00:00"},
      {"C", 5'000, "00:00:05"},
      {"en_US", 18 * kHour, "6:00:00 PM"},
      {"en_US", 5'999, "12:00:05 AM"},
      {"en_US", 12 * kHour, "12:00:00 PM"},
      {"de_DE", 18 * kHour, "18:00:00"},
      {"fi_FI", 18 * kHour + 5 * 60'000 + 7'000, "18.05.07"},
      {"fr_CA", 18 * kHour, "18:00:00"},  // "18 h 00 min 00 s" would not read back
  };
  for (const Case& c : cases)
    EXPECT_EQ(TimeFieldText(QLocale(c.locale), c.ms).toStdString(), c.text)
        << c.locale << " at " << c.ms << " ms";
}

TEST(LocaleText, TimeFieldTextReadsBackToTheSameSecond) {
  const char* locales[] = {"C",     "en_US", "de_DE", "en_GB", "fi_FI", "fr_CA",
                           "ko_KR", "zh_CN", "ar_EG", "bg_BG", "ja_JP", "hi_IN"};
  const std::int64_t times[] = {
      0, 999, kHour, 12 * kHour - 1, 12 * kHour, 13 * kHour + 61'001, 18 * kHour, 24 * kHour - 1};
  for (const char* name : locales) {
    const QLocale locale(name);
    const TimeLocale timeLocale = TimeLocaleOf(locale);
    for (std::int64_t ms : times) {
      const QString text = TimeFieldText(locale, ms);
      const auto readBack = ParseTimeMs(text.toStdString(), timeLocale);
      ASSERT_TRUE(readBack.has_value())
          << name << ": '" << text.toStdString() << "' does not read back";
      EXPECT_EQ(*readBack / 1000, ms / 1000) << name << ": '" << text.toStdString() << "'";
    }
  }
}

TEST(LocaleText, TimeLocaleFromQtsLocaleData) {
  const TimeLocale german = TimeLocaleOf(QLocale("de_DE"));
  EXPECT_EQ(german.TimeSeparator, ":");
  EXPECT_EQ(german.DecimalSeparator, ",");
  const TimeLocale finnish = TimeLocaleOf(QLocale("fi_FI"));
  EXPECT_EQ(finnish.TimeSeparator, ".");
  EXPECT_EQ(finnish.DecimalSeparator, ",");
  EXPECT_EQ(finnish.MorningString, QLocale("fi_FI").amText().toStdString());
  const TimeLocale american = TimeLocaleOf(QLocale("en_US"));
  EXPECT_EQ(american.AfternoonString, "PM");
  EXPECT_EQ(american.DecimalSeparator, ".");
}

// The command line reads a time as the window does under the system's
// locale, and in the "C" forms besides.
TEST(LocaleText, TimeReadAsTheWindowReadsItOrInTheCForms) {
  const std::int64_t kMinute = 60'000, kSecond = 1'000;
  const struct {
    const char* locale;
    const char* text;
    std::optional<std::int64_t> ms;
  } cases[] = {
      {"fi_FI", "9.01.16", 9 * kHour + kMinute + 16 * kSecond},
      {"fi_FI", "18.05.07", 18 * kHour + 5 * kMinute + 7 * kSecond},
      {"fi_FI", "09:01:16", 9 * kHour + kMinute + 16 * kSecond},
      {"fi_FI", "14:30:15.250", 14 * kHour + 30 * kMinute + 15'250},
      {"fi_FI", "2:30 PM", 14 * kHour + 30 * kMinute},
      {"fi_FI", "12:00\x1b[2J", std::nullopt},
      {"de_DE", "14:30:15,250", 14 * kHour + 30 * kMinute + 15'250},
      {"de_DE", "14:30:15.250", 14 * kHour + 30 * kMinute + 15'250},
      {"en_US", "2:30:00 PM", 14 * kHour + 30 * kMinute},
      {"C", "9.01.16", std::nullopt},
      {"C", "", std::nullopt},
  };
  for (const auto& c : cases) {
    const QLocale locale(c.locale);
    const TimeLocale chosen = TimeLocaleReading(c.text, locale);
    EXPECT_EQ(ParseTimeMs(c.text, chosen), c.ms) << c.locale << " '" << c.text << "'";
    if (!c.ms) {
      EXPECT_EQ(chosen.TimeSeparator, TimeLocaleOf(locale).TimeSeparator)
          << c.locale << " '" << c.text << "': the locale's own, for its message";
    }
  }
}

}  // namespace
}  // namespace ostrane
