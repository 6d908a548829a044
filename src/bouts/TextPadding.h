#pragma once

#include <string>
#include <string_view>

namespace korvanda {

// Fixed-width fields of the printed lists. Widths count characters.

// `text` preceded by spaces to `width` characters; a longer text keeps only
// its last `width` characters.
std::string rightJustify(std::string_view text, int width);

// `text` followed by spaces to `width` characters; a longer text keeps only
// its first `width` characters.
std::string leftJustify(std::string_view text, int width);

// `text` preceded by half the room left in `width` (halves to the even
// neighbour); nothing follows it, and a text too long for the width gets
// no spaces.
std::string centerText(std::string_view text, int width);

} // namespace korvanda
