#include "teams/TeamListEdits.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(TeamListEditsTest, AddReplaceDeleteMarkRostersChanged)
{
    Meet meet;
    addTeam(meet, {" Tigers ", "TIG", "Ann \"Coach\" Loe", "Tigers"});
    EXPECT_TRUE(meet.rostersChanged);
    ASSERT_EQ(meet.teamList.rowCount(), 3);
    EXPECT_EQ(meet.teamList.cell(2, 0), " Tigers ") << "typed text is kept, spaces included";
    EXPECT_EQ(meet.teamList.cell(2, 2), "Ann Coach Loe") << "quotes cannot be stored in the team file";

    meet.rostersChanged = false;
    replaceTeam(meet, 1, {"Lions", "LIO", "Bo", "Lions"});
    EXPECT_TRUE(meet.rostersChanged);
    EXPECT_EQ(teamFieldsOfRow(meet.teamList, 1), (TeamFields{"Lions", "LIO", "Bo", "Lions"}));

    deleteTeam(meet, 1);
    ASSERT_EQ(meet.teamList.rowCount(), 2);
    EXPECT_EQ(meet.teamList.cell(1, 1), "TIG");
    deleteTeam(meet, 1);
    ASSERT_EQ(meet.teamList.rowCount(), 2) << "the list keeps its one row";
    EXPECT_EQ(teamFieldsOfRow(meet.teamList, 1), TeamFields{});
}

TEST(TeamListEditsTest, MatCountSteps)
{
    struct Case {
        const char* text;
        bool up;
        const char* expected;
    };
    const Case cases[] = {
        {"x", false, "1"}, {"x", true, "6"}, {"6", true, "6"}, {"1", false, "1"},
        {"2.5", false, "1"}, {"3", true, "4"}, {"3", false, "2"}, {"-9", true, "1"}, {"40", false, "6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(steppedMatCount(c.text, c.up), c.expected) << c.text << (c.up ? " up" : " down");
}

TEST(TeamListEditsTest, QuotesTabsAndLineEndsNeverReachTheList)
{
    Meet meet;
    replaceTeam(meet, 1, {"Tig\ters", "TI\r\nG", "\"Ann\"", "Tigers\n"});
    addTeam(meet, {"Lions\r", "\tLIO", "B\"o", "\"Lions\""});
    EXPECT_EQ(teamFieldsOfRow(meet.teamList, 1), (TeamFields{"Tigers", "TIG", "Ann", "Tigers"}));
    EXPECT_EQ(teamFieldsOfRow(meet.teamList, 2), (TeamFields{"Lions", "LIO", "Bo", "Lions"}));
}
