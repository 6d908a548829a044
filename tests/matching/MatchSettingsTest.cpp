#include "matching/MatchSettings.h"

#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace korvanda;

TEST(MatchSettingsTest, LimitBoxes)
{
    const struct {
        const char *first, *second;
        float floor;
        bool ok;
    } cases[] = {
        { "0", "0", 0, true },
        { "3", "2", 0, false },
        { "-1", "5", 0, false },
        { "0", "-1", 0, false },
        { "0", "3", 1, false },
        { "2", "2", 1, true },
        { "2.5", "3", 1, true },
        { "", "3", 0, false },
        { "abc", "3", 0, false },
        { "1", "", 0, false },
        { " 1 ", "1.0", 0, true },
        { "0.5", "0.49", 0, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkLimitPair(c.first, c.second, c.floor), c.ok) << c.first << " / " << c.second;

    // Leaving a box checks its own pair and names the box.
    MatchSettings settings;
    settings.limits = { "0", "1", "", "10", "3", "2", "0", "3" };
    FakeDialogs dialogs;
    for (int b = 0; b < limitBoxCount; ++b)
        leaveLimitBox(settings, static_cast<LimitBox>(b), dialogs);
    EXPECT_EQ(dialogs.shown,
        (std::vector<std::string> { "Bad value for ideal weight difference.",
            "Bad value for maximum weight difference.", "Bad value for ideal skill difference.",
            "Bad value for maximum skill difference.", "Bad value for minimum bouts.",
            "Bad value for maximum bouts." }));
    EXPECT_TRUE(dialogs.warnings.empty()) << "the box messages carry no icon";

    // The values a matching runs with.
    settings.limits = { "0.5", "1", "7", "10", "1.5", "2", "2.5", "3.5" };
    const MatchValues v = readMatchValues(settings, dialogs).value();
    EXPECT_EQ(std::tie(v.idealAge, v.maxAge, v.idealSkill, v.maxSkill), std::make_tuple(0.5f, 1.0f, 1.5f, 2.0f));
    EXPECT_EQ(std::tie(v.minBouts, v.maxBouts), std::make_tuple(2, 4)) << "halves go to the even neighbour";
    // 7 and 10 percent as differences of log weights: ln 1.07 and ln 1.10.
    EXPECT_FLOAT_EQ(v.idealWeight, 0.06765865f);
    EXPECT_FLOAT_EQ(v.maxWeight, 0.09531018f);
    for (const auto& [text, mats] :
        { std::pair { "7", 6 }, { "0", 1 }, { "2.5", 2 }, { "3.5", 4 }, { "two", 1 }, { "1e9", 6 } })
        EXPECT_EQ(matsFromText(text), mats) << "held to the spin range: " << text;
}
