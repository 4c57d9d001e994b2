#include "core/ChoiceText.h"

#include <algorithm>
#include <cctype>

namespace ostrane {

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::optional<int> ChoiceIndex(const std::string& text, const std::vector<std::string>& names,
                               bool numbersToo) {
  const std::string lower = LowerAscii(text);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (lower == names[i] || (numbersToo && lower == std::to_string(i))) return static_cast<int>(i);
  }
  return std::nullopt;
}

const std::vector<std::string>& SignKeys() {
  static const std::vector<std::string> keys = {"aries",       "taurus",    "gemini",   "cancer",
                                                "leo",         "virgo",     "libra",    "scorpio",
                                                "sagittarius", "capricorn", "aquarius", "pisces"};
  return keys;
}

std::string ChoiceList(const std::vector<std::string>& names) {
  std::string list;
  for (const auto& n : names) list += (list.empty() ? "" : ", ") + n;
  return list;
}

}  // namespace ostrane
