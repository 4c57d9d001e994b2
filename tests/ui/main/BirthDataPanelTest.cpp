// The birth-data panel on its own: a whole ReleaseSettings read back as it
// was applied, and a file's lines each put into their own control only.
#include <QComboBox>
#include <string>

#include "storage/SettingsFiles.h"
#include "tests/support/UiTestSupport.h"
#include "ui/main/BirthDataPanel.h"

namespace ostrane::uitest {
namespace {

ReleaseSettings Applied() {
  ReleaseSettings s;
  s.Name = std::string(kMaxNameLength + 7, 'n');  // longer than typing allows
  s.MonthIndex = 6;
  s.Day = 21;
  s.Year = 1948;
  s.TimeText = "2:30 pm";
  s.JulianDateText = "2432753.9";
  s.StartSign = 4;
  s.ReleasingType = TReleasingType::Egyptian;
  s.GeneralPeriods = 14;
  s.DateStyle = TDateStyle::Scientific;
  s.SignNameStyle = TSignNameStyle::Short;
  s.LooseBondType = TLooseBond::Never;
  s.FortuneSign = 11;
  return s;
}

// The fields the panel reads, for comparing.
std::string Fields(const ReleaseSettings& s) {
  return s.Name + "|" + std::to_string(s.MonthIndex) + "|" + std::to_string(s.Day) + "|" +
         std::to_string(s.Year) + "|" + s.TimeText + "|" + s.JulianDateText + "|" +
         std::to_string(s.StartSign) + "|" + std::to_string(ToItemIndex(s.ReleasingType)) + "|" +
         std::to_string(s.GeneralPeriods) + "|" + std::to_string(ToItemIndex(s.DateStyle)) + "|" +
         std::to_string(ToItemIndex(s.SignNameStyle)) + "|" +
         std::to_string(ToItemIndex(s.LooseBondType)) + "|" + std::to_string(s.FortuneSign);
}

TEST(BirthDataPanel, ReadsBackWhatWasApplied) {
  TBirthDataPanel panel;
  panel.ApplySettings(Applied());
  EXPECT_EQ(Fields(panel.ReadSettings()), Fields(Applied()));
  EXPECT_EQ(Find<QComboBox>(&panel, "ComboBoxFortune")->currentText().toStdString(), "Pisces");

  ReleaseSettings outside = Applied();
  outside.MonthIndex = 12;
  outside.StartSign = -3;
  outside.FortuneSign = 12;
  panel.ApplySettings(outside);
  const ReleaseSettings read = panel.ReadSettings();
  EXPECT_EQ(read.MonthIndex, kNoSelection) << "a month outside the list selects none";
  EXPECT_EQ(read.StartSign, kNoSelection) << "a sign outside the list selects none";
  EXPECT_EQ(read.FortuneSign, -1) << "Fortune outside 0 .. 11 is none";
}

TEST(BirthDataPanel, AFileLineSetsOnlyItsOwnControl) {
  for (int line = kNameLine; line <= kLooseBondLine; ++line) {
    TBirthDataPanel panel;
    const ReleaseSettings before = panel.ReadSettings();
    panel.ApplyFileLine(line, Applied());
    const ReleaseSettings after = panel.ReadSettings();
    // Every field as before but the line's, which is the applied one.
    ReleaseSettings expected = before;
    const ReleaseSettings a = Applied();
    switch (line) {
      case kNameLine: expected.Name = a.Name; break;
      case kMonthLine: expected.MonthIndex = a.MonthIndex; break;
      case kDayLine: expected.Day = a.Day; break;
      case kYearLine: expected.Year = a.Year; break;
      case kTimeLine: expected.TimeText = a.TimeText; break;
      case kJulianDateLine: expected.JulianDateText = a.JulianDateText; break;
      case kStartSignLine: expected.StartSign = a.StartSign; break;
      case kReleasingTypeLine: expected.ReleasingType = a.ReleasingType; break;
      case kGeneralPeriodsLine: expected.GeneralPeriods = a.GeneralPeriods; break;
      case kDateStyleLine: expected.DateStyle = a.DateStyle; break;
      case kSignNamesLine: expected.SignNameStyle = a.SignNameStyle; break;
      case kLooseBondLine: expected.LooseBondType = a.LooseBondType; break;
      default: break;
    }
    EXPECT_EQ(Fields(after), Fields(expected)) << "file line " << line;
    EXPECT_NE(Fields(after), Fields(before)) << "file line " << line << " changed nothing";
  }
}

}  // namespace
}  // namespace ostrane::uitest
