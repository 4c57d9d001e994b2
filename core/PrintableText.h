// Text as a message shows it on a terminal, and the UTF-8 decoding under it.
#pragma once

#include <cstddef>
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

// The length of the well-formed UTF-8 sequence at the start of `text` and
// its code point, or 0 when the first byte does not begin one (overlong
// forms, surrogates and code points above U+10FFFF are not well formed).
std::size_t Utf8Sequence(std::string_view text, char32_t& codePoint);

// True when PrintableText leaves `text` as it is.
bool IsPrintableText(std::string_view text);

}  // namespace ostrane
