// The seven planets of the Hellenistic chart, the seven Hermetic lots, the
// domicile rulers of the signs and the planets' natures, with their names and
// glyphs.  Signs are sign counters: 0 Aries .. 11 Pisces, any integer reduced
// modulo 12 (-1 is Pisces).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/Chronocrators.h"

namespace ostrane {

// In the traditional order of the week's lords as the tables give them:
// the lights first, then by distance.  The value indexes arrays of planets.
enum class TPlanet : std::int32_t { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn };
inline constexpr int kPlanetCount = 7;
inline constexpr std::array<TPlanet, kPlanetCount> kPlanets{
    TPlanet::Sun,  TPlanet::Moon,    TPlanet::Mercury, TPlanet::Venus,
    TPlanet::Mars, TPlanet::Jupiter, TPlanet::Saturn};

// The Hermetic lots (Paulus Alexandrinus).  The value indexes arrays of lots.
enum class TLot : std::int32_t { Fortune, Spirit, Eros, Necessity, Courage, Victory, Nemesis };
inline constexpr int kLotCount = 7;
inline constexpr std::array<TLot, kLotCount> kLots{TLot::Fortune,   TLot::Spirit,  TLot::Eros,
                                                   TLot::Necessity, TLot::Courage, TLot::Victory,
                                                   TLot::Nemesis};

constexpr int Index(TPlanet planet) {
  return static_cast<int>(planet);
}
constexpr int Index(TLot lot) {
  return static_cast<int>(lot);
}

// English names: "Sun" .. "Saturn"; "Fortune" .. "Nemesis".
constexpr std::string_view PlanetName(TPlanet planet) {
  constexpr std::array<std::string_view, kPlanetCount> kNames{"Sun",  "Moon",    "Mercury", "Venus",
                                                              "Mars", "Jupiter", "Saturn"};
  return kNames[static_cast<std::size_t>(Index(planet))];
}
constexpr std::string_view LotName(TLot lot) {
  constexpr std::array<std::string_view, kLotCount> kNames{
      "Fortune", "Spirit", "Eros", "Necessity", "Courage", "Victory", "Nemesis"};
  return kNames[static_cast<std::size_t>(Index(lot))];
}
// The same in lower case, as the command line and the files spell them.
constexpr std::string_view LotKey(TLot lot) {
  constexpr std::array<std::string_view, kLotCount> kKeys{
      "fortune", "spirit", "eros", "necessity", "courage", "victory", "nemesis"};
  return kKeys[static_cast<std::size_t>(Index(lot))];
}
constexpr std::string_view PlanetKey(TPlanet planet) {
  constexpr std::array<std::string_view, kPlanetCount> kKeys{"sun",  "moon",    "mercury", "venus",
                                                             "mars", "jupiter", "saturn"};
  return kKeys[static_cast<std::size_t>(Index(planet))];
}

// The planet's glyph, UTF-8 (U+2609, U+263D, U+263F, U+2640, U+2642, U+2643,
// U+2644), each followed by U+FE0E so that fonts draw it as text.
constexpr std::string_view PlanetGlyph(TPlanet planet) {
  constexpr std::array<std::string_view, kPlanetCount> kGlyphs{
      "\u2609\ufe0e", "\u263d\ufe0e", "\u263f\ufe0e", "\u2640\ufe0e",
      "\u2642\ufe0e", "\u2643\ufe0e", "\u2644\ufe0e"};
  return kGlyphs[static_cast<std::size_t>(Index(planet))];
}

// The domicile ruler of a sign: Aries Mars, Taurus Venus, Gemini Mercury,
// Cancer the Moon, Leo the Sun, Virgo Mercury, Libra Venus, Scorpio Mars,
// Sagittarius Jupiter, Capricorn and Aquarius Saturn, Pisces Jupiter.
constexpr TPlanet DomicileRuler(std::int32_t sign) {
  constexpr std::array<TPlanet, 12> kRulers{TPlanet::Mars,   TPlanet::Venus,  TPlanet::Mercury,
                                            TPlanet::Moon,   TPlanet::Sun,    TPlanet::Mercury,
                                            TPlanet::Venus,  TPlanet::Mars,   TPlanet::Jupiter,
                                            TPlanet::Saturn, TPlanet::Saturn, TPlanet::Jupiter};
  const std::int32_t row = (sign % 12 + 12) % 12;
  return kRulers[static_cast<std::size_t>(row)];
}

// The planets' natures: Venus and Jupiter benefic, Mars and Saturn malefic,
// the lights and Mercury neither.
enum class TNature : std::int32_t { Neutral, Benefic, Malefic };
constexpr TNature NatureOf(TPlanet planet) {
  switch (planet) {
    case TPlanet::Venus:
    case TPlanet::Jupiter: return TNature::Benefic;
    case TPlanet::Mars:
    case TPlanet::Saturn: return TNature::Malefic;
    default: return TNature::Neutral;
  }
}

// The benefic and the malefic of the sect (Day or Night; anything but Day
// counts as Night): Jupiter and Saturn by day, Venus and Mars by night.
enum class TSectRole : std::int32_t { None, SectBenefic, SectMalefic };
constexpr TSectRole SectRoleOf(TPlanet planet, bool diurnal) {
  if (planet == (diurnal ? TPlanet::Jupiter : TPlanet::Venus)) return TSectRole::SectBenefic;
  if (planet == (diurnal ? TPlanet::Saturn : TPlanet::Mars)) return TSectRole::SectMalefic;
  return TSectRole::None;
}

// The whole-sign house (1 .. 12) of `sign` counted from the Ascendant's sign.
constexpr int WholeSignHouse(std::int32_t sign, std::int32_t ascendantSign) {
  const int d = (sign - ascendantSign) % 12;
  return (d < 0 ? d + 12 : d) + 1;
}

}  // namespace ostrane
