#include "bouts/TextPadding.h"

#include <gtest/gtest.h>

#include <string>

using namespace korvanda;

namespace {

struct PadCase {
    std::string text;
    int width;
    std::string expected;
};

std::string spaces(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

} // namespace

TEST(TextPaddingTest, RightJustifyPadsInFrontAndKeepsTheEnd)
{
    const PadCase cases[] = {
        {"72", 3, " 72"},       {"105", 3, "105"},   {"10.0", 3, "0.0"},
        {"123.5", 4, "23.5"},   {"", 3, "   "},      {"7", 1, "7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rightJustify(c.text, c.width), c.expected) << c.text << " to " << c.width;
}

TEST(TextPaddingTest, LeftJustifyPadsBehindAndKeepsTheStart)
{
    const PadCase cases[] = {
        {"TIG", 5, "TIG  "},     {"TIGERS", 5, "TIGER"}, {"10.0", 3, "10."},
        {"Bouts", 5, "Bouts"},   {"", 2, "  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leftJustify(c.text, c.width), c.expected) << c.text << " to " << c.width;
}

TEST(TextPaddingTest, CenterTextRoundsHalvesToEvenAndAddsNothingBehind)
{
    const PadCase cases[] = {
        {"Bout 5", 106, spaces(50) + "Bout 5"},      // 50 exactly
        {"Bout 12", 106, spaces(50) + "Bout 12"},    // 49.5 goes up to 50
        {"Bout 123", 106, spaces(49) + "Bout 123"},  // 49 exactly
        {"Mat 1", 106, spaces(50) + "Mat 1"},        // 50.5 goes down to 50
        {"ab", 7, spaces(2) + "ab"},                 // 2.5 goes down
        {"ab", 9, spaces(4) + "ab"},                 // 3.5 goes up
        {"", 3, spaces(2)},                          // 1.5 goes up
        {"abcdefg", 6, "abcdefg"},                   // -0.5: no spaces
        {"abcdefghij", 6, "abcdefghij"},             // too long: unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(centerText(c.text, c.width), c.expected) << c.text << " to " << c.width;
}
