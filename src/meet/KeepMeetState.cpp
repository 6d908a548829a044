#include "meet/KeepMeetState.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/MeetHistory.h"

#include <ctime>

namespace korvanda {

namespace {

bool blank(const std::string& cell)
{
    return cell.find_first_not_of(' ') == std::string::npos;
}

} // namespace

StateCounts countsOf(const Meet& meet)
{
    StateCounts counts;
    for (int r = 1; r < meet.roster.rowCount(); ++r)
        counts.wrestlers += !blank(meet.roster.cell(r, RosterColumn::Name));
    const Table& bouts = meet.boutGrid;
    for (int r = 1; r < bouts.rowCount(); ++r) {
        counts.bouts += !blank(bouts.cell(r, BoutColumn::Bout));
        counts.results += !bouts.cell(r, BoutColumn::Winner1).empty() || !bouts.cell(r, BoutColumn::Winner2).empty();
    }
    return counts;
}

void keepMeetState(const Meet& meet, std::string_view text, const std::string& cause, Dialogs& dialogs)
{
    const MeetHistory history(meet.directory);
    if (!history.keep(text, countsOf(meet), cause, std::time(nullptr)))
        dialogs.warn(
            "Couldn't keep this state of the meet in " + history.folder().string() + "; the restore file was written.");
}

} // namespace korvanda
