// Choices typed as text: a value given by one of its names or by its number,
// in any letter case, as the command line and the batch columns take them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ostrane {

// The text with the ASCII letters in lower case.
std::string LowerAscii(std::string text);

// The index of `text` among `names` (compared in lower case; the names are
// given in lower case), or, when `numbersToo`, the index written as a
// decimal number; nothing when it is neither.
std::optional<int> ChoiceIndex(const std::string& text, const std::vector<std::string>& names,
                               bool numbersToo);

// The sign names in lower case, 0 aries .. 11 pisces.
const std::vector<std::string>& SignKeys();

// "a, b, c": the names listed for a message.
std::string ChoiceList(const std::vector<std::string>& names);

}  // namespace ostrane
