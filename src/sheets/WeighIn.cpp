#include "sheets/WeighIn.h"

#include "matching/PairingMeasures.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/Utf8Text.h"
#include "sheets/SheetWrestlers.h"

namespace korvanda {

std::vector<WeighInRow> weighInRows(const Meet& meet, const Sheet& sheet, const SheetColumns& columns)
{
    const Table& roster = meet.roster;
    std::vector<WeighInRow> rows;
    for (const std::size_t r : wrestlerRows(sheet, columns)) {
        WeighInRow row;
        row.sheetRow = r + 1;
        row.name = latin1FromUtf8(sheetWrestlerName(sheet, columns, r)).text;
        row.team = latin1FromUtf8(sheetWrestlerCell(sheet, columns, r, ColumnKind::Team)).text;
        int found = 0;
        for (int k = 1; k < roster.rowCount(); ++k) {
            if (trimmed(roster.cell(k, RosterColumn::Name)) != row.name || row.name.empty())
                continue;
            if (!row.team.empty() && trimmed(roster.cell(k, RosterColumn::Team)) != row.team)
                continue;
            ++found;
            row.rosterRow = k;
        }
        const auto weight = sheetWrestlerWeight(sheet, columns, r);
        if (found > 1)
            row.match = WeighInRow::Match::TwoWrestlers;
        else if (found == 1)
            row.match = weight ? WeighInRow::Match::Found : WeighInRow::Match::BadWeight;
        if (found != 1)
            row.rosterRow = 0;
        if (row.rosterRow != 0) {
            row.oldWeight = roster.cell(row.rosterRow, RosterColumn::Wgt);
            row.hasBouts = !trimmed(roster.cell(row.rosterRow, RosterColumn::Bouts)).empty();
        }
        row.newWeight = weight.value_or("");
        rows.push_back(std::move(row));
    }
    return rows;
}

int applyWeighIn(Meet& meet, const std::vector<WeighInRow>& rows, Dialogs& dialogs)
{
    Table& roster = meet.roster;
    int written = 0;
    for (const auto& row : rows) {
        if (row.match != WeighInRow::Match::Found || row.rosterRow >= roster.rowCount())
            continue;
        const int r = row.rosterRow;
        roster.setCell(r, RosterColumn::Wgt, row.newWeight);
        roster.setCell(r, RosterColumn::Cmp,
            compositeValue(roster.cell(r, RosterColumn::Age), row.newWeight, roster.cell(r, RosterColumn::Skill)));
        ++written;
    }
    if (written > 0) {
        meet.rostersChanged = true;
        saveRestoreFile(meet, dialogs, causes::updateWeights);
    }
    return written;
}

} // namespace korvanda
