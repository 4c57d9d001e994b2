#include "core/Chronocrators.h"

#include <array>

namespace ostrane {
namespace {

constexpr std::int32_t kCapricorn = 9;

struct SignRowData {
  const char* longName;
  const char* shortName;
  std::int32_t years;
};

constexpr std::array<SignRowData, 12> kSigns{{
    {"Aries", "Ar", 15},
    {"Taurus", "Ta", 8},
    {"Gemini", "Ge", 20},
    {"Cancer", "Cn", 25},
    {"Leo", "Le", 19},
    {"Virgo", "Vi", 20},
    {"Libra", "Li", 8},
    {"Scorpio", "Sc", 15},
    {"Sagittarius", "Sa", 12},
    {"Capricorn", "Cp", 30},
    {"Aquarius", "Aq", 30},
    {"Pisces", "Pi", 12},
}};

// The Modern factor is the decimal constant, not 365.25 / 360.  Held as a
// long double literal so that it keeps its 64-bit mantissa.
constexpr long double kModernFactor = 1.0145833L;

// Level 3 lasts the years times 5/2 days, level 4 the years times 5/24 day.
// The base value (years x 5 / denominator, so 5/3 and 125/24 are correctly
// rounded extended quotients) and its product with the factor are computed
// in extended precision and rounded once to double.
double SubdividedLength(TReleasingType releasingType, std::int32_t sign, long double denominator) {
  if (SignRow(sign) < 0) return 0.0;
  const long double factor = releasingType == TReleasingType::Modern ? kModernFactor : 1.0L;
  const long double base =
      static_cast<long double>(TChronocrator::Years(releasingType, sign)) * 5.0L / denominator;
  return static_cast<double>(base * factor);
}

}  // namespace

std::int32_t SignRow(std::int32_t sign) {
  const std::int32_t r = sign % 12;
  return r < 0 ? -1 : r;
}

std::string LongSignNameOf(std::int32_t sign) {
  std::string name;
  TChronocrator().LongSignName(sign, name);
  return name;
}

std::int32_t TChronocrator::Years(TReleasingType releasingType, std::int32_t sign) {
  const std::int32_t r = SignRow(sign);
  if (r < 0) return 0;
  const bool valens =
      releasingType != TReleasingType::Modern && releasingType != TReleasingType::Egyptian;
  if (r == kCapricorn && valens) return 27;
  return kSigns[static_cast<std::size_t>(r)].years;
}

void TChronocrator::ComputePeriod(std::int32_t level, TReleasingType releasingType,
                                  std::int32_t sign) {
  FYearLength = releasingType == TReleasingType::Modern ? 365.25 : 360.0;
  const double divisor = level == 1 ? 1.0 : 12.0;
  if (SignRow(sign) < 0) return;
  FPeriodLength = Years(releasingType, sign) * FYearLength / divisor;
}

double TChronocrator::Level3Length(TReleasingType releasingType, std::int32_t sign) const {
  return SubdividedLength(releasingType, sign, 2.0L);
}

double TChronocrator::Level4Length(TReleasingType releasingType, std::int32_t sign) const {
  return SubdividedLength(releasingType, sign, 24.0L);
}

void TChronocrator::LongSignName(std::int32_t sign, std::string& name) const {
  const std::int32_t r = SignRow(sign);
  if (r >= 0) name = kSigns[static_cast<std::size_t>(r)].longName;
}

void TChronocrator::ShortSignName(std::int32_t sign, std::string& name) const {
  const std::int32_t r = SignRow(sign);
  if (r >= 0) name = kSigns[static_cast<std::size_t>(r)].shortName;
}

}  // namespace ostrane
