#include "folders/RecentMeets.h"

#include <gtest/gtest.h>

using namespace korvanda;
using Paths = std::vector<std::filesystem::path>;

// Meets opened one after another, and the list after each.
TEST(RecentMeetsTest, mostRecentFirstFiveAtMostNoTwice)
{
    const struct {
        const char* opened;
        Paths expected;
    } steps[] = {
        { "/m/A", { "/m/A" } },
        { "/m/B", { "/m/B", "/m/A" } },
        { "/m/A/", { "/m/A", "/m/B" } },
        { "/m/C", { "/m/C", "/m/A", "/m/B" } },
        { "/m/D", { "/m/D", "/m/C", "/m/A", "/m/B" } },
        { "/m/E", { "/m/E", "/m/D", "/m/C", "/m/A", "/m/B" } },
        { "/m/F", { "/m/F", "/m/E", "/m/D", "/m/C", "/m/A" } },
        { "/m/./C", { "/m/C", "/m/F", "/m/E", "/m/D", "/m/A" } },
    };
    Paths recent;
    for (const auto& step : steps) {
        recent = withRecentMeet(recent, step.opened);
        EXPECT_EQ(recent, step.expected) << step.opened;
    }
    EXPECT_EQ(withoutMeet(recent, "/m/F/"), (Paths { "/m/C", "/m/E", "/m/D", "/m/A" }));
    EXPECT_EQ(withoutMeet(recent, "/m/G"), recent);
}
