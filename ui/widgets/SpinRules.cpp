#include "ui/widgets/SpinRules.h"

#include <algorithm>
#include <limits>

#include "core/IntegerText.h"

namespace ostrane {

std::int32_t TSpinRules::ValueOfText(const std::string& text) const {
  return TryStrToInt(text).value_or(FMin);
}

bool TSpinRules::IsWholeNumber(const std::string& text) const {
  return TryStrToInt(text).has_value();
}

std::int32_t TSpinRules::Limit(std::int64_t value) const {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, FMin, FMax));
}

std::string TSpinRules::TextOfValue(std::int64_t value) const {
  return std::to_string(Limit(value));
}

std::optional<std::int32_t> TSpinRules::CorrectionOnLeave(const std::string& text) const {
  const std::int32_t value = ValueOfText(text);
  if (Limit(value) == value) return std::nullopt;
  return Limit(value);
}

std::string NotWholeNumberTip(std::int32_t used) {
  return "Not a whole number: " + std::to_string(used) + " is used";
}

std::string NotWholeNumberNote(const std::string& field, std::int32_t used) {
  return field + ": not a whole number, " + std::to_string(used) + " used";
}

bool AcceptsTypedText(const std::u32string& typed, const std::u32string& decimalSeparator) {
  if (!decimalSeparator.empty() && typed == decimalSeparator) return true;
  return std::all_of(typed.begin(), typed.end(), [&](char32_t c) {
    if (c == U'\r' || c == U'\n') return false;
    if (c < 0x20 || c == 0x7f) return true;
    if ((c >= U'0' && c <= U'9') || c == U'+' || c == U'-') return true;
    return decimalSeparator.size() == 1 && c == decimalSeparator[0];
  });
}

}  // namespace ostrane
