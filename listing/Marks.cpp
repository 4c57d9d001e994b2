#include "listing/Marks.h"

#include "core/Chronocrators.h"

namespace ostrane {

int PlaceFrom(std::int32_t reference, std::int32_t counter) {
  const std::int32_t sign = SignRow(counter);
  if (reference < 0 || reference > 11 || sign < 0) return 0;
  return (sign - reference + 12) % 12 + 1;
}

std::int32_t AngleReference(const ReleaseSettings& s) {
  if (s.AnglesFrom == TAnglesFrom::StartSign) return s.StartSign < 0 ? 0 : s.StartSign;
  return s.FortuneSign >= 0 && s.FortuneSign <= 11 ? s.FortuneSign : -1;
}

std::string AngleReferenceName(const ReleaseSettings& s) {
  return s.AnglesFrom == TAnglesFrom::StartSign ? "the start sign" : "Fortune";
}

int AngleRank(int place) {
  switch (place) {
    case 10: return 1;
    case 1: return 2;
    case 7: return 3;
    case 4: return 4;
    default: return 0;
  }
}

std::string PlaceWord(int place) {
  if (place == 10) return "the peak";
  return AngleRank(place) > 0 ? "angular" : "";
}

std::string MarksText(int place, bool loosing, const std::string& referenceName) {
  std::string text;
  if (AngleRank(place) > 0)
    text = Ordinal(place) + " from " + referenceName + ": " + PlaceWord(place);
  if (loosing) text += (text.empty() ? "" : "; ") + std::string(kLoosingReading);
  return text;
}

}  // namespace ostrane
