#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanda {

// The meet's tables hold Latin-1; files that leave the meet and the pages
// a browser reads are UTF-8, and so is what a coach's sheet or a phone
// sends in.

void appendUtf8(std::string& out, char32_t c);

// The next character of a UTF-8 text, or nothing when the bytes at `at`
// are no well-formed UTF-8; `at` moves past the character.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& at);

// The meet's Latin-1 texts as UTF-8.
std::string utf8FromLatin1(std::string_view latin1);

// UTF-8 in the Latin-1 the team files hold. Letters Latin-1 lacks
// become their closest Latin-1 form ("Ł" -> "L", "ő" -> "ö") and mark the
// text as approximated; a character with no such form becomes "?" and marks
// it as unheld.
struct Latin1Text {
    std::string text;
    bool approximated = false;
    bool unheld = false;
};
Latin1Text latin1FromUtf8(std::string_view utf8);

} // namespace korvanda
