#include "chart/SearchText.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/PrintableText.h"

namespace ostrane {
namespace {

// Two characters per code point: its ASCII letters (the second a space when
// there is one), ".." for a letter kept as written, two spaces for a word gap.
// U+00C0..U+024F
constexpr std::string_view kLatin =
    "a a a a a a aec e e e e i i i i d n o o o o o   o u u u u y thss"
    "a a a a a a aec e e e e i i i i d n o o o o o   o u u u u y thy "
    "a a a a a a c c c c c c c c d d d d e e e e e e e e e e g g g g "
    "g g g g h h h h i i i i i i i i i i ijijj j k k k l l l l l l l "
    "l l l n n n n n n n n n o o o o o o oeoer r r r r r s s s s s s "
    "s s t t t t t t u u u u u u u u u u u u w w y y y z z z z z z s "
    "b b b b ....o c c ..d d d ..e e e f f g ..hv..i k k l ..m n n o "
    "o o oioip p ..........t t t t u u ..v y y z z .................."
    "........dzd dzljl ljnjn nja a i i o o u u u u u u u u u u e a a "
    "a a aeaeg g g g k k o o o o ....j dzd dzg g ....n n a a aeaeo o "
    "a a a a e e e e i i i i o o o o r r r r u u u u s s t t ....h h "
    "n d ououz z a a e e o o o o o o o o y y l n t j ....a c c l t s "
    "z ....b ..v e e j j ..q r r y y ";
// U+1E00..U+1EFF
constexpr std::string_view kLatinAdditional =
    "a a b b b b b b c c d d d d d d d d d d e e e e e e e e e e f f "
    "g g h h h h h h h h h h i i i i k k k k k k l l l l l l l l m m "
    "m m m m n n n n n n n n o o o o o o o o p p p p r r r r r r r r "
    "s s s s s s s s s s t t t t t t t t u u u u u u u u u u v v v v "
    "w w w w w w w w w w x x x x y y z z z z z z h t w y a s s s ss.."
    "a a a a a a a a a a a a a a a a a a a a a a a a e e e e e e e e "
    "e e e e e e e e i i i i o o o o o o o o o o o o o o o o o o o o "
    "o o o o u u u u u u u u u u u u u u y y y y y y y y ........y y ";
static_assert(kLatin.size() == 2 * (0x250 - 0xC0));
static_assert(kLatinAdditional.size() == 2 * 0x100);

constexpr std::string_view kKeep = "..";
constexpr std::string_view kGap = "  ";
constexpr std::string_view kDrop;

// What a code point other than an ASCII capital becomes: ASCII letters,
// kKeep, kGap or kDrop.
std::string_view FoldCodePoint(char32_t cp) {
  if (cp < 0x80) {
    if ((cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9')) return kKeep;
    return cp == '\'' || cp == '`' ? kDrop : kGap;
  }
  if (cp < 0xC0) return kGap;
  if (cp < 0x250) return kLatin.substr(2 * (cp - 0xC0), 2);
  if (cp >= 0x1E00 && cp <= 0x1EFF) return kLatinAdditional.substr(2 * (cp - 0x1E00), 2);
  switch (cp) {
    case 0x259:  // schwa
      return "e ";
    case 0x2BB:  // modifier letters turned comma, apostrophe, half rings
    case 0x2BC:
    case 0x2BE:
    case 0x2BF:
    case 0x2018:  // single quotation marks
    case 0x2019:
    case 0xFEFF:  // byte order mark
      return kDrop;
    case 0x3000:  // ideographic space
      return kGap;
    default: break;
  }
  if (cp >= 0x300 && cp <= 0x36F) return kDrop;  // combining accents
  if (cp >= 0x2000 && cp <= 0x206F) return kGap;
  return kKeep;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool gap = false;
  const auto put = [&](std::string_view s) {
    if (gap && !out.empty()) out += ' ';
    gap = false;
    out += s;
  };
  for (std::size_t at = 0; at < text.size();) {
    char32_t cp = 0;
    const std::size_t length = Utf8Sequence(text.substr(at), cp);
    if (length == 0) {
      gap = true;
      ++at;
      continue;
    }
    const std::string_view raw = text.substr(at, length);
    at += length;
    if (cp >= 'A' && cp <= 'Z') {
      const char lower = static_cast<char>(cp - 'A' + 'a');
      put(std::string_view(&lower, 1));
      continue;
    }
    const std::string_view folded = FoldCodePoint(cp);
    if (folded.empty()) continue;
    if (folded == kGap) {
      gap = true;
    } else if (folded == kKeep) {
      put(raw);
    } else {
      put(folded[1] == ' ' ? folded.substr(0, 1) : folded);
    }
  }
  return out;
}

bool HasWordPrefix(std::string_view text, std::string_view word) {
  for (std::size_t at = 0; at + word.size() <= text.size();) {
    if (text.compare(at, word.size(), word) == 0) return true;
    const std::size_t space = text.find(' ', at);
    if (space == std::string_view::npos) return false;
    at = space + 1;
  }
  return false;
}

std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
  if (a.size() < b.size()) std::swap(a, b);
  if (a.size() - b.size() > limit) return limit + 1;
  // Three rows of b.size() + 1 cells: two rows back (for swaps), previous, current.
  constexpr std::size_t kSmall = 64;
  std::array<std::size_t, 3 * (kSmall + 1)> small{};
  std::vector<std::size_t> large;
  const std::size_t width = b.size() + 1;
  std::size_t* cells = small.data();
  if (b.size() > kSmall) {
    large.resize(3 * width);
    cells = large.data();
  }
  std::size_t* before = cells;
  std::size_t* previous = cells + width;
  std::size_t* current = cells + 2 * width;
  for (std::size_t j = 0; j < width; ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    std::size_t rowMin = i;
    for (std::size_t j = 1; j < width; ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      std::size_t d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d = std::min(d, before[j - 2] + 1);
      current[j] = d;
      rowMin = std::min(rowMin, d);
    }
    if (rowMin > limit) return limit + 1;
    std::size_t* const oldest = before;
    before = previous;
    previous = current;
    current = oldest;
  }
  return std::min(previous[b.size()], limit + 1);
}

}  // namespace ostrane
