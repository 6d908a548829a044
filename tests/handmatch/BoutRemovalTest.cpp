#include "handmatch/BoutRemoval.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

using Texts = std::vector<std::string>;

// Ann meets Bo in bout 1, Cy in bout 2 and Bo again in bout 3.
Meet threeBouts(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.roster.setRowCount(1);
    for (const char* row : { "Ann\t\t\t\t\t\tYes\t1,2,3", "Bo\t\t\t\t\t\tYes\t1,3", "Cy\t\t\t\t\t\tYes\t2" })
        meet.roster.appendRow(row);
    meet.boutGrid.setRowCount(1);
    for (const char* row :
        { "1\t1\t\tAnn\t\t\t\t\t\t\t\tBo", "2\t1\t\tCy\t\t\t\t\t\t\t\tAnn", "3\t2\t\tBo\t\t\t\t\t4\tDec\t\tAnn" })
        meet.boutGrid.appendRow(row);
    return meet;
}

Texts boutsCells(const Meet& meet)
{
    Texts cells;
    for (int row = 1; row < meet.roster.rowCount(); ++row)
        cells.push_back(meet.roster.cell(row, RosterColumn::Bouts));
    return cells;
}

} // namespace

TEST(BoutRemovalTest, AskedEveryTimeAndSavedWhateverTheAnswer)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    const Meet before = meet;
    FakeDialogs dialogs;
    EXPECT_FALSE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.questions, Texts { "Really remove bout 3" });
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);
    EXPECT_TRUE(dir.exists("Restore.Csv"));

    dialogs.queueAnswers({ true, true });
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(meet.boutGrid.rowCount(), 3);
    EXPECT_EQ(boutsCells(meet), (Texts { "1,2", "1", "2" }));
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(boutsCells(meet), (Texts { "1", "1", "" }));

    // The lone bout leaves the empty row of a fresh list.
    dialogs.queueAnswers({ true, true });
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.questions.back(), "Really remove bout 1");
    EXPECT_EQ(meet.boutGrid, Meet().boutGrid);
    EXPECT_EQ(boutsCells(meet), (Texts { "", "", "" }));

    EXPECT_FALSE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "There is no bout to remove.");
    EXPECT_EQ(dialogs.questions.size(), 4u) << "nothing to ask about";
    EXPECT_EQ(meet.boutGrid, Meet().boutGrid);
    meet.boutGrid.setRowCount(1);
    EXPECT_FALSE(removeLastBout(meet, dialogs)) << "a list without data rows";
    EXPECT_EQ(meet.boutGrid.rowCount(), 1);
}

TEST(BoutRemovalTest, OnlyTheRemovedBoutsNumberGoes)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    // Bo was renamed after bout 3 was made, and Cy took his old name.
    meet.roster.setCell(2, RosterColumn::Name, "Bo Senior");
    meet.roster.setCell(3, RosterColumn::Name, "Bo");
    FakeDialogs dialogs;
    dialogs.queueAnswers({ true });
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(boutsCells(meet), (Texts { "1,2", "1,3", "2" })) << "the new Bo keeps his own bout";
}
