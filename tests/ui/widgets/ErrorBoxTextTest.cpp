#include <QString>

#include <gtest/gtest.h>

#include "ui/widgets/ErrorBox.h"

namespace ostrane {
namespace {

// What the error box shows of a message: short ones as they are, long ones
// shortened to their beginning and end.
TEST(ErrorBoxShownText, LongMessagesAreShortenedShortOnesKept) {
  const QString x400(400, u'x');
  const QString bad = "'" + QString(36000, u'7') + "' is not a valid integer value.";
  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two code units
  const QString lines12 = QString("line\n").repeated(11) + "end";
  const struct {
    const char* what;
    QString text;
    QString shown;
  } cases[] = {
      {"empty", "", ""},
      {"a sentence", "'abc' is not a valid time.", "'abc' is not a valid time."},
      {"400 characters", x400, x400},
      {"12 lines", lines12, lines12},
      {"401 characters", x400 + "y", QString(300, u'x') + " \u2026 " + QString(79, u'x') + "y"},
      {"13 lines", lines12 + "\nmore",
       QString("line ").repeated(11) + "end more"},  // short: nothing left out
      {"a 36,000-character bad line", bad,
       "'" + QString(299, u'7') + " \u2026 " + QString(49, u'7') +
           "' is not a valid integer value."},
      {"line breaks of every kind", QString("a\r\n\v\f\u0085\u2028\u2029b").repeated(2) + x400,
       "a       ba       b" + QString(282, u'x') + " \u2026 " + QString(80, u'x')},
      {"a character at the cut of the beginning", QString(299, u'a') + emoji + x400,
       QString(299, u'a') + " \u2026 " + QString(80, u'x')},
      {"a character at the cut of the end", x400 + emoji + QString(79, u'z'),
       QString(300, u'x') + " \u2026 " + QString(79, u'z')},
  };
  constexpr QChar kZeroWidthSpace(0x200B);
  for (const auto& c : cases) {
    const QString shown = ErrorBoxShownText(c.text);
    EXPECT_EQ(QString(shown).remove(kZeroWidthSpace).toStdString(), c.shown.toStdString())
        << c.what;
    EXPECT_LE(QString(shown).remove(kZeroWidthSpace).size(), kErrorBoxMaxCharacters) << c.what;
    if (shown == c.text) continue;  // shown as it is
    // Shortened: no run of more than 40 characters without a place to break.
    qsizetype run = 0;
    for (const QChar ch : shown) {
      run = ch.isSpace() || ch == kZeroWidthSpace || ch.isLowSurrogate() ? 0 : run + 1;
      EXPECT_LE(run, 40) << c.what;
      if (run > 40) break;
    }
  }
}

}  // namespace
}  // namespace ostrane
