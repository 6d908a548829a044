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
        {"0", "0", 0, true},      // ideal at the floor, maximum equal to it
        {"3", "2", 0, false},     // maximum below ideal
        {"-1", "5", 0, false},    // below the floor
        {"0", "-1", 0, false},    // maximum below ideal
        {"0", "3", 1, false},     // no bouts at all
        {"2", "2", 1, true},
        {"2.5", "3", 1, true},    // the matching rounds it later
        {"", "3", 0, false},
        {"abc", "3", 0, false},
        {"1", "", 0, false},
        {"1", "two", 0, false},
        {" 1 ", "1.0", 0, true},
        {"0.5", "0.49", 0, false},
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
                                 "Bad value for ideal weight difference.",
                                 "Bad value for maximum weight difference.",
                                 "Bad value for ideal skill difference.",
                                 "Bad value for maximum skill difference.",
                                 "Bad value for minimum bouts.",
                                 "Bad value for maximum bouts.",
                             }));
    EXPECT_TRUE(dialogs.warnings.empty()) << "the box messages carry no icon";
    EXPECT_EQ(settings.limits, before.limits) << "a bad value is only reported, never corrected";
    EXPECT_TRUE(leaveLimitBox(MatchSettings{}, LimitBox::MaxDiffAge, dialogs));
}

TEST(MatchSettingsTest, ValuesOfTheBoxes)
{
    FakeDialogs dialogs;
    MatchSettings settings;
    settings.ageOn = false;
    settings.sameTeamAllowed = false;
    settings.limit(LimitBox::MinBouts) = "2.5";
    settings.limit(LimitBox::MaxBouts) = "3.5";
    settings.mats = "4";
    const auto values = readMatchValues(settings, dialogs);
    ASSERT_TRUE(values);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(values->ageOn);
    EXPECT_TRUE(values->weightOn);
    EXPECT_FALSE(values->sameTeamAllowed);
    EXPECT_EQ(values->minBouts, 2) << "halves go to the even neighbour";
    EXPECT_EQ(values->maxBouts, 4);
    EXPECT_EQ(values->maxAge, 1.0f);
    EXPECT_EQ(values->maxSkill, 2.0f);
    EXPECT_EQ(values->idealWeight, static_cast<float>(std::log(1.07)));
    EXPECT_EQ(values->maxWeight, static_cast<float>(std::log(1.10)));
    EXPECT_EQ(values->mats, 4);
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
        {LimitBox::MinBouts, "0", "Bad value for minimum bouts."},
        {LimitBox::MinBouts, "0.5", "Bad value for minimum bouts."},
        {LimitBox::MinBouts, "4", "Bad value for maximum bouts."},
        {LimitBox::MaxBouts, "40000", "Bad value for maximum bouts."},
        {LimitBox::MaxBouts, "many", "Bad value for maximum bouts."},
    };
    for (const Case& c : cases) {
        MatchSettings settings;
        settings.limit(c.box) = c.text;
        settings.limit(LimitBox::MaxBouts) = c.box == LimitBox::MaxBouts ? c.text : "3";
        FakeDialogs dialogs;
        EXPECT_FALSE(readMatchValues(settings, dialogs)) << c.text;
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{c.message}) << c.text;
    }

    MatchSettings twoBad;
    twoBad.limit(LimitBox::MaxBouts) = "";
    twoBad.limit(LimitBox::IdealDiffSkill) = "";
    FakeDialogs dialogs;
    EXPECT_FALSE(readMatchValues(twoBad, dialogs));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Bad value for ideal skill difference."});
}

TEST(MatchSettingsTest, OnlyTheNumbersMatterNotTheirOrder)
{
    MatchSettings settings;
    settings.limit(LimitBox::IdealDiffSkill) = "3";
    settings.limit(LimitBox::MaxDiffSkill) = "2";
    settings.limit(LimitBox::IdealDiffWeight) = "-5";
    FakeDialogs dialogs;
    const auto values = readMatchValues(settings, dialogs);
    ASSERT_TRUE(values) << "a pair that is only out of order was reported when its box was left";
    EXPECT_EQ(values->idealSkill, 3.0f);
    EXPECT_EQ(values->maxSkill, 2.0f);
    EXPECT_LT(values->idealWeight, 0.0f);
}

TEST(MatchSettingsTest, MatsAreHeldToTheSpinRange)
{
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"6", 6}, {"7", 6}, {"0", 1}, {"-3", 1}, {"2.5", 2}, {"3.5", 4}, {"", 1}, {"two", 1}, {"1e9", 6},
    };
    for (const auto& [text, mats] : cases)
        EXPECT_EQ(matsFromText(text), mats) << text;
}
