// "Restore.Csv" with anything in it: a restore that fails says so, naming
// the file, and leaves the three tables exactly as they were; a restore that
// succeeds gives tables of the meet's own widths, and the restore file the
// program then writes restores to the same bytes again.
#include "FuzzMeet.h"
#include "QuietDialogs.h"

#include "meet/Meet.h"
#include "meet/RestoreFile.h"

#include <string>

using namespace korvanda;

namespace {

// A meet under way, with its selections away from the first rows.
Meet meetUnderWay()
{
    Meet meet = fuzzsupport::scratchMeet({ fuzzsupport::tigers, fuzzsupport::lions });
    meet.roster.setRowCount(1);
    meet.roster.appendRow("Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1");
    meet.roster.appendRow("Lu Pell\t9.5\t64\t2.5\tLIO\t52\tYes\t1");
    meet.roster.appendRow("Mo Hart\t10.0\t70\t1.0\tLIO\t55\t\t");
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow("1\t2\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t6\tDecision\t\tLu Pell\t9.5\t64\t2.5\tLIO\t2\t");
    meet.teamList.setCurrentRow(2);
    meet.roster.setCurrentRow(3);
    meet.rostersChanged = true;
    meet.currentRow = 2;
    meet.handMatchesMade = true;
    return meet;
}

bool sameMeet(const Meet& a, const Meet& b)
{
    return a.teamList == b.teamList && a.roster == b.roster && a.boutGrid == b.boutGrid
        && a.teamList.currentRow() == b.teamList.currentRow() && a.roster.currentRow() == b.roster.currentRow()
        && a.boutGrid.currentRow() == b.boutGrid.currentRow();
}

bool sameFlags(const Meet& a, const Meet& b)
{
    return a.rostersChanged == b.rostersChanged && a.settingsSaved == b.settingsSaved && a.currentRow == b.currentRow
        && a.handMatchesMade == b.handMatchesMade;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::placeInput(restoreFileName, data, size);
    const Meet before = meetUnderWay();
    Meet meet = before;
    QuietDialogs dialogs;
    const bool restored = loadRestoreFile(meet, dialogs);
    FUZZ_CHECK(sameFlags(meet, before));
    if (!restored) {
        FUZZ_CHECK(sameMeet(meet, before));
        FUZZ_CHECK(dialogs.shown.size() == 1 && dialogs.warnings.size() == 1);
        FUZZ_CHECK(dialogs.warnings[0].find(restoreFileName) != std::string::npos);
        return 0;
    }
    FUZZ_CHECK(dialogs.shown.empty());
    FUZZ_CHECK(meet.teamList.columnCount() == TeamColumn::Count && meet.teamList.rowCount() >= 2);
    FUZZ_CHECK(meet.roster.columnCount() == RosterColumn::Count && meet.roster.rowCount() >= 2);
    FUZZ_CHECK(meet.boutGrid.columnCount() == BoutColumn::Count && meet.boutGrid.rowCount() >= 2);

    FUZZ_CHECK(saveRestoreFile(meet, dialogs, "Save List"));
    const std::string written = fuzzsupport::readFile(restoreFileName);
    FUZZ_CHECK(written == restoreFileText(meet));
    Meet again = meetUnderWay();
    FUZZ_CHECK(loadRestoreFile(again, dialogs));
    FUZZ_CHECK(again.teamList == meet.teamList && again.roster == meet.roster && again.boutGrid == meet.boutGrid);
    FUZZ_CHECK(restoreFileText(again) == written);
    return 0;
}
