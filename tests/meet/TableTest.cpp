#include "meet/Meet.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace korvanda;

TEST(TableTest, InsertAppendRemoveSwapAndClear)
{
    Table table(1, 3);
    table.appendRow("a\tb\tc");
    table.insertRow(1, "x");
    table.appendRow("p\tq\tr\textra");
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cell(1, 0) + "|" + table.cell(1, 1), "x|");
    EXPECT_EQ(table.cell(2, 2), "c");
    EXPECT_EQ(table.cell(3, 2), "r") << "cells beyond the last column are dropped";
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
    EXPECT_EQ(findRow(meet.roster, ""), 1) << "a new roster's one empty row holds the empty name";
    meet.roster.setCell(1, 0, "Kim Sorel");
    meet.roster.appendRow("Ada Brun");
    EXPECT_EQ(findRow(meet.roster, "Ada Brun"), 2);
    for (const char* miss : { "ada brun", "Ada Brun ", "Nobody" })
        EXPECT_EQ(findRow(meet.roster, miss), 0) << miss;
    meet.roster.setRowCount(1);
    EXPECT_EQ(findRow(meet.roster, ""), 0) << "the header row is never found";
}
