// The text encodings of the settings and user data files.  Files are written
// in UTF-8; files written by the Windows version of the program hold
// Windows-1252 text, which is what a file that is not valid UTF-8 is read as.
#pragma once

#include <string>
#include <string_view>

namespace ostrane {

// True when `bytes` is well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no truncated sequence.
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 text in UTF-8.  Bytes 0x80-0x9F follow the Windows table; the
// five bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// control characters of the same number, as Windows converts them.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace ostrane
