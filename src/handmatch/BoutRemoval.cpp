#include "handmatch/BoutRemoval.h"

#include "handmatch/BoutNumbers.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"

#include <algorithm>

namespace korvanda {

namespace {

bool removeLast(Meet& meet, Dialogs& dialogs)
{
    Table& bouts = meet.boutGrid;
    const int last = bouts.rowCount() - 1;
    if (last < 1 || trimmed(bouts.cell(last, BoutColumn::Bout)).empty()) {
        dialogs.inform("There is no bout to remove.");
        return false;
    }
    if (!dialogs.ask("Really remove bout " + trimmed(bouts.cell(last, BoutColumn::Bout))))
        return false;
    // Only this bout's own number goes: a wrestler renamed since the bout was
    // made may share the name with someone whose last bout is another one.
    for (const int nameColumn : { BoutColumn::Name1, BoutColumn::Name2 }) {
        const int wrestler = findRow(meet.roster, bouts.cell(last, nameColumn));
        if (wrestler != 0)
            meet.roster.setCell(wrestler, RosterColumn::Bouts,
                updateBoutsList(meet.roster.cell(wrestler, RosterColumn::Bouts), last, BoutsListChange::Remove));
    }
    if (last == 1) {
        for (int column = 0; column < bouts.columnCount(); ++column)
            bouts.setCell(1, column, {});
    } else {
        bouts.removeRow(last);
        bouts.setCurrentRow(std::min(bouts.currentRow(), bouts.rowCount() - 1));
    }
    return true;
}

} // namespace

bool removeLastBout(Meet& meet, Dialogs& dialogs)
{
    const bool removed = removeLast(meet, dialogs);
    saveRestoreFile(meet, dialogs, causes::removeLast);
    return removed;
}

} // namespace korvanda
