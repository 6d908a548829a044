#pragma once

#include "meet/Meet.h"

#include <array>
#include <string>

namespace korvanda {

class Dialogs;

// The result types in the order of their option buttons; index 0 is "none
// chosen". The codes are what the Winner cells of a bout hold.
inline constexpr std::array<const char*, 9> resultTypeCaptions = { "", "Fall", "Technical Fall", "Superior Decision",
    "Majority Decision", "Decision", "Draw", "Forfeit", "Scratch" };
inline constexpr std::array<const char*, 9> resultCodes
    = { "", "Fall", "TechFall", "SupDec", "MajDec", "Decision", "Draw", "Forfeit", "Scratch" };

namespace ResultType {
enum : int { None, Fall, TechFall, SupDec, MajDec, Decision, Draw, Forfeit, Scratch };
}

// What the results frame of the bout window shows. The window reads its
// controls into this, calls one function, and shows what comes back.
struct ResultEntry {
    std::string boutNumber;
    // Shown only; never read back.
    std::string name1;
    std::string team1;
    std::string name2;
    std::string team2;
    std::string points1;
    std::string points2;
    // 0 when neither wrestler is chosen, else 1 or 2.
    int winner = 0;
    // 0 when no result type is chosen, else the ResultType index 1 to 8.
    int resultType = 0;

    bool operator==(const ResultEntry&) const = default;
};

// A click on bout `row`: the frame shows that bout and its stored result.
// A stored code that is no known result type leaves `shown`'s choice as it
// was. A row outside the bouts changes nothing.
ResultEntry selectBout(const Table& boutGrid, int row, ResultEntry shown);

// Enter in the "Bout" box: the bout row the typed number names, to be
// chosen as a click on that row chooses it. A text that names no bout is
// reported as "Accept" reports it, and gives 0.
int chooseTypedBout(const Table& boutGrid, const std::string& boutNumberText, Dialogs& dialogs);

// "Accept": checks the entry and, when every check passes, writes it into
// the bout's row and clears the entry. A check that fails shows its message
// and the later checks still run, so one Accept may show several. A blank
// points box beside a filled one becomes "0" in the entry. Once the bout
// number names a bout the restore file is saved, stored or not. Double
// quotes, tabs and line ends typed into the points boxes are dropped first,
// since no file of the meet can carry them.
// The meet's history keeps the state as caused by `cause`, by default
// "Accept bout N" (a scoring table names its mat). True when the result
// was stored.
bool acceptResult(Meet& meet, ResultEntry& entry, Dialogs& dialogs, const std::string& cause = {});

// What "Accept" did: whether the result went into its bout, and whether the
// restore file was then written.
struct AcceptOutcome {
    bool stored = false;
    bool saved = false;
};

// "Accept" as above, for a caller that confirms a result only once it is
// in the restore file: the bout window and the mat scorers' phones alike.
AcceptOutcome storeResult(Meet& meet, ResultEntry& entry, Dialogs& dialogs, const std::string& cause = {});

// The checks of "Accept" and, when they pass (`stored`), the result written
// into its bout's row of `boutGrid`; nothing is saved. The bout's row, or 0
// when the bout number names no bout.
int enterResult(Table& boutGrid, ResultEntry& entry, Dialogs& dialogs, bool& stored);

} // namespace korvanda
