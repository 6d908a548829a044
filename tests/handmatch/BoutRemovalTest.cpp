#include "handmatch/BoutRemoval.h"

#include "HandMatchMeets.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(BoutRemovalTest, AskedEveryTimeAndSavedWhateverTheAnswer)
{
    TempDir dir;
    // Ann meets Bo in bout 1, Cy in bout 2 and Bo again in bout 3.
    Meet meet = meetWith({ "Ann\t\t\t\t\t\tYes\t1,2,3", "Bo\t\t\t\t\t\tYes\t1,3", "Cy\t\t\t\t\t\tYes\t2" },
        { "1\t1\t\tAnn\t\t\t\t\t\t\t\tBo", "2\t1\t\tCy\t\t\t\t\t\t\t\tAnn", "3\t2\t\tBo\t\t\t\t\t4\tDec\t\tAnn" });
    meet.directory = dir.path();
    const Meet before = meet;
    FakeDialogs dialogs;
    EXPECT_FALSE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.questions, Texts { "Really remove bout 3" });
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);
    EXPECT_TRUE(dir.exists("Restore.Csv"));

    // Bo was renamed after bout 3 was made and Cy took his old name: only
    // bout 3's own number goes, so the new Bo keeps his bout; the old Bo is not found.
    meet.roster.setCell(2, RosterColumn::Name, "Bo Senior");
    meet.roster.setCell(3, RosterColumn::Name, "Bo");
    dialogs.queueAnswers({ true, true, true });
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Bouts), (Texts { "1,2", "1,3", "2" }));

    meet.roster = before.roster;
    meet.roster.setCell(1, RosterColumn::Bouts, "1,2");
    meet.roster.setCell(2, RosterColumn::Bouts, "1");
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Bouts), (Texts { "1", "1", "" }));
    // The lone bout leaves the empty row of a fresh list, which has nothing to remove.
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(meet.boutGrid, Meet().boutGrid);
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Bouts), (Texts { "", "", "" }));
    EXPECT_FALSE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "There is no bout to remove.");
    EXPECT_EQ(dialogs.questions.size(), 4u) << "nothing to ask about";
    meet.boutGrid.setRowCount(1);
    EXPECT_FALSE(removeLastBout(meet, dialogs)) << "the header row is no bout";
    EXPECT_EQ(meet.boutGrid.rowCount(), 1);
}
