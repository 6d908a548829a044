#pragma once

#include "meet/Meet.h"
#include "sheets/SheetColumns.h"
#include "sheets/SheetDate.h"

#include <string>
#include <vector>

namespace korvanda {

class Dialogs;

// One wrestler of a coach's sheet as the team's data file would hold him,
// in Latin-1 and the stored number forms, with what keeps him out.
struct RosterSheetRow {
    // 1-based, as the spreadsheet program numbers its rows.
    std::size_t sheetRow = 0;
    std::string name;
    std::string age;
    std::string weight;
    std::string skill;
    // Why the row is left out; empty when it is written.
    std::string problem;
    // Set when the name holds letters Latin-1 lacks and shows their
    // closest Latin-1 form.
    bool nameApproximated = false;
};

// The wrestlers below the header row, blank rows skipped. An age comes
// from the age column or, failing that, from the birth date on `meetDay`.
std::vector<RosterSheetRow> rosterSheetRows(const Sheet& sheet, const SheetColumns& columns, DayNumber meetDay);

// The team data file of the rows without a problem, in sheet order.
std::string rosterSheetText(const std::vector<RosterSheetRow>& rows);

// Whether the team in `teamRow` of the team list can take an imported
// roster: a listed team whose data file is usable. Otherwise the director
// is told why.
bool canTakeRoster(const Meet& meet, int teamRow, Dialogs& dialogs);

// "Import": writes the data file of the team in `teamRow` of the team
// list, keeping the previous one as its backup. A team that cannot take a
// roster, or a file that cannot be written, is reported and nothing
// changes. Gives true when the file was written.
bool importRosterSheet(const Meet& meet, int teamRow, const std::vector<RosterSheetRow>& rows, Dialogs& dialogs);

} // namespace korvanda
