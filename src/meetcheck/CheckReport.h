#pragma once

#include "meet/Meet.h"
#include "meetcheck/MeetCheck.h"

#include <string>

namespace korvanda {

class Dialogs;

inline constexpr const char* meetCheckFileName = "MeetCheck.Txt";

// The short list, the short rests and the mats in fixed columns, CR LF
// after every line.
std::string meetCheckText(const MeetCheck& check);

// "Write Report": "MeetCheck.Txt" in the meet's directory, beside the other
// lists; a file that cannot be written is reported and keeps its old
// contents. True when it was written.
bool writeMeetCheck(const Meet& meet, const MeetCheck& check, Dialogs& dialogs);

} // namespace korvanda
