#include "core/PrintableText.h"

#include <cstdint>
#include <cstdio>

namespace ostrane {
namespace {

bool IsEscaped(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::size_t Utf8Sequence(std::string_view text, char32_t& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, codePoint = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, codePoint = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, codePoint = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i) & 0x3F);
  }
  if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    return 0;
  return length;
}

std::string PrintableText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  char escape[16];
  while (!text.empty()) {
    char32_t c = 0;
    const std::size_t length = Utf8Sequence(text, c);
    if (length == 0) {
      std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(text[0]));
      shown += escape;
      text.remove_prefix(1);
      continue;
    }
    if (!IsEscaped(c)) {
      shown.append(text.substr(0, length));
    } else if (c < 0x80) {
      std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(c));
      shown += escape;
    } else {
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      shown += escape;
    }
    text.remove_prefix(length);
  }
  return shown;
}

bool IsPrintableText(std::string_view text) {
  return PrintableText(text) == text;
}

std::string PlainText(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  while (!text.empty()) {
    char32_t c = 0;
    const std::size_t length = Utf8Sequence(text, c);
    if (length == 0)
      plain += "\uFFFD";
    else if (IsEscaped(c))
      plain += ' ';
    else
      plain.append(text.substr(0, length));
    text.remove_prefix(length == 0 ? 1 : length);
  }
  return plain;
}

std::string EchoedText(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // a continuation byte
    if (characters++ == kMaxEchoedCharacters) return std::string(text.substr(0, i)) + "\u2026";
  }
  return std::string(text);
}

std::string WithEchoedText(std::string message, std::string_view text) {
  const std::string echoed = EchoedText(text);
  if (text.empty() || echoed == text) return message;
  for (std::size_t at = message.find(text); at != std::string::npos;
       at = message.find(text, at + echoed.size()))
    message.replace(at, text.size(), echoed);
  return message;
}

}  // namespace ostrane
