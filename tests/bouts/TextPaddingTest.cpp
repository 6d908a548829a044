#include "bouts/TextPadding.h"

#include <gtest/gtest.h>

#include <string>

using namespace korvanda;

TEST(TextPaddingTest, FieldsAreFilledOrCut)
{
    EXPECT_EQ(rightJustify("72", 3), " 72");
    EXPECT_EQ(rightJustify("10.0", 3), "0.0");
    EXPECT_EQ(rightJustify("", 2), "  ");
    EXPECT_EQ(leftJustify("TIG", 5), "TIG  ");
    EXPECT_EQ(leftJustify("10.0", 3), "10.");
    EXPECT_EQ(leftJustify("Bouts", 5), "Bouts");
}

TEST(TextPaddingTest, CenterTextRoundsHalvesToEvenAndAddsNothingBehind)
{
    const struct {
        std::string text;
        int width;
        std::size_t spaces;
    } cases[] = {
        {"Bout 5", 106, 50},  {"Bout 12", 106, 50},    // 49.5 goes up to the even 50
        {"Bout 123", 106, 49}, {"Mat 1", 106, 50},     // 50.5 goes down to the even 50
        {"ab", 7, 2},         {"ab", 9, 4},           {"", 3, 2},
        {"abcdefg", 6, 0},    {"abcdefghij", 6, 0},   // no room: the text as it is
    };
    for (const auto& c : cases)
        EXPECT_EQ(centerText(c.text, c.width), std::string(c.spaces, ' ') + c.text) << c.text << " in " << c.width;
}
