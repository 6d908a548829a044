#include "matching/BoutOrder.h"
#include "matching/RestOrderBlock.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace korvanda;

namespace {

// Rows from "AB AC ...", a bout a word, wrestlers by letter; column 3
// holds each row's gap.
BoutOrder blockOf(const std::string& bouts)
{
    const int n = static_cast<int>(bouts.size() + 1) / 3;
    BoutOrder order(n, 3);
    for (int k = 1; k <= n; ++k)
        std::tie(order(k, 1), order(k, 2)) = std::pair(bouts[3 * k - 3] - '@', bouts[3 * k - 2] - '@');
    for (int k = 1; k <= n; ++k)
        order(k, 3) = restGap(order, k, 1, n);
    return order;
}

// The rows as "AB:1 AC:1 ...": the bout, then column 3.
std::string text(const BoutOrder& order)
{
    std::string text;
    for (int k = 1; k <= order.rows(); ++k)
        text += std::string(k > 1 ? " " : "") + char('@' + order(k, 1)) + char('@' + order(k, 2)) + ":"
            + std::to_string(order(k, 3));
    return text;
}

// Rows of random pairs of the wrestlers 1 to `wrestlers`, each pair once as
// in a meet unless `repeats`; column 3 below 50, as the shuffle leaves it.
BoutOrder randomBouts(std::mt19937& dice, int rows, int wrestlers, bool repeats = false)
{
    auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
    BoutOrder order(rows, 3);
    std::set<std::pair<int, int>> made;
    for (int k = 1; k <= rows; ++k) {
        do {
            order(k, 1) = 1 + below(wrestlers);
            order(k, 2) = 1 + below(wrestlers);
        } while (
            order(k, 1) == order(k, 2) || (!made.insert(std::minmax(order(k, 1), order(k, 2))).second && !repeats));
        order(k, 3) = below(50);
    }
    return order;
}

} // namespace

TEST(BoutOrderTest, RestGaps)
{
    const BoutOrder order = blockOf("AB AC DE FG EB");
    EXPECT_EQ(text(order), "AB:1 AC:1 DE:2 FG:5 EB:2") << "wrestler 2 of one bout meets wrestler 1 of another";
    EXPECT_EQ(restGap(order, 4, 3, 4), 2) << "no partner: the block's size";
    EXPECT_EQ(restGap(order, 3, 3, 4), 2) << "a partner outside the block does not count";
    BoutOrder one = blockOf("AB");
    improveBoutOrder(one, 1, 1, 3, 3);
    EXPECT_EQ(text(one), "AB:1") << "a block of one bout: nothing to improve";
}

TEST(BoutOrderTest, Exchanges)
{
    const BoutOrder start = blockOf("AB AC DE FG");
    ASSERT_EQ(text(start), "AB:1 AC:1 DE:4 FG:4");
    for (int j : { 2, 3 }) {
        BoutOrder order = start;
        EXPECT_EQ(trySwapBouts(order, 1, j, 1, 4), 0) << j;
        EXPECT_EQ(text(order), text(start)) << "a refused exchange is undone";
    }
    BoutOrder order = start;
    EXPECT_EQ(trySwapBouts(order, 1, 4, 1, 4), 1);
    EXPECT_EQ(text(order), "FG:4 AC:2 DE:4 AB:2");
    EXPECT_EQ(trySwapBouts(order, 2, 1, 1, 4), 1);
    EXPECT_EQ(text(order), "AC:3 FG:4 DE:4 AB:3");
    order = start;
    improveBoutOrder(order, 1, 4, 3, 3);
    EXPECT_EQ(text(order), "AC:3 FG:4 DE:4 AB:3");

    // Moving AB and AC apart helps those two bouts, but brings BD right
    // behind AB: the block as a whole loses, so the exchange is undone,
    // yet its gain still counts.
    const BoutOrder six = blockOf("AB DE BE EC AC BD");
    ASSERT_EQ(text(six), "AB:2 DE:1 BE:1 EC:1 AC:1 BD:3");
    order = six;
    EXPECT_EQ(trySwapBouts(order, 1, 5, 1, 6), 1);
    EXPECT_EQ(text(order), text(six));
}

TEST(BoutOrderTest, FastBlockGivesThePlainResults)
{
    std::mt19937 dice(2024);
    auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
    for (int seed = 0; seed < 300; ++seed) {
        const int rows = 1 + below(70);
        int wrestlers = 3 + below(rows + 10);
        while (wrestlers * (wrestlers - 1) / 2 < rows)
            ++wrestlers;
        BoutOrder plain = randomBouts(dice, rows, wrestlers, seed % 5 == 0);
        // Sometimes a block in the middle: the rows around it stay as they are.
        const int first = 1 + (seed % 3 == 0 ? below(rows) : 0);
        const int last = rows - (seed % 4 == 0 ? below(rows - first + 1) : 0);
        const int size = last - first + 1;
        const int mats = 1 + below(6);
        BoutOrder fast = plain;
        RestOrderBlock block(fast, first, last);
        block.measureGaps();
        for (int k = first; k <= last; ++k)
            plain(k, 3) = restGap(plain, k, first, last);
        // A few exchanges on their own, then the two improvements of a matching.
        for (int t = 0; t < 10; ++t) {
            const int i = first + below(size), j = first + below(size);
            if (i == j)
                continue;
            ASSERT_EQ(block.trySwap(i, j), trySwapBouts(plain, i, j, first, last)) << seed;
        }
        improveBoutOrder(plain, first, last, 3 * mats, 3 * mats);
        improveBoutOrder(plain, first, last, size, 3 * mats);
        block.improve(3 * mats, 3 * mats);
        block.improve(size, 3 * mats);
        block.writeTo(fast);
        ASSERT_EQ(text(fast), text(plain)) << seed;
    }
}

TEST(BoutOrderTest, ExchangesInABlockTooLongForSixteenBitPlaces)
{
    // Many bouts share no wrestler with another and have the block's size as
    // gap. Exchanges at both ends of the block reach the farthest.
    std::mt19937 dice(32000);
    const int rows = 32000;
    BoutOrder plain = randomBouts(dice, rows, 40000);
    BoutOrder fast = plain;
    RestOrderBlock block(fast, 1, rows);
    block.measureGaps();
    block.writeTo(plain);
    for (int t = 0; t < 400; ++t) {
        const auto end = static_cast<int>(dice() % 64);
        const int i = t % 3 == 0 ? 1 + end : 1 + static_cast<int>(dice() % rows);
        const int j = t % 3 == 1 ? rows - end : 1 + static_cast<int>(dice() % rows);
        if (i == j)
            continue;
        ASSERT_EQ(block.trySwap(i, j), trySwapBouts(plain, i, j, 1, rows)) << t;
    }
    block.writeTo(fast);
    for (int k = 1; k <= rows; ++k)
        ASSERT_TRUE(fast(k, 1) == plain(k, 1) && fast(k, 2) == plain(k, 2) && fast(k, 3) == plain(k, 3)) << k;
}
