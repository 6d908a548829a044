#include "soak/ActionShrinker.h"

#include <gtest/gtest.h>

#include <algorithm>

using korvanda::soak::shrinkFailingList;

namespace {

// Fails while every action in `needed` is still on the list.
auto failsWith(std::vector<std::size_t> needed)
{
    return [needed](const std::vector<std::size_t>& list) {
        return std::all_of(needed.begin(), needed.end(),
            [&](std::size_t n) { return std::find(list.begin(), list.end(), n) != list.end(); });
    };
}

} // namespace

TEST(ActionShrinkerTest, KeepsExactlyTheActionsTheFailureNeeds)
{
    const struct {
        std::size_t count;
        std::vector<std::size_t> needed;
    } cases[] = {
        { 100, { 37 } },
        { 100, { 0, 99 } },
        { 64, { 0, 31, 32, 63 } },
        { 7, { 2, 3, 4, 5 } },
        { 1000, { 13, 500, 998 } },
    };
    for (const auto& c : cases) {
        const auto kept = shrinkFailingList(c.count, failsWith(c.needed), [] { return true; });
        EXPECT_EQ(kept, c.needed) << c.count << " actions";
    }
}

TEST(ActionShrinkerTest, OutOfTimeGivesTheShortestFailingListSoFar)
{
    int replays = 0;
    const auto kept = shrinkFailingList(
        200,
        [&](const std::vector<std::size_t>& list) {
            ++replays;
            return failsWith({ 10, 150 })(list);
        },
        [&] { return replays < 3; });
    EXPECT_TRUE(failsWith({ 10, 150 })(kept));
    EXPECT_LE(kept.size(), 200u);
    EXPECT_LE(replays, 3);
}
