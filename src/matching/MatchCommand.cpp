#include "matching/MatchCommand.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"

namespace korvanda {

bool runMatch(Meet& meet, const MatchSettings& settings, Dialogs& dialogs, const MatchProgress& progress)
{
    if (meet.handMatchesMade && !dialogs.ask("Hand matches will be deleted.  Proceed anyway?"))
        return false;
    const auto values = readMatchValues(settings, dialogs);
    if (!values)
        return false;
    const auto entrants = collectEntrants(meet, dialogs);
    if (!entrants)
        return false;
    const bool matched = autoMatch(meet, *values, *entrants, dialogs, progress);
    saveRestoreFile(meet, dialogs, causes::match);
    return matched;
}

} // namespace korvanda
