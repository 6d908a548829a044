#pragma once

#include "bouts/BoutSheets.h"
#include "meet/Meet.h"

namespace korvanda {

class Dialogs;

// The team window's options for the printed lists.
struct ListOptions {
    bool omitAbsents = false; // "Omit Absents"
    bool skillsOnBLists = false; // "Skills on B-lists"
    bool skillsOnBSheets = false; // "Skills on B-sheets"
};

// "Write Files": saves the restore file, then writes the roster, the bout
// list, the score list and the bout sheets, each on its own, and last the
// score tally. A file that cannot be written is reported by name and keeps
// its old contents; the others are written all the same.
void writeFiles(const Meet& meet, const ListOptions& options, const PrintDate& today, Dialogs& dialogs);

} // namespace korvanda
