#include "listing/InForceText.h"

#include "core/Chronocrators.h"
#include "listing/Marks.h"

namespace ostrane {
namespace {

const char* const kLevelNames[4] = {"general", "sub", "L3", "L4"};

// "Capricorn general (10th from Fortune: the peak; the loosing of the bond
// (LB))".
std::string PeriodText(const TPeriodInForce& period, const std::string& referenceName) {
  std::string text = PeriodName(period.Counter, period.Level);
  std::string notes;
  if (AngleRank(period.Place) > 0)
    notes = Ordinal(period.Place) + " from " + referenceName + ": " + PlaceWord(period.Place);
  if (period.Loosing) notes += (notes.empty() ? "" : "; ") + std::string(kLoosingWords);
  if (!notes.empty()) text += " (" + notes + ")";
  return text;
}

}  // namespace

std::string PeriodName(std::int32_t counter, int level) {
  std::string name = LongSignNameOf(counter);
  if (level >= 1 && level <= 4) name += std::string(" ") + kLevelNames[level - 1];
  return name;
}

std::string InForceText(const TInForce& inForce, const std::string& dateText,
                        const std::string& referenceName) {
  std::string periods;
  for (const TPeriodInForce& period : inForce.Periods) {
    if (period.Level < 1 || period.Level > 4) continue;  // not known at this level
    periods += (periods.empty() ? "" : ", ") + PeriodText(period, referenceName);
  }
  if (inForce.Status != TInForceStatus::InForce && periods.empty())
    periods = InForceStatusText(inForce.Status);
  return dateText.empty() ? periods : "On " + dateText + ": " + periods;
}

std::string PrintedMarks(int place, bool loosing, bool inForce) {
  std::string marks;
  auto add = [&marks](const std::string& mark) { marks += (marks.empty() ? "" : " ") + mark; };
  if (inForce) add("\u25B6");
  if (AngleRank(place) > 0) add(std::to_string(place));
  if (loosing) add("LB");
  return marks;
}

}  // namespace ostrane
