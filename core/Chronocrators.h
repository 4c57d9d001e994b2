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

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ostrane {

// Each value is the item index the options and chart files keep; None (-1)
// is the radio group with nothing selected.
enum class TReleasingType : std::int32_t { None = -1, Modern = 0, Egyptian = 1, Valens = 2 };

// The rules as pure functions, usable in constant expressions; the
// operations of TChronocrator below are adapters over them.

// The sign counter reduced to 0..11, or -1 when its remainder is negative.
constexpr std::int32_t SignRow(std::int32_t sign) {
  const std::int32_t r = sign % 12;
  return r < 0 ? -1 : r;
}

// The counter of the opposite sign, the step of the loosing of the bond:
// sign + 6, not reduced.
constexpr std::int32_t OppositeSign(std::int32_t sign) {
  return sign + 6;
}

// Ruling years of a sign (counter reduced modulo 12), or 0 for a negative
// remainder; Capricorn rules 27 years under Valens (and no type), 30 under
// the others.
constexpr std::int32_t RulingYears(TReleasingType releasingType, std::int32_t sign) {
  constexpr std::array<std::int32_t, 12> kYears{15, 8, 20, 25, 19, 20, 8, 15, 12, 30, 30, 12};
  constexpr std::int32_t kCapricorn = 9;
  const std::int32_t r = SignRow(sign);
  if (r < 0) return 0;
  const bool valens =
      releasingType != TReleasingType::Modern && releasingType != TReleasingType::Egyptian;
  if (r == kCapricorn && valens) return 27;
  return kYears[static_cast<std::size_t>(r)];
}

// Days of a year: 365.25 for Modern, 360 for the others.
constexpr double YearLength(TReleasingType releasingType) {
  return releasingType == TReleasingType::Modern ? 365.25 : 360.0;
}

// Days of a general period (level 1) or a sub period (any other level) of
// the sign; 0.0 for a negative remainder.
constexpr double PeriodLength(std::int32_t level, TReleasingType releasingType, std::int32_t sign) {
  if (SignRow(sign) < 0) return 0.0;
  return RulingYears(releasingType, sign) * YearLength(releasingType) / (level == 1 ? 1.0 : 12.0);
}

namespace detail {
// Level 3 lasts the years times 5/2 days, level 4 the years times 5/24 day,
// times 1.0145833 for Modern (the decimal constant, not 365.25 / 360, held
// as a long double literal so that it keeps its 64-bit mantissa).  The base
// value (years x 5 / denominator) and its product with the factor are
// computed in extended precision and rounded once to double.
constexpr double SubdividedLength(TReleasingType releasingType, std::int32_t sign,
                                  long double denominator) {
  if (SignRow(sign) < 0) return 0.0;
  const long double factor = releasingType == TReleasingType::Modern ? 1.0145833L : 1.0L;
  const long double base =
      static_cast<long double>(RulingYears(releasingType, sign)) * 5.0L / denominator;
  return static_cast<double>(base * factor);
}
}  // namespace detail

// Days of a level 3 and of a level 4 period of the sign; 0.0 for a negative
// remainder.
constexpr double Level3PeriodLength(TReleasingType releasingType, std::int32_t sign) {
  return detail::SubdividedLength(releasingType, sign, 2.0L);
}
constexpr double Level4PeriodLength(TReleasingType releasingType, std::int32_t sign) {
  return detail::SubdividedLength(releasingType, sign, 24.0L);
}

// The operations of the listings' walks, with the state they keep between
// calls: the last period length and the loose-bond sign.
class TChronocrator {
 public:
  // Level 1 (general period) or 2 (sub period); any other level is taken as 2.
  void ComputePeriod(std::int32_t level, TReleasingType releasingType, std::int32_t sign);
  double GetPeriodLength() const { return FPeriodLength; }

  double Level3Length(TReleasingType releasingType, std::int32_t sign) const {
    return Level3PeriodLength(releasingType, sign);
  }
  double Level4Length(TReleasingType releasingType, std::int32_t sign) const {
    return Level4PeriodLength(releasingType, sign);
  }

  void LongSignName(std::int32_t sign, std::string& name) const;
  void ShortSignName(std::int32_t sign, std::string& name) const;

  // FLooseBondSign = sign + 6, not reduced.
  void SetLooseBondSign(std::int32_t sign) { FLooseBondSign = OppositeSign(sign); }
  std::int32_t GetLooseBondSign() const { return FLooseBondSign; }

  // Ruling years of a sign (counter reduced modulo 12), or 0 for a negative
  // remainder.
  static std::int32_t Years(TReleasingType releasingType, std::int32_t sign) {
    return RulingYears(releasingType, sign);
  }

 private:
  std::int32_t FLooseBondSign = 0;
  double FPeriodLength = 0.0;
};

// The long name of the sign counter ("Aries" .. "Pisces"), as
// LongSignName writes it; empty for a negative remainder.
std::string LongSignNameOf(std::int32_t sign);

}  // namespace ostrane
