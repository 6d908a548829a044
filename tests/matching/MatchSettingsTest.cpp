#include "matching/MatchSettings.h"

#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvanda;

TEST(MatchSettingsTest, CheckLimitPair)
{
    struct Case {
        const char* first;
        const char* second;
        float floor;
        bool ok;
    };
    const Case cases[] = {
        {"0", "0", 0, true},   {"3", "2", 0, false},   {"-1", "5", 0, false}, {"0", "-1", 0, false},
        {"0", "3", 1, false},  {"2", "2", 1, true},    {"2.5", "3", 1, true}, {"", "3", 0, false},
        {"abc", "3", 0, false}, {"1", "", 0, false},   {" 1 ", "1.0", 0, true}, {"0.5", "0.49", 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkLimitPair(c.first, c.second, c.floor), c.ok) << c.first << " / " << c.second;
}

TEST(MatchSettingsTest, LeavingABoxReportsItsOwnMessageForABadPair)
{
    MatchSettings settings;
    settings.limit(LimitBox::IdealDiffSkill) = "3";
    settings.limit(LimitBox::MaxDiffSkill) = "2";
    settings.limit(LimitBox::MinBouts) = "0";
    settings.limit(LimitBox::IdealDiffWeight) = "";
    const MatchSettings before = settings;

    FakeDialogs dialogs;
    for (int b = 0; b < limitBoxCount; ++b)
        leaveLimitBox(settings, static_cast<LimitBox>(b), dialogs);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{
                                 "Bad value for ideal weight difference.", "Bad value for maximum weight difference.",
                                 "Bad value for ideal skill difference.", "Bad value for maximum skill difference.",
                                 "Bad value for minimum bouts.", "Bad value for maximum bouts."}));
    EXPECT_TRUE(dialogs.warnings.empty()) << "the box messages carry no icon";
    EXPECT_EQ(settings.limits, before.limits) << "a bad value is only reported, never corrected";
}

TEST(MatchSettingsTest, ValuesOfTheBoxes)
{
    FakeDialogs dialogs;
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2.5";
    settings.limit(LimitBox::MaxBouts) = "3.5";
    const auto values = readMatchValues(settings, dialogs);
    ASSERT_TRUE(values);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(values->minBouts, 2) << "halves go to the even neighbour";
    EXPECT_EQ(values->maxBouts, 4);
    EXPECT_EQ(values->maxAge, 1.0f);
    EXPECT_EQ(values->idealWeight, static_cast<float>(std::log(1.07)));
    EXPECT_EQ(values->maxWeight, static_cast<float>(std::log(1.10)));
}

TEST(MatchSettingsTest, RefusedValuesNameTheFirstBadBox)
{
    struct Case {
        LimitBox box;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {LimitBox::IdealDiffAge, "x", "Bad value for ideal age difference."},
        {LimitBox::MaxDiffWeight, "", "Bad value for maximum weight difference."},
        {LimitBox::MaxDiffSkill, "2 levels", "Bad value for maximum skill difference."},
        {LimitBox::MinBouts, "0.5", "Bad value for minimum bouts."},
        {LimitBox::MinBouts, "4", "Bad value for maximum bouts."},
        {LimitBox::MaxBouts, "40000", "Bad value for maximum bouts."},
    };
    for (const Case& c : cases) {
        MatchSettings settings;
        // A later bad box is not reported while an earlier one is.
        settings.limit(LimitBox::MaxBouts) = c.box == LimitBox::MinBouts ? "3" : "3 bouts";
        settings.limit(c.box) = c.text;
        FakeDialogs dialogs;
        EXPECT_FALSE(readMatchValues(settings, dialogs)) << c.text;
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{c.message}) << c.text;
    }
}

TEST(MatchSettingsTest, MatsAreHeldToTheSpinRange)
{
    const std::pair<const char*, int> cases[] = {{"1", 1}, {"6", 6}, {"7", 6},   {"0", 1},   {"2.5", 2},
                                                 {"3.5", 4}, {"", 1}, {"two", 1}, {"1e9", 6}, {"-3", 1}};
    for (const auto& [text, mats] : cases)
        EXPECT_EQ(matsFromText(text), mats) << text;
}
