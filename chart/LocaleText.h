// Times and numbers as the system's locale writes them, for the time and
// Julian Date fields of the window and the time the command line reads.
// Qt Core only.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <string>

#include "core/TimeText.h"

namespace ostrane {

// The separator between the hours and the minutes of a Qt time format
// ("h:mm:ss AP" gives ":", "H.mm.ss" gives "."), or ":" when the format
// has none that the time parse could match (letters or digits in it).
QString TimeSeparatorOf(const QString& timeFormat);

// A Qt time format without its time zone ("h:mm:ss AP t" gives
// "h:mm:ss AP").
QString WithoutTimeZone(const QString& timeFormat);

// The locale's long time format without a time zone.
QString LongTimeFormatOf(const QLocale& locale);

// What the time parse needs of the locale: the time separator (from its
// time format), the decimal point and the am/pm texts.
TimeLocale TimeLocaleOf(const QLocale& locale);

// The locale's decimal separator as UTF-8 text.
std::string DecimalSeparatorOf(const QLocale& locale);

// The time parse a time text from the window or its files is read with: the
// one of `locale` (the system's), as the window reads its time field, when
// the text reads so; else the "C" forms ("14:30", "14:30:15.250",
// "2:30 PM") when it reads so; else `locale`'s, whose error names the text.
TimeLocale TimeLocaleReading(const std::string& text, const QLocale& locale);

// A time of day as the time field shows it: the long time format without
// a time zone, so that the time parse reads it back to the same second.
// A locale whose long format would not read back (other digits, words
// between the numbers, no seconds) gets hours, minutes and seconds on the
// 24-hour clock with its time separator.
QString TimeFieldText(const QLocale& locale, std::int64_t msOfDay);

}  // namespace ostrane
