#pragma once

#include "meet/Meet.h"

#include <array>
#include <string>

namespace korvanda {

// The four boxes of the team editor: name, abbreviation, coach, data file.
using TeamFields = std::array<std::string, TeamColumn::Count>;

TeamFields teamFieldsOfRow(const Table& teamList, int row);

// The three edits of the team list; each marks the rosters as changed.
void addTeam(Meet& meet, const TeamFields& fields);
void replaceTeam(Meet& meet, int row, const TeamFields& fields);
// The list keeps at least one row: deleting the only team empties its row.
void deleteTeam(Meet& meet, int row);

// The mats box after a click on its down or up arrow: a whole number from 1 to 6.
std::string steppedMatCount(std::string_view text, bool up);

} // namespace korvanda
