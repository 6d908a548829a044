#include "matching/BoutOrder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace korvanda;

namespace {

using Pair = std::pair<int, int>;

// Rows 1 to n from the pairs, column 3 holding each row's gap.
BoutOrder blockOf(const std::vector<Pair>& bouts)
{
    const int n = static_cast<int>(bouts.size());
    BoutOrder order(n, 3);
    for (int k = 1; k <= n; ++k) {
        order(k, 1) = bouts[static_cast<std::size_t>(k - 1)].first;
        order(k, 2) = bouts[static_cast<std::size_t>(k - 1)].second;
    }
    for (int k = 1; k <= n; ++k)
        order(k, 3) = restGap(order, k, 1, n);
    return order;
}

std::vector<Pair> boutsOf(const BoutOrder& order)
{
    std::vector<Pair> bouts;
    for (int k = 1; k <= order.rows(); ++k)
        bouts.emplace_back(order(k, 1), order(k, 2));
    return bouts;
}

std::vector<int> gapsOf(const BoutOrder& order)
{
    std::vector<int> gaps;
    for (int k = 1; k <= order.rows(); ++k)
        gaps.push_back(order(k, 3));
    return gaps;
}

enum : int { A = 1, B, C, D, E, F, G };

} // namespace

TEST(BoutOrderTest, RestGaps)
{
    const BoutOrder order = blockOf({{A, B}, {A, C}, {D, E}, {F, G}, {E, B}});
    EXPECT_EQ(gapsOf(order), (std::vector<int>{1, 1, 2, 5, 2}));
    EXPECT_EQ(restGap(order, 1, 1, 1), 1) << "a block of one bout";
    EXPECT_EQ(restGap(order, 4, 3, 4), 2) << "no partner: the block's size";
    EXPECT_EQ(restGap(order, 3, 3, 4), 2) << "a partner outside the block does not count";
    EXPECT_EQ(restGap(order, 5, 1, 5), 2) << "wrestler 2 of one bout meets wrestler 1 of another";
}

TEST(BoutOrderTest, ExchangesOfTheFourBoutExample)
{
    const BoutOrder start = blockOf({{A, B}, {A, C}, {D, E}, {F, G}});
    ASSERT_EQ(gapsOf(start), (std::vector<int>{1, 1, 4, 4}));

    for (int j : {2, 3}) {
        BoutOrder order = start;
        EXPECT_EQ(trySwapBouts(order, 1, j, 1, 4), 0) << j;
        EXPECT_EQ(boutsOf(order), boutsOf(start)) << "a refused exchange is undone";
        EXPECT_EQ(gapsOf(order), gapsOf(start));
    }

    BoutOrder order = start;
    EXPECT_EQ(trySwapBouts(order, 1, 4, 1, 4), 1);
    EXPECT_EQ(boutsOf(order), (std::vector<Pair>{{F, G}, {A, C}, {D, E}, {A, B}}));
    EXPECT_EQ(gapsOf(order), (std::vector<int>{4, 2, 4, 2}));
    EXPECT_EQ(trySwapBouts(order, 2, 1, 1, 4), 1);
    EXPECT_EQ(boutsOf(order), (std::vector<Pair>{{A, C}, {F, G}, {D, E}, {A, B}}));
    EXPECT_EQ(gapsOf(order), (std::vector<int>{3, 4, 4, 3}));

    order = start;
    improveBoutOrder(order, 1, 4, 3, 3);
    EXPECT_EQ(boutsOf(order), (std::vector<Pair>{{A, C}, {F, G}, {D, E}, {A, B}}));
    EXPECT_EQ(gapsOf(order), (std::vector<int>{3, 4, 4, 3}));
}

TEST(BoutOrderTest, AnExchangeThatHurtsTheOthersIsUndoneButStillCounts)
{
    // Moving 1-2 and 1-3 apart helps those two bouts, but brings 2-4 right
    // behind 1-2, so the block as a whole loses.
    const BoutOrder start = blockOf({{1, 2}, {4, 5}, {2, 5}, {5, 3}, {1, 3}, {2, 4}});
    ASSERT_EQ(gapsOf(start), (std::vector<int>{2, 1, 1, 1, 1, 3}));
    BoutOrder order = start;
    EXPECT_EQ(trySwapBouts(order, 1, 5, 1, 6), 1);
    EXPECT_EQ(boutsOf(order), boutsOf(start));
    EXPECT_EQ(gapsOf(order), gapsOf(start));
}

TEST(BoutOrderTest, BlocksWithNothingToImprove)
{
    BoutOrder one = blockOf({{A, B}});
    EXPECT_EQ(gapsOf(one), std::vector<int>{1});
    improveBoutOrder(one, 1, 1, 3, 3);
    EXPECT_EQ(boutsOf(one), (std::vector<Pair>{{A, B}}));

    const std::vector<Pair> apart = {{A, B}, {C, D}, {E, F}, {G, 8}};
    BoutOrder order = blockOf(apart);
    improveBoutOrder(order, 1, 4, 4, 12);
    EXPECT_EQ(boutsOf(order), apart);
    EXPECT_EQ(gapsOf(order), (std::vector<int>{4, 4, 4, 4}));
}
