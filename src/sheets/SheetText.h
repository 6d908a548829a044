#pragma once

#include <string>
#include <string_view>

namespace korvanda {

// A text file from a coach or a registration site as UTF-8: a byte-order
// mark is dropped, valid UTF-8 is kept, anything else is taken as Windows'
// Western code page, which is what Excel writes on most club laptops.
std::string sheetTextAsUtf8(std::string_view bytes);

// Lower-case ASCII letters and digits, points and apostrophes dropped,
// every other character a space, runs of spaces made one and none at the
// ends: "Weight (KG)" -> "weight kg", "D.O.B." -> "dob".
std::string headerWords(std::string_view text);

} // namespace korvanda
