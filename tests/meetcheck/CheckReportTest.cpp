#include "meetcheck/CheckReport.h"

#include "CheckMeets.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

// Ann is short; Bo, Cy and Dee wrestle on two mats, Cy on both in the
// first slot, and the first bout has its result.
Meet reportMeet()
{
    Meet meet = meetWith({ "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Bo\t9.0\t61\t1.0\tLIO\t60\tYes\t1,3",
                             "Cy\t10.0\t70\t2.0\tTIG\t62\tYes\t1,2", "Dee\t9.5\t64\t1.0\tLIO\t61\tYes\t2,3" },
        { boutRow(1, 1, "Bo", "LIO", "Cy", "TIG"), boutRow(2, 2, "Cy", "TIG", "Dee", "LIO"),
            boutRow(3, 1, "Bo", "LIO", "Dee", "LIO") });
    meet.boutGrid.setCell(1, BoutColumn::Winner1, "Fall");
    return meet;
}

MeetCheck reportCheck(const Meet& meet)
{
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    return checkMeet(meet, settings, { 2, 6, 23 * 60 + 50 });
}

} // namespace

TEST(CheckReportTest, TheReportHoldsTheThreeListsInFixedColumns)
{
    const std::string expected
        = "Meet Check\r\n"
          "\r\n"
          "Short of bouts: fewer than 2\r\n"
          "Name                        Team    Age  Wgt Skill Bouts  Proposed opponent           Team\r\n"
          "Ann                         TIG     9.0   60   1.0     0  Bo                          LIO\r\n"
          "\r\n"
          "Rest: fewer than 2 bouts between\r\n"
          "Name                        Team   Rest  Bout Mat  Bout Mat\r\n"
          "Cy                          TIG      -1     1   1     2   2\r\n"
          "Bo                          LIO       0     1   1     3   1\r\n"
          "Dee                         LIO       0     2   2     3   1\r\n"
          "\r\n"
          "Mats: start 23:50, 6 minutes a bout\r\n"
          "Mat  Bouts  Results  Ends\r\n"
          "  1      2        1  00:02 (+1 day)\r\n"
          "  2      1        0  23:56\r\n";
    EXPECT_EQ(meetCheckText(reportCheck(reportMeet())), expected);
}

TEST(CheckReportTest, WrittenBesideTheOtherListsOrReportedByName)
{
    TempDir dir;
    Meet meet = reportMeet();
    meet.directory = dir.path();
    FakeDialogs dialogs;
    const MeetCheck check = reportCheck(meet);
    EXPECT_TRUE(writeMeetCheck(meet, check, dialogs));
    EXPECT_EQ(dir.read("MeetCheck.Txt"), meetCheckText(check));

    meet.directory = dir.path() / "gone";
    EXPECT_FALSE(writeMeetCheck(meet, check, dialogs));
    EXPECT_EQ(dialogs.shown, Texts { "Couldn't write MeetCheck.Txt; file may be in use." });
}
