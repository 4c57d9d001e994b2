// File names made from what the user typed.
#pragma once

#include <cstddef>
#include <string>

namespace ostrane {

// The most bytes of a proposed name: what a file name may hold (255 bytes)
// less room for the ".txt" the save dialog adds.
inline constexpr std::size_t kMaxProposedNameBytes = 251;

// The file name Save As proposes for a chart of the name `chartName` (UTF-8),
// one that names a file in the folder the dialog shows and nowhere else:
// path separators ("/" and "\") become "-"; the dots that begin the name or
// a part of it between separators, and a "~" that begins the name (which the
// dialog takes for a home folder), become "_"; control characters become
// "_"; and the name is cut to kMaxProposedNameBytes at a character's end.
// Every other character is kept, so the name stays readable ("AC/DC" gives
// "AC-DC", "../../escape" gives "__-__-escape"); an empty name gives an
// empty text.
std::string ProposedFileName(const std::string& chartName);

}  // namespace ostrane
