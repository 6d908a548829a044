#include "matching/RestOrderBlock.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace korvanda;

namespace {

// Distinct pairs, as in a meet; column 3 holds arbitrary numbers.
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

int below(std::mt19937& dice, int n)
{
    return static_cast<int>(dice() % static_cast<unsigned>(n));
}

void expectSameRows(const BoutOrder& expected, const BoutOrder& actual, int seed)
{
    for (int k = 1; k <= expected.rows(); ++k)
        for (int c = 1; c <= 3; ++c)
            ASSERT_EQ(expected(k, c), actual(k, c)) << "seed " << seed << " row " << k << " column " << c;
}

} // namespace

TEST(RestOrderBlockTest, EveryExchangeAsThePlainOne)
{
    // Column 3 must be treated as the plain exchange treats it, also when
    // it does not hold the true gaps.
    std::mt19937 dice(11);
    for (int seed = 0; seed < 200; ++seed) {
        const int rows = 2 + below(dice, 25);
        BoutOrder plain = randomOrder(dice, rows, 3 + below(dice, 12));
        if (seed % 2 == 0)
            for (int k = 1; k <= rows; ++k)
                plain(k, 3) = restGap(plain, k, 1, rows);
        RestOrderBlock block(plain, 1, rows);
        for (int t = 0; t < 40; ++t) {
            const int i = 1 + below(dice, rows);
            const int j = 1 + below(dice, rows);
            if (i == j)
                continue;
            ASSERT_EQ(block.restGap(i), restGap(plain, i, 1, rows));
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
        const int rows = 1 + below(dice, 70);
        BoutOrder plain = randomOrder(dice, rows, 3 + below(dice, rows + 10));
        // Sometimes a block in the middle: the rows around it stay as they are.
        const int first = 1 + (seed % 3 == 0 ? below(dice, rows) : 0);
        const int last = rows - (seed % 4 == 0 ? below(dice, rows - first + 1) : 0);
        const int mats = 1 + below(dice, 6);
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
