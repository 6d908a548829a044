#include "bouts/WriteFiles.h"

#include "BoutTables.h"
#include "bouts/PrintedLists.h"
#include "bouts/ScoreTally.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

// Every file is written, each list with its own option: one option on at a
// time, so no list can follow another's. (A file that cannot be written is
// left to the hostile disk tests.)
TEST(WriteFilesTest, EveryListIsWrittenWithItsOwnOption)
{
    TempDir dir;
    Meet meet;
    meet.directory = dir.path();
    meet.teamList = tableOf(teamListCaptions, { "Tigers\tTIG" });
    meet.roster = tableOf(
        rosterCaptions, { "Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1", "Lu Pell\t9.5\t64\t2.5\tTIG\t52\t\t1" });
    meet.boutGrid = tableOf(
        boutGridCaptions, { "1\t1\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t6\tDecision\t\tLu Pell\t9.5\t64\t2.5\tTIG\t2" });
    FakeDialogs dialogs;
    const PrintDate saturday { "Saturday", "Dec", 5, 2026 };
    for (int on = 0; on < 3; ++on) {
        writeFiles(
            meet, { .omitAbsents = on == 0, .skillsOnBLists = on == 1, .skillsOnBSheets = on == 2 }, saturday, dialogs);
        EXPECT_EQ(dir.read("Roster.Txt"), rosterListText(meet.roster, on == 0));
        EXPECT_EQ(dir.read("BoutList.Txt"), boutListText(meet.boutGrid, on == 1));
        EXPECT_EQ(dir.read("BoutSheets.Txt"), boutSheetsText(meet.boutGrid, meet.teamList, on == 2, saturday));
        EXPECT_EQ(dir.read("ScoreList.Txt"), scoreListText(meet.boutGrid));
        EXPECT_EQ(dir.read("ScoreTally.Txt"), scoreTallyText(meet.teamList, meet.boutGrid));
        EXPECT_EQ(dir.read("Restore.Csv"), restoreFileText(meet));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}
