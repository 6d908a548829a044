#include "shell/CloseStep.h"

#include "meet/Meet.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

Meet meetWithOneTeam(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.teamList.setCell(1, 0, "Tigers");
    meet.teamList.setCell(1, 1, "TIG");
    meet.teamList.setCell(1, 3, "Tigers");
    return meet;
}

} // namespace

TEST(CloseStepTest, UnchangedRostersAskNothing)
{
    TempDir dir;
    Meet meet = meetWithOneTeam(dir);
    FakeDialogs dialogs;
    int settingsWrites = 0;
    closeStep(meet, dialogs, [&] { ++settingsWrites; });
    EXPECT_EQ(settingsWrites, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(dir.exists("Teams.Csv"));
}

TEST(CloseStepTest, YesSavesTeamFilesAndClearsTheFlag)
{
    TempDir dir;
    Meet meet = meetWithOneTeam(dir);
    meet.rostersChanged = true;
    FakeDialogs dialogs;
    dialogs.queueAnswers({true});
    closeStep(meet, dialogs, {});
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Save changes to rosters?"});
    EXPECT_FALSE(meet.rostersChanged);
    EXPECT_EQ(dir.read("Teams.Csv"), "\"Tigers\",\"TIG\",\"\",\"Tigers\"\r\n");
}

TEST(CloseStepTest, NoWritesNothingAndAsksAgainNextTime)
{
    TempDir dir;
    Meet meet = meetWithOneTeam(dir);
    meet.rostersChanged = true;
    FakeDialogs dialogs;
    dialogs.queueAnswers({false, false});
    closeStep(meet, dialogs, {});
    closeStep(meet, dialogs, {});
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_TRUE(meet.rostersChanged);
    EXPECT_FALSE(dir.exists("Teams.Csv"));
}
