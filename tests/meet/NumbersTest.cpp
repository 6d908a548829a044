#include "meet/Numbers.h"

#include <gtest/gtest.h>

#include <optional>

using namespace korvanda;

TEST(NumbersTest, WhatCountsAsANumber)
{
    for (const char* text : { "9", " 9 ", "-3.5", "+2", ".5", "5.", "1e3", "0", "  72.25" })
        EXPECT_TRUE(isNumber(text)) << text;
    for (const char* text : { "", " ", "abc", "1.2.3", "3,7", "1e", "--1", "- 1", "9kg", ".", "1e50", "\t9" })
        EXPECT_FALSE(isNumber(text)) << text;
    EXPECT_EQ(readSingle(" 9 "), 9.0f);
    EXPECT_EQ(trimmed("  Tigers "), "Tigers");
    EXPECT_EQ(trimmed("\tA"), "\tA") << "only spaces are trimmed";
}

// Weights round halves to even; ages and skills round tenths half away from zero.
TEST(NumbersTest, RoundingRules)
{
    struct Case {
        const char* text;
        std::optional<std::string> weight;
        std::optional<std::string> ageOrSkill;
    };
    const Case cases[] = {
        { "84.5", "84", "84.5" },
        { "85.5", "86", "85.5" },
        { "72.5", "72", "72.5" },
        { "61.6", "62", "61.6" },
        { "-2.5", "-2", "-2.5" },
        { "0.4", "0", "0.4" },
        { "10", "10", "10.0" },
        { "10.25", "10", "10.3" },
        { "1.15", "1", "1.2" },
        { ".5", "0", "0.5" },
        { "9.95", "10", "10.0" },
        { "99.99", "100", "100.0" },
        { "-0.04", "0", "0.0" },
        { "-1.25", "-1", "-1.3" },
        { "heavy", std::nullopt, std::nullopt },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(weightText(c.text), c.weight) << c.text;
        EXPECT_EQ(ageOrSkillText(c.text), c.ageOrSkill) << c.text;
    }
    EXPECT_EQ(tenthsText(66.666f), "66.7");
}
