#include "core/Chronocrators.h"

#include <array>

namespace ostrane {
namespace {

// The names of the signs, Aries .. Pisces.
struct TSignNames {
  const char* longName;
  const char* shortName;
};

constexpr std::array<TSignNames, 12> kSigns{{
    {"Aries", "Ar"},
    {"Taurus", "Ta"},
    {"Gemini", "Ge"},
    {"Cancer", "Cn"},
    {"Leo", "Le"},
    {"Virgo", "Vi"},
    {"Libra", "Li"},
    {"Scorpio", "Sc"},
    {"Sagittarius", "Sa"},
    {"Capricorn", "Cp"},
    {"Aquarius", "Aq"},
    {"Pisces", "Pi"},
}};

}  // namespace

std::string LongSignNameOf(std::int32_t sign) {
  std::string name;
  TChronocrator().LongSignName(sign, name);
  return name;
}

void TChronocrator::ComputePeriod(std::int32_t level, TReleasingType releasingType,
                                  std::int32_t sign) {
  // A sign of negative remainder keeps the previous length.
  if (SignRow(sign) >= 0) FPeriodLength = PeriodLength(level, releasingType, sign);
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
