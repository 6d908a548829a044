#include "handmatch/BoutNumbers.h"

#include "meet/Meet.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(BoutNumbersTest, UpdateBoutsList)
{
    struct Case {
        const char* bouts;
        int bout;
        BoutsListChange change;
        const char* expected;
    };
    const auto add = BoutsListChange::Add;
    const auto remove = BoutsListChange::Remove;
    const Case cases[] = {
        { "3,7,12", 9, add, "3,7,9,12" },
        { "3,7", 15, add, "3,7,15" },
        { "", 5, add, "5" },
        { "12", 2, add, "2,12" },
        { "3,7,12", 7, remove, "3,12" },
        { "4", 4, remove, "" },
        { "3,7", 9, remove, "3,7" },
        { "", 9, remove, "" },
        // Ten numbers or more: none is lost and the new one finds its place.
        { "1,2,3,4,5,6,7,8,9,11", 10, add, "1,2,3,4,5,6,7,8,9,10,11" },
        { "1,2,3,4,5,6,7,8,9,10", 11, add, "1,2,3,4,5,6,7,8,9,10,11" },
        { "1,2,3,4,5,6,7,8,9,10,11,12", 5, remove, "1,2,3,4,6,7,8,9,10,11,12" },
        // A stray empty item does not cut off the bouts after it.
        { "3,,7", 5, add, "3,5,7" },
        { "3,7,", 9, add, "3,7,9" },
        { " 3, 7.0 ", 4, add, "3,4,7" },
        { "3,x,7", 5, add, "3,x,5,7" },
        { "3,x,7", 7, remove, "3,x" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(updateBoutsList(c.bouts, c.bout, c.change), c.expected)
            << '"' << c.bouts << (c.change == add ? "\" add " : "\" remove ") << c.bout;
}

TEST(BoutNumbersTest, BoutRowNamesOnlyExistingBouts)
{
    Meet meet;
    EXPECT_EQ(boutRowOf(meet.boutGrid, "1"), 0) << "the empty row of a fresh list is no bout";

    meet.boutGrid.setRowCount(1);
    for (int bout = 1; bout <= 3; ++bout)
        meet.boutGrid.appendRow(std::to_string(bout) + "\t1");
    struct Case {
        const char* text;
        int row;
    };
    const Case cases[] = { { "2", 2 }, { " 3 ", 3 }, { "2.5", 2 }, { "1.5", 2 }, { "0", 0 }, { "-1", 0 }, { "4", 0 },
        { "3.5", 0 }, { "", 0 }, { "x", 0 }, { "1e30", 0 } };
    for (const auto& c : cases)
        EXPECT_EQ(boutRowOf(meet.boutGrid, c.text), c.row) << '"' << c.text << '"';

    meet.boutGrid.appendRow();
    EXPECT_EQ(boutRowOf(meet.boutGrid, "4"), 0) << "a row with an empty Bout cell";
}
