#include "bouts/MeetLists.h"

#include "bouts/PrintedLists.h"
#include "bouts/ScoreTally.h"

namespace korvanda {

const char* listName(MeetList list)
{
    switch (list) {
    case MeetList::Roster:
        return "Roster";
    case MeetList::BoutList:
        return "Bout List";
    case MeetList::ScoreList:
        return "Score List";
    case MeetList::BoutSheets:
        return "Bout Sheets";
    case MeetList::ScoreTally:
        break;
    }
    return "Score Tally";
}

const char* listFileName(MeetList list)
{
    switch (list) {
    case MeetList::Roster:
        return rosterListFileName;
    case MeetList::BoutList:
        return boutListFileName;
    case MeetList::ScoreList:
        return scoreListFileName;
    case MeetList::BoutSheets:
        return boutSheetsFileName;
    case MeetList::ScoreTally:
        break;
    }
    return scoreTallyFileName;
}

std::string listText(const Meet& meet, MeetList list, const ListOptions& options, const PrintDate& today)
{
    switch (list) {
    case MeetList::Roster:
        return rosterListText(meet.roster, options.omitAbsents);
    case MeetList::BoutList:
        return boutListText(meet.boutGrid, options.skillsOnBLists);
    case MeetList::ScoreList:
        return scoreListText(meet.boutGrid);
    case MeetList::BoutSheets:
        return boutSheetsText(meet.boutGrid, meet.teamList, options.skillsOnBSheets, today);
    case MeetList::ScoreTally:
        break;
    }
    return scoreTallyText(meet.teamList, meet.boutGrid);
}

} // namespace korvanda
