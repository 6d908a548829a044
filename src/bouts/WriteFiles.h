#pragma once

#include "bouts/MeetLists.h"

namespace korvanda {

class Dialogs;

// "Write Files": saves the restore file, then writes the roster, the bout
// list, the score list and the bout sheets, each on its own, and last the
// score tally. A file that cannot be written is reported by name and keeps
// its old contents; the others are written all the same.
void writeFiles(const Meet& meet, const ListOptions& options, const PrintDate& today, Dialogs& dialogs);

} // namespace korvanda
