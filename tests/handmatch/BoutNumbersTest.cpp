#include "handmatch/BoutNumbers.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(BoutNumbersTest, UpdateBoutsList)
{
    const auto add = BoutsListChange::Add;
    const auto remove = BoutsListChange::Remove;
    const std::tuple<const char*, int, BoutsListChange, const char*> cases[] = {
        { "3,7,12", 9, add, "3,7,9,12" },
        { "", 5, add, "5" },
        { "4", 4, remove, "" },
        // Ten numbers or more: none is lost and the new one finds its place.
        { "1,2,3,4,5,6,7,8,9,11", 10, add, "1,2,3,4,5,6,7,8,9,10,11" },
        { "1,2,3,4,5,6,7,8,9,10,11,12", 5, remove, "1,2,3,4,6,7,8,9,10,11,12" },
        // A stray empty item does not cut off the bouts after it.
        { "3,,7", 5, add, "3,5,7" },
        { " 3, 7.0 ", 4, add, "3,4,7" },
        { "3,x,7", 5, add, "3,x,5,7" },
    };
    for (const auto& [bouts, bout, change, expected] : cases)
        EXPECT_EQ(updateBoutsList(bouts, bout, change), expected)
            << '"' << bouts << (change == add ? "\" add " : "\" remove ") << bout;
}
