#pragma once

#include "meet/KeptState.h"

#include <string>
#include <vector>

namespace korvanda {

class Dialogs;
class MeetHistory;
struct Meet;

// The time of day of a kept state, "10:42" or with seconds "10:42:07",
// and before it the date ("2026-12-06 10:42") when that is not today.
std::string clockText(std::time_t time, bool withSeconds);

// Tells the director which kept files are damaged and were left out.
void reportDamaged(const MeetHistory& history, const std::vector<std::string>& damaged, Dialogs& dialogs);

// "Bring Back": asks, and on Yes makes the kept state the meet exactly as
// "Restore" would with that file, and writes the restore file, so the step
// is kept too. A state damaged since it was listed is told and changes
// nothing. True when the meet was brought back.
bool bringBack(Meet& meet, const MeetHistory& history, const KeptState& state, Dialogs& dialogs);

} // namespace korvanda
