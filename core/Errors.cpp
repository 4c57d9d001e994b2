#include "core/Errors.h"

namespace ostrane {

std::string FormatMessage(const std::string& pattern, const std::string& text) {
  const auto at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + text + pattern.substr(at + 2);
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() &&
      static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
    return message + ".";
  return message;
}

}  // namespace ostrane
