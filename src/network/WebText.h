#pragma once

#include <string>
#include <string_view>

namespace korvanda {

// The meet's Latin-1 text as the UTF-8 a browser reads.
std::string latin1ToUtf8(std::string_view text);

// A browser's UTF-8 as the meet's Latin-1; a character Latin-1 lacks, or a
// broken sequence, becomes "?".
std::string utf8ToLatin1(std::string_view text);

} // namespace korvanda
