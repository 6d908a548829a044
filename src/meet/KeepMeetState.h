#pragma once

#include "meet/KeptState.h"

#include <string>
#include <string_view>

namespace korvanda {

class Dialogs;
struct Meet;

// The wrestlers, bouts and results the tables hold, as the history shows them.
StateCounts countsOf(const Meet& meet);

// Keeps the state whose restore file text is `text` in the meet folder's
// history. A failure is told and changes nothing else: the meet goes on.
void keepMeetState(const Meet& meet, std::string_view text, const std::string& cause, Dialogs& dialogs);

} // namespace korvanda
