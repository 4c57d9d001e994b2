// Text as a message shows it on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace ostrane {

// `text` (UTF-8) with what a terminal would act on written as escapes, so
// that no text from the command line or a file can move the cursor, clear
// the screen or turn a message around when the message shows it: C0 control
// characters and DEL as "\x1b", C1 control characters and the bidirectional
// embeddings, overrides and isolates (U+202A..U+202E, U+2066..U+2069) as
// "\u009b", and every byte that is not part of well-formed UTF-8 as "\xff".
// Everything else is kept as it is, the backslash too.
std::string PrintableText(std::string_view text);

// True when PrintableText leaves `text` as it is.
bool IsPrintableText(std::string_view text);

}  // namespace ostrane
