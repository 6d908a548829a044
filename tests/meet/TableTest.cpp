#include "meet/Meet.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace korvanda;

TEST(TableTest, MeetTablesStartAsHeaderAndOneEmptyRow)
{
    const Meet meet;
    EXPECT_EQ(meet.roster.rowCount(), 2);
    EXPECT_EQ(meet.roster.columnCount(), 8);
    EXPECT_EQ(meet.boutGrid.columnCount(), 18);
    EXPECT_EQ(meet.teamList.columnCount(), 4);
    EXPECT_EQ(meet.roster.cell(0, 0), "Name                                       ");
    EXPECT_EQ(meet.roster.cell(0, 4), " Team ");
    EXPECT_EQ(meet.roster.cell(0, 7), "Bouts        ");
    EXPECT_EQ(meet.boutGrid.cell(0, 2), "");
    EXPECT_EQ(meet.boutGrid.cell(0, 17), "Winner");
    EXPECT_EQ(meet.teamList.cell(0, 1), "Abbrev.    ");
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(meet.roster.cell(1, c), "");
}

TEST(TableTest, InsertAppendAndRemoveRows)
{
    Table table(1, 3);
    table.appendRow("a\tb\tc");
    table.insertRow(1, "x");
    table.appendRow("p\tq\tr\textra");
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cell(1, 0), "x");
    EXPECT_EQ(table.cell(1, 1), "");
    EXPECT_EQ(table.cell(2, 2), "c");
    EXPECT_EQ(table.cell(3, 2), "r");
    table.removeRow(1);
    EXPECT_EQ(table.cell(1, 0), "a");
    table.swapRows(1, 2);
    EXPECT_EQ(table.cell(1, 0), "p");
    table.clear();
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(1, 0), "");
    EXPECT_THROW(table.cell(3, 0), std::out_of_range);
    EXPECT_THROW(table.insertRow(5), std::out_of_range);
}

TEST(TableTest, FindRowIsExactAndCaseSensitive)
{
    Meet meet;
    EXPECT_EQ(findRow(meet.roster, ""), 1) << "the initial empty row holds the empty name";
    meet.roster.setCell(1, 0, "Kim Sorel");
    meet.roster.appendRow("Ada Brun");
    EXPECT_EQ(findRow(meet.roster, "Ada Brun"), 2);
    EXPECT_EQ(findRow(meet.roster, "ada brun"), 0);
    EXPECT_EQ(findRow(meet.roster, "Ada Brun "), 0);
    EXPECT_EQ(findRow(meet.roster, "Nobody"), 0);
    meet.roster.setRowCount(1);
    EXPECT_EQ(findRow(meet.roster, ""), 0);
}
