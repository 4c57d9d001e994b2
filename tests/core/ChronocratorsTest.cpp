#include <cmath>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/Chronocrators.h"

using ostrane::TChronocrator;
using ostrane::TReleasingType;

namespace {

// The releasing type of item index `type` (0 Modern, 1 Egyptian, 2 Valens;
// others as the files could hold them).
TReleasingType Type(int type) {
  return static_cast<TReleasingType>(type);
}

__extension__ typedef unsigned __int128 uint128;

// The double nearest to the rational p/q (p, q > 0), ties to even, computed
// with integers only.
double NearestDouble(uint128 p, uint128 q) {
  int exponent = 0;  // value = p/q * 2^-exponent during scaling
  // Scale so that the quotient has exactly 53 significant bits.
  while (p / q >= (static_cast<uint128>(1) << 53)) {
    q <<= 1;
    ++exponent;
  }
  while (p / q < (static_cast<uint128>(1) << 52)) {
    p <<= 1;
    --exponent;
  }
  uint128 quotient = p / q;
  const uint128 twiceRest = 2 * (p % q);
  if (twiceRest > q || (twiceRest == q && (quotient & 1) != 0)) ++quotient;
  return std::ldexp(static_cast<double>(static_cast<std::uint64_t>(quotient)), exponent);
}

// Ruling years as the tradition gives them, Capricorn 27 under Valens.
int YearsOf(int type, int sign) {
  static const int years[12] = {15, 8, 20, 25, 19, 20, 8, 15, 12, 30, 30, 12};
  return sign == 9 && type == 2 ? 27 : years[sign];
}

// Level 3 is years x 5/2 days, level 4 years x 5/24 day; Modern multiplies by
// the decimal 1.0145833 = 10145833 / 10^7.
double ExactLength(int level, int type, int sign) {
  const uint128 denominator = level == 3 ? 2 : 24;
  uint128 p = static_cast<uint128>(YearsOf(type, sign)) * 5;
  uint128 q = denominator;
  if (type == 0) {
    p *= 10145833;
    q *= 10000000;
  }
  return NearestDouble(p, q);
}

TEST(Chronocrator, AllLevel3And4LengthsAreCorrectlyRounded) {
  TChronocrator c;
  for (int level : {3, 4}) {
    for (int type : {0, 1, 2}) {
      for (int sign = 0; sign < 12; ++sign) {
        const double got =
            level == 3 ? c.Level3Length(Type(type), sign) : c.Level4Length(Type(type), sign);
        EXPECT_EQ(got, ExactLength(level, type, sign))
            << "level " << level << ", type " << type << ", sign " << sign;
      }
    }
  }
}

TEST(Chronocrator, KnownLevel3And4Lengths) {
  TChronocrator c;
  EXPECT_EQ(c.Level3Length(Type(1), 9), 75.0);
  EXPECT_EQ(c.Level3Length(Type(2), 9), 67.5);
  EXPECT_DOUBLE_EQ(c.Level3Length(Type(0), 9), 76.0937475);
  EXPECT_DOUBLE_EQ(c.Level3Length(Type(0), 0), 38.04687375);
  EXPECT_EQ(c.Level4Length(Type(1), 1), NearestDouble(5, 3));
  EXPECT_EQ(c.Level4Length(Type(2), 9), 5.625);
  EXPECT_EQ(c.Level4Length(Type(1), 9), 6.25);
  EXPECT_DOUBLE_EQ(c.Level4Length(Type(0), 0), 3.1705728125);
  EXPECT_EQ(c.Level3Length(Type(1), -1), 0.0);
  EXPECT_EQ(c.Level4Length(Type(0), -1), 0.0);
  EXPECT_EQ(c.Level3Length(Type(3), 9), 67.5) << "type 3 is Valens";
  EXPECT_EQ(c.Level4Length(Type(3), 9), 5.625) << "type 3 is Valens";
  EXPECT_EQ(c.Level3Length(TReleasingType::None, 9), 67.5) << "no type selected is Valens";
  EXPECT_EQ(c.Level3Length(Type(1), 21), c.Level3Length(Type(1), 9)) << "counters reduce modulo 12";
}

TEST(Chronocrator, GeneralAndSubPeriodLengths) {
  struct Case {
    int level, type, sign;
    double days;
  } const cases[] = {
      {1, 0, 0, 5478.75}, {2, 0, 0, 456.5625}, {1, 1, 0, 5400},   {2, 1, 0, 450},
      {1, 0, 9, 10957.5}, {1, 1, 9, 10800},    {1, 2, 9, 9720},   {2, 0, 9, 913.125},
      {2, 1, 9, 900},     {2, 2, 9, 810},      {1, 1, 21, 10800}, {1, 3, 9, 9720},
      {2, 2, 10, 900},    {1, 0, 11, 4383},
  };
  for (const auto& c : cases) {
    TChronocrator chrono;
    chrono.ComputePeriod(c.level, Type(c.type), c.sign);
    EXPECT_EQ(chrono.GetPeriodLength(), c.days)
        << "level " << c.level << ", type " << c.type << ", sign " << c.sign;
  }
}

TEST(Chronocrator, NegativeSignKeepsThePreviousLength) {
  TChronocrator c;
  c.ComputePeriod(1, Type(1), -1);
  EXPECT_EQ(c.GetPeriodLength(), 0.0);
  c.ComputePeriod(1, Type(1), 0);
  c.ComputePeriod(1, Type(1), -1);
  EXPECT_EQ(c.GetPeriodLength(), 5400.0);
  c.ComputePeriod(2, Type(0), -13);
  EXPECT_EQ(c.GetPeriodLength(), 5400.0);
}

TEST(Chronocrator, OneRoundOfGeneralPeriods) {
  const struct {
    int type;
    double days;
  } rounds[] = {{0, 78163.5}, {1, 77040}, {2, 75960}};
  for (const auto& r : rounds) {
    TChronocrator c;
    double sum = 0;
    for (int sign = 0; sign < 12; ++sign) {
      c.ComputePeriod(1, Type(r.type), sign);
      sum += c.GetPeriodLength();
    }
    EXPECT_EQ(sum, r.days) << "type " << r.type;
  }
}

TEST(Chronocrator, SignNames) {
  TChronocrator c;
  const char* longNames[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
  const char* shortNames[] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                              "Li", "Sc", "Sa", "Cp", "Aq", "Pi"};
  for (int sign = 0; sign < 36; ++sign) {
    std::string name = "old";
    c.LongSignName(sign, name);
    EXPECT_EQ(name, longNames[sign % 12]) << sign;
    c.ShortSignName(sign, name);
    EXPECT_EQ(name, shortNames[sign % 12]) << sign;
  }
  std::string untouched = "keep";
  c.LongSignName(-1, untouched);
  c.ShortSignName(-13, untouched);
  EXPECT_EQ(untouched, "keep");
}

TEST(Chronocrator, LooseBondStepIsNotReduced) {
  TChronocrator c;
  EXPECT_EQ(c.GetLooseBondSign(), 0);
  c.SetLooseBondSign(11);
  EXPECT_EQ(c.GetLooseBondSign(), 17);
  c.SetLooseBondSign(0);
  EXPECT_EQ(c.GetLooseBondSign(), 6);
  EXPECT_EQ(ostrane::SignRow(17), 5) << "17 names Virgo, opposite Pisces";
  EXPECT_EQ(ostrane::SignRow(-1), -1);
  EXPECT_EQ(ostrane::SignRow(24), 0);
}

// The rules hold in constant expressions, with the technique's own numbers:
// the minor years of the signs times the year, a twelfth for a sub period.
TEST(Chronocrator, LengthsAreConstantExpressions) {
  using ostrane::TReleasingType;
  static_assert(ostrane::PeriodLength(1, TReleasingType::Valens, 0) == 15 * 360.0);
  static_assert(ostrane::PeriodLength(1, TReleasingType::Valens, 9) == 27 * 360.0);
  static_assert(ostrane::PeriodLength(1, TReleasingType::Egyptian, 21) == 30 * 360.0);
  static_assert(ostrane::PeriodLength(1, TReleasingType::Modern, 0) == 15 * 365.25);
  static_assert(ostrane::PeriodLength(2, TReleasingType::Valens, 1) == 8 * 30.0);
  static_assert(ostrane::Level3PeriodLength(TReleasingType::Valens, 0) == 37.5);
  static_assert(ostrane::Level4PeriodLength(TReleasingType::Valens, 0) == 3.125);
  static_assert(ostrane::PeriodLength(1, TReleasingType::Valens, -1) == 0.0);
  static_assert(ostrane::OppositeSign(11) == 17);
  // The same at run time, through the walks' object.
  ostrane::TChronocrator c;
  c.ComputePeriod(1, TReleasingType::Valens, 9);
  EXPECT_EQ(c.GetPeriodLength(), ostrane::PeriodLength(1, TReleasingType::Valens, 9));
  EXPECT_EQ(c.Level3Length(TReleasingType::Modern, 5),
            ostrane::Level3PeriodLength(TReleasingType::Modern, 5));
}

}  // namespace
