#pragma once

#include "renumber/BoutMap.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// A bout number as the two input files write it: surrounding spaces, then a
// number (sign, digits, one decimal point, exponent allowed) rounded to the
// nearest whole number with halves to the even neighbour. Nothing when the
// text is no number or the bout lies outside 0 to 999.
std::optional<int> readBoutNumber(std::string_view text);

// One line of the mapping file that pairs a new bout number (its first
// three characters) with an old one (its last three characters).
struct Mapping {
    std::string newText;
    std::string oldText;
    int newNumber = 0;
    int oldNumber = 0;
};

// The mapping a line holds: only lines starting with a digit carry one, and
// a line whose numbers cannot be read is passed over like any other line.
std::optional<Mapping> readMappingLine(std::string_view line);

// A bout line ("Bout " somewhere, a digit at the end) rewritten to show the
// new number with the old one after it, "Bout 7  (KV#12)", keeping what
// stands before "Bout "; any other line, and a bout line whose old number
// cannot be read, comes back unchanged.
std::string renumberedLine(std::string_view line, const BoutMap& map);

} // namespace quillon
