#pragma once

#include "bouts/BoutSheets.h"
#include "meet/Meet.h"

#include <array>
#include <string>

namespace korvanda {

// The team window's options for the printed lists.
struct ListOptions {
    bool omitAbsents = false; // "Omit Absents"
    bool skillsOnBLists = false; // "Skills on B-lists"
    bool skillsOnBSheets = false; // "Skills on B-sheets"
};

// The five lists a meet prints, in the order "Write Files" writes them.
enum class MeetList { Roster, BoutList, ScoreList, BoutSheets, ScoreTally };

inline constexpr std::array<MeetList, 5> allMeetLists
    = { MeetList::Roster, MeetList::BoutList, MeetList::ScoreList, MeetList::BoutSheets, MeetList::ScoreTally };

// "Bout Sheets": the name a director picks the list by.
const char* listName(MeetList list);

// "BoutSheets.Txt": the file "Write Files" puts the list in.
const char* listFileName(MeetList list);

// The bytes of the list from the meet's tables as they stand now: the very
// text "Write Files" writes to its file.
std::string listText(const Meet& meet, MeetList list, const ListOptions& options, const PrintDate& today);

} // namespace korvanda
