#include "handmatch/BoutRemoval.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

// Ann meets Bo in bout 1, Cy in bout 2 and Bo again in bout 3.
Meet threeBouts(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.roster.setRowCount(1);
    meet.roster.appendRow("Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t1,2,3");
    meet.roster.appendRow("Bo\t9.0\t61\t1.0\tLIO\t60\tYes\t1,3");
    meet.roster.appendRow("Cy\t9.0\t62\t1.0\tLIO\t60\tYes\t2");
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow("1\t1\t\tAnn\t9.0\t60\t1.0\tTIG\t\t\t\tBo\t9.0\t61\t1.0\tLIO");
    meet.boutGrid.appendRow("2\t1\t\tCy\t9.0\t62\t1.0\tLIO\t\t\t\tAnn\t9.0\t60\t1.0\tTIG");
    meet.boutGrid.appendRow("3\t2\t\tBo\t9.0\t61\t1.0\tLIO\t4\tDecision\t\tAnn\t9.0\t60\t1.0\tTIG\t1");
    return meet;
}

std::string boutsOf(const Meet& meet, int row)
{
    return meet.roster.cell(row, RosterColumn::Bouts);
}

} // namespace

TEST(BoutRemovalTest, YesRemovesTheLastBoutAndItsNumbers)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    FakeDialogs dialogs;
    dialogs.queueAnswers({true});
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Really remove bout 3"});
    EXPECT_EQ(meet.boutGrid.rowCount(), 3);
    EXPECT_EQ(boutsOf(meet, 1), "1,2");
    EXPECT_EQ(boutsOf(meet, 2), "1");
    EXPECT_EQ(boutsOf(meet, 3), "2");
    EXPECT_TRUE(dir.exists("Restore.Csv"));

    dialogs.queueAnswers({true});
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(boutsOf(meet, 1), "1");
    EXPECT_EQ(boutsOf(meet, 3), "") << "a single number leaves the cell empty";
}

TEST(BoutRemovalTest, NoChangesNothingButStillSaves)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    const Meet before = meet;
    FakeDialogs dialogs;
    EXPECT_FALSE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);
    EXPECT_TRUE(dir.exists("Restore.Csv"));
}

TEST(BoutRemovalTest, TheListKeepsOneRow)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    FakeDialogs dialogs;
    dialogs.queueAnswers({true, true, true});
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.questions.back(), "Really remove bout 1");
    EXPECT_EQ(meet.boutGrid, Meet().boutGrid) << "a lone bout leaves the empty row of a fresh list";
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(boutsOf(meet, row), "") << row;

    dialogs.queueAnswers({true});
    EXPECT_FALSE(removeLastBout(meet, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "There is no bout to remove.");
    EXPECT_EQ(dialogs.questions.size(), 3u) << "nothing to ask about";
    EXPECT_EQ(dialogs.answers.size(), 1u);
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
    dialogs.queueAnswers({true});
    EXPECT_TRUE(removeLastBout(meet, dialogs));
    EXPECT_EQ(boutsOf(meet, 3), "2") << "the new Bo keeps his own bout";
    EXPECT_EQ(boutsOf(meet, 2), "1,3") << "not found by name, so untouched";
    EXPECT_EQ(boutsOf(meet, 1), "1,2");
}
