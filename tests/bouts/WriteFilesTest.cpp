#include "bouts/WriteFiles.h"

#include "BoutTables.h"
#include "bouts/PrintedLists.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(WriteFilesTest, AFileThatCannotBeWrittenKeepsItsOldContentsAndTheOthersAreWritten)
{
    TempDir dir;
    Meet meet;
    meet.directory = dir.path();
    meet.teamList = tableOf(teamListCaptions, { "Tigers\tTIG" });
    meet.roster = tableOf(
        rosterCaptions, { "Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1", "Lu Pell\t9.5\t64\t2.5\tTIG\t52\t\t1" });
    meet.boutGrid = tableOf(
        boutGridCaptions, { "1\t1\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t6\tDecision\t\tLu Pell\t9.5\t64\t2.5\tTIG\t2" });
    for (const char* name : { "ScoreList.Txt", "ScoreTally.Txt" }) {
        dir.write(name, "old");
        // Something in the way of the file's temporary copy.
        std::filesystem::create_directory(dir.path() / (std::string(name) + ".new"));
    }
    FakeDialogs dialogs;
    const PrintDate saturday { "Saturday", "Dec", 5, 2026 };
    writeFiles(meet, { .omitAbsents = true, .skillsOnBLists = true, .skillsOnBSheets = false }, saturday, dialogs);
    EXPECT_EQ(dialogs.shown,
        (Lines { "Couldn't write ScoreList.Txt; file may be in use.",
            "Couldn't write ScoreTally.Txt; file may be in use." }));
    EXPECT_EQ(dir.read("ScoreList.Txt") + dir.read("ScoreTally.Txt"), "oldold");
    EXPECT_EQ(dir.read("Restore.Csv"), restoreFileText(meet));
    EXPECT_EQ(dir.read("Roster.Txt"), rosterListText(meet.roster, true));
    EXPECT_EQ(dir.read("BoutList.Txt"), boutListText(meet.boutGrid, true));
    EXPECT_EQ(dir.read("BoutSheets.Txt"), boutSheetsText(meet.boutGrid, meet.teamList, false, saturday));

    writeFiles(meet, { .omitAbsents = false, .skillsOnBLists = false, .skillsOnBSheets = true }, saturday, dialogs);
    EXPECT_EQ(dir.read("Roster.Txt"), rosterListText(meet.roster, false));
    EXPECT_EQ(dir.read("BoutList.Txt"), boutListText(meet.boutGrid, false));
    EXPECT_EQ(dir.read("BoutSheets.Txt"), boutSheetsText(meet.boutGrid, meet.teamList, true, saturday));
}
