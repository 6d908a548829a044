#pragma once

#include "meet/Meet.h"
#include "sheets/SheetColumns.h"

#include <string>
#include <vector>

namespace korvanda {

class Dialogs;

// One row of a weigh-in sheet and the wrestler of the roster it is for.
struct WeighInRow {
    enum class Match { Found, NotFound, TwoWrestlers, BadWeight };

    std::size_t sheetRow = 0;
    // As the sheet names him, in Latin-1.
    std::string name;
    std::string team;
    Match match = Match::NotFound;
    // The roster row, when found.
    int rosterRow = 0;
    std::string oldWeight;
    // In the roster's stored form.
    std::string newWeight;
    // His bouts keep the weight they were matched with.
    bool hasBouts = false;
};

// Matches every filled row of the sheet to the roster by name; the sheet's
// team, when it has one, decides between namesakes.
std::vector<WeighInRow> weighInRows(const Meet& meet, const Sheet& sheet, const SheetColumns& columns);

// "Apply": the found wrestlers get their new weights and composite values,
// exactly as the wrestler editor's "Replace" writes them; the rosters are
// marked changed and the restore file is written once. Gives the number of
// wrestlers whose weight was written.
int applyWeighIn(Meet& meet, const std::vector<WeighInRow>& rows, Dialogs& dialogs);

} // namespace korvanda
