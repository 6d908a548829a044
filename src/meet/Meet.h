#pragma once

#include "meet/Table.h"

#include <filesystem>

namespace korvanda {

inline constexpr const char* rosterCaptions
    = "Name                                       |Age |Wgt |Skill| Team |Cmp |Here |Bouts        ";
inline constexpr const char* boutGridCaptions
    = "Bout|Mat||Name                        |Age|Weight|Skill|Team |Pts.|Winner||Name                        "
      "|Age|Weight|Skill|Team |Pts.|Winner";
inline constexpr const char* teamListCaptions
    = "Team Name                                                              |Abbrev.    |Head Coach              "
      "       |Data File                                                  ";

namespace RosterColumn {
enum : int { Name, Age, Wgt, Skill, Team, Cmp, Here, Bouts, Count };
}

namespace BoutColumn {
enum : int {
    Bout,
    Mat,
    Spacer1,
    Name1,
    Age1,
    Weight1,
    Skill1,
    Team1,
    Points1,
    Winner1,
    Spacer2,
    Name2,
    Age2,
    Weight2,
    Skill2,
    Team2,
    Points2,
    Winner2,
    Count
};
}

namespace TeamColumn {
enum : int { Name, Abbrev, Coach, DataFile, Count };
}

// The whole meet: the three tables every window works on, and the flags
// they share. There is exactly one for the run.
struct Meet {
    Table teamList = Table::withCaptions(teamListCaptions);
    Table roster = Table::withCaptions(rosterCaptions);
    Table boutGrid = Table::withCaptions(boutGridCaptions);

    // The teams or wrestlers differ from the team files on disk.
    bool rostersChanged = false;
    // The settings file has been written in this run.
    bool settingsSaved = false;
    // The roster row the wrestler editor was last loaded from.
    int currentRow = 1;
    // A bout was made by hand; "Match" asks before it throws such bouts away.
    bool handMatchesMade = false;
    // The matching is at work. Its progress bar lets queued work run, so a
    // result sent from a mat waits for this to clear before it touches the
    // bouts.
    bool matchRunning = false;

    // Where every file of the meet lives.
    std::filesystem::path directory = ".";
};

// The first data row whose column-0 cell equals `text` exactly, or 0.
int findRow(const Table& table, std::string_view text);

} // namespace korvanda
