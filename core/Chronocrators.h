// The numeric rules of releasing: how long a period ruled by a sign lasts at
// each of the four levels under each releasing type, the sign names, and the
// loose-bond step to the opposite sign.
//
// Sign arguments are sign counters: 0 Aries .. 11 Pisces, but callers let
// them run past 11 (the loose bond adds 6), so every operation that takes a
// sign reduces it modulo 12 first, the remainder taking the sign of the
// dividend.  A negative remainder selects no sign: ComputePeriod then keeps
// its previous length, the level lengths are 0.0 and the name operations
// leave the caller's text alone.
//
// Releasing types: Modern (365.25-day year), Egyptian (360-day year), Valens
// (360-day year, 27 instead of 30 years for Capricorn); any other value (None,
// no type selected) is taken as Valens.  Lengths are in days.
#pragma once

#include <cstdint>
#include <string>

namespace ostrane {

// Each value is the item index the options and chart files keep; None (-1)
// is the radio group with nothing selected.
enum class TReleasingType : std::int32_t { None = -1, Modern = 0, Egyptian = 1, Valens = 2 };

class TChronocrator {
 public:
  // Level 1 (general period) or 2 (sub period); any other level is taken as 2.
  void ComputePeriod(std::int32_t level, TReleasingType releasingType, std::int32_t sign);
  double GetPeriodLength() const { return FPeriodLength; }

  double Level3Length(TReleasingType releasingType, std::int32_t sign) const;
  double Level4Length(TReleasingType releasingType, std::int32_t sign) const;

  void LongSignName(std::int32_t sign, std::string& name) const;
  void ShortSignName(std::int32_t sign, std::string& name) const;

  // FLooseBondSign = sign + 6, not reduced.
  void SetLooseBondSign(std::int32_t sign) { FLooseBondSign = sign + 6; }
  std::int32_t GetLooseBondSign() const { return FLooseBondSign; }

  // Ruling years of a sign (counter reduced modulo 12), or 0 for a negative
  // remainder.
  static std::int32_t Years(TReleasingType releasingType, std::int32_t sign);

 private:
  std::int32_t FLooseBondSign = 0;
  double FYearLength = 0.0;
  double FPeriodLength = 0.0;
};

// The sign counter reduced to 0..11, or -1 when its remainder is negative.
std::int32_t SignRow(std::int32_t sign);

// The long name of the sign counter ("Aries" .. "Pisces"), as
// LongSignName writes it; empty for a negative remainder.
std::string LongSignNameOf(std::int32_t sign);

}  // namespace ostrane
