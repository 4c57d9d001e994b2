// The chains of periods as both listings walk them: the general periods
// (level 1) with their sub periods (level 2), and the level 3 periods of one
// sub period with their level 4 periods.  The listings turn each step into a
// line of text; the periods in force, the marks, the calendar and the
// timeline read the same steps, so every consumer sees exactly the starts the
// listings show.
//
// Every start and running sum is a double, rounded after each addition and
// compared with the enclosing length exactly, without tolerance: some
// listings depend on the ties that come out of this.
#pragma once

#include <cstdint>

#include "core/Chronocrators.h"

namespace ostrane {

// One period of a chain, as its line is about to be listed.
struct TPeriodStep {
  int Level = 1;             // 1 general, 2 sub, 3, 4
  std::int32_t Counter = 0;  // unreduced sign counter (may exceed 11)
  double Start = 0.0;        // Julian Day (local clock time) at which it begins
  // Where the chain would go on: start + the period's own length.  Known for
  // levels 1, 3 and 4 when the step is visited; for a sub period (level 2)
  // it is 0, since its length is only computed when the next line is made:
  // a sub period runs to the next data line.
  double NextStart = 0.0;
  // The first period after a jump to the opposite sign: after the twelfth
  // period at its level, and at level 1 after every twelfth general period
  // when the loose bond is "Always".
  bool Loosing = false;
};

// The inputs of the general walk.
struct TGeneralWalk {
  TReleasingType ReleasingType = TReleasingType::Valens;
  std::int32_t StartSign = 0;       // SignIndex of the first general period
  std::int32_t LooseBondType = 1;   // 1 Always: jump after every 12th general period
  std::int32_t GeneralPeriods = 1;  // how many general periods
  double Start = 0.0;               // Julian Day of the birth moment
};

// Walks the general periods and their sub periods in listing order: each
// general period's step (level 1, which also stands for its first sub
// period), then the steps of its further sub periods (level 2).  `visit`
// takes a const TPeriodStep& and returns true to go on, false to stop.
// Returns the end of the last general period walked (the start of the one
// that would follow).
template <class Visit>
double WalkGeneralPeriods(TChronocrator& chronocrator, const TGeneralWalk& walk, Visit&& visit) {
  const TReleasingType type = walk.ReleasingType;
  double generalStart = walk.Start;
  double subStart = walk.Start;
  std::int32_t signCounter = walk.StartSign;
  std::int32_t generalCount = 0;
  for (std::int32_t period = 0; period < walk.GeneralPeriods; ++period) {
    chronocrator.ComputePeriod(1, type, signCounter);
    const double generalLength = chronocrator.GetPeriodLength();
    const bool generalLoosing =
        walk.LooseBondType == 1 && generalCount > 0 && generalCount % 12 == 0;
    if (!visit(TPeriodStep{1, signCounter, generalStart, generalStart + generalLength,
                           generalLoosing}))
      return generalStart + generalLength;
    generalStart = generalStart + generalLength;

    std::int32_t subSign = signCounter;
    std::int32_t backStep = 1;
    std::int32_t subCount = 1;
    double elapsed = 0.0;
    while (elapsed < generalLength) {
      subSign = subSign + 1;
      // The length of the sub period that is running; subSign already names
      // the one that follows it.
      chronocrator.ComputePeriod(2, type, subSign - backStep);
      const double subLength = chronocrator.GetPeriodLength();
      const double nextStart = subStart + subLength;
      subStart = nextStart;
      elapsed = elapsed + subLength;
      if (elapsed > generalLength) {
        subStart = generalStart;  // the next sub period would begin too late
      } else if (!visit(TPeriodStep{2, subSign, nextStart, 0.0, backStep == 7})) {
        return generalStart;
      }
      subCount = subCount + 1;
      if (subCount == 12) {
        chronocrator.SetLooseBondSign(subSign);  // loosing of the bond
        subSign = chronocrator.GetLooseBondSign();
        backStep = 7;
      } else {
        backStep = 1;
      }
    }

    signCounter = signCounter + 1;
    generalCount = generalCount + 1;
    if (walk.LooseBondType == 1 && generalCount % 12 == 0) {
      chronocrator.SetLooseBondSign(signCounter);
      signCounter = chronocrator.GetLooseBondSign();
    }
  }
  return generalStart;
}

// Walks the level 3 periods of the sub period that begins at `start` with
// sign counter `sign`, each followed by its level 4 periods, in listing
// order.  The level 3 periods fill the sub period's own length; the last one
// usually reaches past it, as does the last level 4 period of each level 3
// period.  `visit` as above.
template <class Visit>
void WalkLevel34(TChronocrator& chronocrator, TReleasingType releasingType, std::int32_t sign,
                 double start, Visit&& visit) {
  chronocrator.ComputePeriod(2, releasingType, sign);
  const double level2Length = chronocrator.GetPeriodLength();
  double elapsed = 0.0;
  std::int32_t count = 0;
  while (elapsed < level2Length) {
    const double length = chronocrator.Level3Length(releasingType, sign);
    if (!visit(TPeriodStep{3, sign, start, start + length, count == 12})) return;
    const std::int32_t level4Sign = sign;
    const double level4Start = start;
    sign = sign + 1;
    count = count + 1;
    start = start + length;
    elapsed = elapsed + length;
    if (count == 12) {
      chronocrator.SetLooseBondSign(sign);
      sign = chronocrator.GetLooseBondSign();
    }

    // The level 4 periods of the level 3 period just walked.
    std::int32_t l4Sign = level4Sign;
    double l4Start = level4Start;
    double l4Elapsed = 0.0;
    std::int32_t l4Count = 0;
    while (l4Elapsed < length) {
      // The length of this level 4 period is that of its own sign; the
      // listing computes it after the count (and a jump) with a back step
      // that undoes the jump, which comes to the same sign.
      const double l4Length = chronocrator.Level4Length(releasingType, l4Sign);
      if (!visit(TPeriodStep{4, l4Sign, l4Start, l4Start + l4Length, l4Count == 12})) return;
      l4Sign = l4Sign + 1;
      l4Count = l4Count + 1;
      if (l4Count == 12) {
        chronocrator.SetLooseBondSign(l4Sign);
        l4Sign = chronocrator.GetLooseBondSign();
      }
      l4Start = l4Start + l4Length;
      l4Elapsed = l4Elapsed + l4Length;
    }
  }
}

}  // namespace ostrane
