#include "meetcheck/RestCheck.h"

#include "CheckMeets.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

// Two mats; mat 1 runs bouts 1, 3, 5, 7, 9 and mat 2 bouts 2, 4, 6, 8, 10,
// so bout 2k - 1 and bout 2k share slot k. Ann has three bouts, Hal is on
// both mats in slot 5.
Meet twoMatMeet()
{
    return meetWith({},
        { boutRow(1, 1, "Ann", "TIG", "Bo", "LIO"), boutRow(2, 2, "Cy", "LIO", "Dee", "TIG"),
            boutRow(3, 1, "Eve", "TIG", "Fay", "LIO"), boutRow(4, 2, "Ann", "TIG", "Cy", "LIO"),
            boutRow(5, 1, "Dee", "TIG", "Gus", "LIO"), boutRow(6, 2, "Bo", "LIO", "Eve", "TIG"),
            boutRow(7, 1, "Ann", "TIG", "Fay", "LIO"), boutRow(8, 2, "Gus", "LIO", "Hal", "TIG"),
            boutRow(9, 1, "Hal", "TIG", "Bo", "LIO"), boutRow(10, 2, "Dee", "TIG", "Hal", "TIG") });
}

} // namespace

TEST(RestCheckTest, EveryWrestlersClosestPairIsCountedInSlotsAcrossTheMatsWorstFirst)
{
    const std::vector<RestGap> expected = {
        { "Hal", "TIG", -1, 9, 1, 10, 2 },
        { "Ann", "TIG", 0, 1, 1, 4, 2 },
        { "Cy", "LIO", 0, 2, 2, 4, 2 },
        { "Eve", "TIG", 0, 3, 1, 6, 2 },
        { "Gus", "LIO", 0, 5, 1, 8, 2 },
        { "Bo", "LIO", 1, 1, 1, 6, 2 },
        { "Dee", "TIG", 1, 2, 2, 5, 1 },
        { "Fay", "LIO", 1, 3, 1, 7, 1 },
    };
    EXPECT_EQ(restGaps(twoMatMeet().boutGrid), expected);
}

TEST(RestCheckTest, MarkedBoutsAreThoseOfEveryPairUnderTheMinimum)
{
    const Meet meet = twoMatMeet();
    const struct {
        int minimumRest;
        std::set<int> marked;
    } cases[] = {
        { 0, { 9, 10 } },
        // Ann's 4 and 7 have one bout between, as have Fay's 3 and 7.
        { 1, { 1, 2, 3, 4, 5, 6, 8, 9, 10 } },
        { 2, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortRestBouts(meet.boutGrid, c.minimumRest), c.marked) << "minimum " << c.minimumRest;
}

TEST(RestCheckTest, BoutsOnOneMatOrWithoutAMatNumber)
{
    // Before scheduling every bout stands on mat 1, so slots follow the bout
    // numbers; a bout whose Mat cell names no mat is on none.
    const Meet meet = meetWith({},
        { boutRow(1, 1, "Ann", "TIG", "Bo", "LIO"), boutRow(2, 1, "Cy", "LIO", "Dee", "TIG"),
            boutRow(3, 1, "Ann", "TIG", "Dee", "TIG"), boutRow(4, 7, "Ann", "TIG", "Cy", "LIO") });
    const std::vector<RestGap> expected = { { "Dee", "TIG", 0, 2, 1, 3, 1 }, { "Ann", "TIG", 1, 1, 1, 3, 1 } };
    EXPECT_EQ(restGaps(meet.boutGrid), expected);
    EXPECT_TRUE(restGaps(Meet().boutGrid).empty()) << "a fresh bout list";
}
