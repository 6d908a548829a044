#include "bouts/MatLayout.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(MatLayoutTest, PlacementByMatCount)
{
    struct Case {
        int mat;
        int visible;
        MatPlacement expected;
    };
    const Case cases[] = {
        { 1, 1, { 120, 360, 7455, 10095, 3480, 0 } },
        { 2, 2, { 7680, 360, 7455, 10095, 10560, 0 } },
        { 3, 3, { 120, 5640, 7455, 4815, 3480, 5280 } },
        { 4, 4, { 7680, 5640, 7455, 4815, 11040, 5280 } },
        { 2, 5, { 7680, 360, 7455, 3055, 10560, 0 } },
        { 3, 5, { 120, 3880, 7455, 3055, 3480, 3520 } },
        { 5, 5, { 120, 7400, 7455, 3055, 3480, 7040 } },
        { 6, 6, { 7680, 7400, 7455, 3055, 11040, 7040 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(matPlacement(c.mat, c.visible), c.expected) << c.mat << " of " << c.visible;
    EXPECT_FALSE(matPlacement(3, 2)) << "hidden";
    EXPECT_FALSE(matPlacement(1, 7));
    EXPECT_EQ(twipsToPixels(7455, 96), 497);
}
