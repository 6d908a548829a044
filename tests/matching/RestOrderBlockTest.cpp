#include "matching/RestOrderBlock.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

using namespace korvanda;

namespace {

// A block as a meet gives one: distinct pairs, each wrestler in a few bouts.
// Rows outside first..last are filled too, to show they stay untouched.
BoutOrder randomOrder(std::mt19937& dice, int rows, int wrestlers)
{
    while (wrestlers * (wrestlers - 1) / 2 < rows)
        ++wrestlers;
    BoutOrder order(rows, 3);
    std::set<std::pair<int, int>> made;
    for (int k = 1; k <= rows; ++k) {
        int a = 0;
        int b = 0;
        do {
            a = 1 + static_cast<int>(dice() % static_cast<unsigned>(wrestlers));
            b = 1 + static_cast<int>(dice() % static_cast<unsigned>(wrestlers));
        } while (a == b || made.count({a, b}) || made.count({b, a}));
        made.insert({a, b});
        order(k, 1) = a;
        order(k, 2) = b;
        order(k, 3) = static_cast<int>(dice() % 50);
    }
    return order;
}

void expectSameRows(const BoutOrder& expected, const BoutOrder& actual, int seed)
{
    for (int k = 1; k <= expected.rows(); ++k)
        for (int c = 1; c <= 3; ++c)
            ASSERT_EQ(expected(k, c), actual(k, c)) << "seed " << seed << " row " << k << " column " << c;
}

} // namespace

TEST(RestOrderBlockTest, GapsAsTheBlockScanGivesThem)
{
    std::mt19937 dice(7);
    for (int seed = 0; seed < 50; ++seed) {
        const int rows = 2 + static_cast<int>(dice() % 40);
        const BoutOrder order = randomOrder(dice, rows, 3 + static_cast<int>(dice() % 30));
        const int first = 1 + static_cast<int>(dice() % 2);
        const RestOrderBlock block(order, first, rows);
        for (int k = first; k <= rows; ++k)
            ASSERT_EQ(block.restGap(k), restGap(order, k, first, rows)) << seed << " " << k;
    }
}

TEST(RestOrderBlockTest, EveryExchangeAsThePlainOne)
{
    // Column 3 holds arbitrary numbers here: the exchange must treat them
    // exactly as the plain one does, not only when they are true gaps.
    std::mt19937 dice(11);
    for (int seed = 0; seed < 200; ++seed) {
        const int rows = 2 + static_cast<int>(dice() % 25);
        BoutOrder plain = randomOrder(dice, rows, 3 + static_cast<int>(dice() % 12));
        if (seed % 2 == 0)
            for (int k = 1; k <= rows; ++k)
                plain(k, 3) = restGap(plain, k, 1, rows);
        RestOrderBlock block(plain, 1, rows);
        for (int t = 0; t < 40; ++t) {
            const int i = 1 + static_cast<int>(dice() % static_cast<unsigned>(rows));
            const int j = 1 + static_cast<int>(dice() % static_cast<unsigned>(rows));
            if (i == j)
                continue;
            ASSERT_EQ(block.trySwap(i, j), trySwapBouts(plain, i, j, 1, rows)) << seed;
            BoutOrder fast(rows, 3);
            block.writeTo(fast);
            expectSameRows(plain, fast, seed);
        }
    }
}

TEST(RestOrderBlockTest, ImprovedOrderAsThePlainOne)
{
    std::mt19937 dice(2024);
    for (int seed = 0; seed < 300; ++seed) {
        const int rows = 1 + static_cast<int>(dice() % 70);
        const int wrestlers = 3 + static_cast<int>(dice() % (rows + 10));
        BoutOrder plain = randomOrder(dice, rows, wrestlers);
        int first = 1;
        int last = rows;
        if (dice() % 3 == 0)
            first += static_cast<int>(dice() % static_cast<unsigned>(rows));
        if (dice() % 3 == 0)
            last -= static_cast<int>(dice() % static_cast<unsigned>(rows - first + 1));
        const int mats = 1 + static_cast<int>(dice() % 6);
        BoutOrder fast = plain;

        for (int k = first; k <= last; ++k)
            plain(k, 3) = restGap(plain, k, first, last);
        improveBoutOrder(plain, first, last, 3 * mats, 3 * mats);
        improveBoutOrder(plain, first, last, last - first + 1, 3 * mats);

        RestOrderBlock block(fast, first, last);
        block.measureGaps();
        block.improve(3 * mats, 3 * mats);
        block.improve(last - first + 1, 3 * mats);
        block.writeTo(fast);
        expectSameRows(plain, fast, seed);
    }
}

TEST(RestOrderBlockTest, TheFourBoutExample)
{
    BoutOrder order(4, 3);
    const int bouts[4][2] = {{1, 2}, {1, 3}, {4, 5}, {6, 7}};
    for (int k = 1; k <= 4; ++k) {
        order(k, 1) = bouts[k - 1][0];
        order(k, 2) = bouts[k - 1][1];
    }
    RestOrderBlock block(order, 1, 4);
    block.measureGaps();
    EXPECT_EQ((std::vector<int>{block.gap(1), block.gap(2), block.gap(3), block.gap(4)}),
              (std::vector<int>{1, 1, 4, 4}));
    block.improve(3, 3);
    block.writeTo(order);
    const int expected[4][3] = {{1, 3, 3}, {6, 7, 4}, {4, 5, 4}, {1, 2, 3}};
    for (int k = 1; k <= 4; ++k)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(order(k, c), expected[k - 1][c - 1]) << k << " " << c;
}
