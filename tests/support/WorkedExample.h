// The birth data of the worked examples that the listing tests and the
// window's model tests start from.
#pragma once

#include "core/ReleaseSettings.h"

namespace ostrane::testing {

// The birth data of the worked examples: 1 January 2000, 12:00.
inline ReleaseSettings WorkedExample() {
  ReleaseSettings s;
  s.Name = "Time Lords";
  s.MonthIndex = 0;
  s.Day = 1;
  s.Year = 2000;
  s.TimeText = "12:00";
  s.StartSign = 0;
  s.ReleasingType = TReleasingType::Valens;
  s.GeneralPeriods = 2;
  s.DateStyle = TDateStyle::American;
  s.SignNameStyle = TSignNameStyle::Long;
  s.LooseBondType = TLooseBond::Always;
  return s;
}

}  // namespace ostrane::testing
