#pragma once

#include "meet/Meet.h"

namespace korvanda {

class Dialogs;

// "Load Rosters": puts every listed team's wrestlers at the top of the
// roster, team by team in list order and each team in file order, with the
// numbers brought into their stored forms, the composite value filled in,
// and "Yes" under Here when `assumePresent` is set.
//
// Records with bad numbers are reported and skipped; a name already in the
// roster is refused with a question, and No stops the import at once,
// keeping the rows added so far. A team file that cannot be read is
// reported and the import goes on with the next team.
//
// Gives true when the import ran to its end; the roster then matches the
// team files and the roster window takes over from the team window.
bool loadRosters(Meet& meet, bool assumePresent, Dialogs& dialogs);

} // namespace korvanda
