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

// `text` (UTF-8) as a file or a field keeps it: every character that
// PrintableText would escape (a line break, a tab, any other control
// character, a bidirectional control) replaced by a space, and every byte
// that is not part of well-formed UTF-8 by U+FFFD.  IsPrintableText holds
// for the result; text for which it already held is kept as it is.
std::string PlainText(std::string_view text);

// How many characters of the user's input a message echoes.
inline constexpr std::size_t kMaxEchoedCharacters = 60;

// `text` as a message echoes it: whole when it has at most
// kMaxEchoedCharacters characters (code points), else its first
// kMaxEchoedCharacters followed by "\u2026" (an ellipsis).  Not made
// printable: the message is, as a whole, when it is shown.
std::string EchoedText(std::string_view text);

// `message` with every occurrence of `text` (the user's input) in it
// shortened as EchoedText shortens it.
std::string WithEchoedText(std::string message, std::string_view text);

}  // namespace ostrane
