// The program's one kind of reported error: a text that does not convert to
// the number or time it stands for.  A command that meets one ends there;
// the window shows the message in its error box.
#pragma once

#include <stdexcept>
#include <string>

namespace ostrane {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Puts `text` in place of the one %s of `pattern`.
std::string FormatMessage(const std::string& pattern, const std::string& text);

// The message as the error box shows it: a full stop is added when the last
// character sorts after "." (letters and digits do).
std::string ErrorBoxText(const std::string& message);

}  // namespace ostrane
