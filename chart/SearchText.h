// Texts compared the way a person searching for a place compares them:
// without accents, without case, punctuation counting as a word gap.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ostrane {

// The search form of a UTF-8 text.  Latin letters lose their accents and
// case: Latin-1, Latin Extended-A, Latin Extended-B and the Latin Extended
// Additional block (Vietnamese among them) become ASCII letters ("São Paulo"
// -> "sao paulo", "Đà Nẵng" -> "da nang", "Œuvre" -> "oeuvre", "ß" -> "ss").
// Apostrophes and their look-alikes (' ` U+2018 U+2019 U+02BB U+02BC U+02BE
// U+02BF) are dropped; every other ASCII character that is not a letter or
// a digit, the Latin-1 signs, the general punctuation block, the ideographic
// space and any byte that is not part of valid UTF-8 separate words.  Words
// are joined by one space, with none at either end.  Other characters
// (Greek, Cyrillic, CJK...) are kept as written.  Folding a folded text
// changes nothing.
std::string FoldForSearch(std::string_view text);

// True when `word` is a prefix of `text` or of one of its words (a word
// starts after a space).  Both are folded texts; an empty `word` is a
// prefix of anything.
bool HasWordPrefix(std::string_view text, std::string_view word);

// The optimal string alignment distance of two byte strings: insertions,
// deletions, substitutions and swaps of neighbours cost 1 each.  Returns
// `limit` + 1 as soon as the distance is known to exceed `limit`.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit);

}  // namespace ostrane
