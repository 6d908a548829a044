#pragma once

#include <string_view>

namespace korvanda::soak {

// True when `text` is one of the messages the program shows, in full: its
// fixed words with names, numbers and file names filled in. An empty text,
// a cut-off message or anything else is not known.
bool isKnownMessage(std::string_view text);

} // namespace korvanda::soak
