#include "chart/LocaleText.h"

#include <QTime>

namespace ostrane {
namespace {

constexpr QChar kQuote = u'\'';

// The pieces of a Qt date-time format: a run of one pattern letter, or
// literal text (quotes removed, "''" standing for one quote).
struct FormatPiece {
  QString Text;
  bool Literal = false;
};

QList<FormatPiece> SplitFormat(const QString& format) {
  QList<FormatPiece> pieces;
  auto addLiteral = [&](QChar c) {
    if (pieces.isEmpty() || !pieces.back().Literal) pieces.append({QString(), true});
    pieces.back().Text += c;
  };
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == kQuote) {
      if (i + 1 < format.size() && format[i + 1] == kQuote) {
        addLiteral(kQuote);
        i += 2;
        continue;
      }
      ++i;
      while (i < format.size()) {
        if (format[i] == kQuote) {
          if (i + 1 < format.size() && format[i + 1] == kQuote) {
            addLiteral(kQuote);
            i += 2;
            continue;
          }
          break;
        }
        addLiteral(format[i++]);
      }
      ++i;  // the closing quote
    } else if (c.isLetter()) {
      qsizetype end = i;
      while (end < format.size() && format[end] == c) ++end;
      pieces.append({format.mid(i, end - i), false});
      i = end;
    } else {
      addLiteral(c);
      ++i;
    }
  }
  return pieces;
}

bool IsHourPiece(const FormatPiece& p) {
  return !p.Literal && (p.Text[0] == u'h' || p.Text[0] == u'H');
}

}  // namespace

QString TimeSeparatorOf(const QString& timeFormat) {
  const QList<FormatPiece> pieces = SplitFormat(timeFormat);
  for (qsizetype i = 0; i + 2 < pieces.size(); ++i) {
    if (!IsHourPiece(pieces[i]) || !pieces[i + 1].Literal) continue;
    QString separator = pieces[i + 1].Text;
    bool usable = !separator.trimmed().isEmpty();
    for (QChar c : separator)
      if (c.isLetterOrNumber()) usable = false;
    if (usable && !pieces[i + 2].Literal && pieces[i + 2].Text[0] == u'm') return separator;
    break;
  }
  return QStringLiteral(":");
}

QString WithoutTimeZone(const QString& timeFormat) {
  QString result;
  bool quoted = false;  // "''" toggles twice and so changes nothing
  for (QChar c : timeFormat) {
    if (c == kQuote) quoted = !quoted;
    if (!quoted && c == u't') continue;
    result += c;
  }
  return result.simplified();
}

QString LongTimeFormatOf(const QLocale& locale) {
  return WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
}

TimeLocale TimeLocaleOf(const QLocale& locale) {
  TimeLocale result;
  result.TimeSeparator = TimeSeparatorOf(locale.timeFormat(QLocale::LongFormat)).toStdString();
  result.DecimalSeparator = DecimalSeparatorOf(locale);
  result.MorningString = locale.amText().toStdString();
  result.AfternoonString = locale.pmText().toStdString();
  return result;
}

std::string DecimalSeparatorOf(const QLocale& locale) {
  return locale.decimalPoint().toStdString();
}

TimeLocale TimeLocaleReading(const std::string& text, const QLocale& locale) {
  TimeLocale own = TimeLocaleOf(locale);
  if (ParseTimeMs(text, own)) return own;
  if (TimeLocale plain; ParseTimeMs(text, plain)) return plain;
  return own;
}

QString TimeFieldText(const QLocale& locale, std::int64_t msOfDay) {
  const QTime time =
      QTime::fromMSecsSinceStartOfDay(static_cast<int>(msOfDay % kMillisecondsPerDay));
  QString text = locale.toString(time, LongTimeFormatOf(locale));
  const auto readBack = ParseTimeMs(text.toStdString(), TimeLocaleOf(locale));
  if (readBack && *readBack / 1000 == msOfDay / 1000) return text;
  const QString separator = TimeSeparatorOf(locale.timeFormat(QLocale::LongFormat));
  return QString::asprintf("%02d", time.hour()) + separator +
         QString::asprintf("%02d", time.minute()) + separator +
         QString::asprintf("%02d", time.second());
}

}  // namespace ostrane
