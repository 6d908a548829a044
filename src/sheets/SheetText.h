#pragma once

#include <string>
#include <string_view>

namespace korvanda {

// A text file from a coach or a registration site as UTF-8: a byte-order
// mark is dropped, valid UTF-8 is kept, anything else is taken as Windows'
// Western code page, which is what Excel writes on most club laptops.
std::string sheetTextAsUtf8(std::string_view bytes);

// The meet's Latin-1 texts as UTF-8, for files that leave the meet.
std::string utf8FromLatin1(std::string_view latin1);

// A sheet's text in the Latin-1 the team files hold. Letters Latin-1 lacks
// become their closest Latin-1 form ("Ł" -> "L", "ő" -> "ö") and mark the
// text as approximated; a character with no such form becomes "?" and marks
// it as unheld.
struct Latin1Text {
    std::string text;
    bool approximated = false;
    bool unheld = false;
};
Latin1Text latin1FromUtf8(std::string_view utf8);

// Lower-case ASCII letters and digits, points and apostrophes dropped,
// every other character a space, runs of spaces made one and none at the
// ends: "Weight (KG)" -> "weight kg", "D.O.B." -> "dob".
std::string headerWords(std::string_view text);

} // namespace korvanda
