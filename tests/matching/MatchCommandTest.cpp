#include "matching/MatchCommand.h"

#include "MatchTestMeets.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

// Three wrestlers and a bout made by hand earlier in the meet.
Meet startingMeet()
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA", true, "1");
    addWrestler(meet, "Bo", 10, 60, 1, "BB");
    addWrestler(meet, "Cy", 10, 61, 1, "BB", true, "1");
    meet.boutGrid.appendRow("1\t1\t\tCy\t10.0\t61\t1.0\tBB\t\t\t\tAl\t10.0\t60\t1.0\tAA");
    meet.boutGrid.removeRow(1);
    return meet;
}

struct MatchCommandTest : ::testing::Test {
    MatchCommandTest() { meet.directory = dir.path(); }

    bool run(const MatchSettings& settings = {})
    {
        progress.clear();
        return runMatch(meet, settings, dialogs, [this](int value) { progress.push_back(value); });
    }

    bool unchanged() const
    {
        const Meet start = startingMeet();
        return meet.boutGrid == start.boutGrid && meet.roster == start.roster;
    }

    bool restoreFileMatchesTheMeet() const
    {
        return dir.exists(restoreFileName) && dir.read(restoreFileName) == restoreFileText(meet);
    }

    TempDir dir;
    Meet meet = startingMeet();
    FakeDialogs dialogs;
    std::vector<int> progress;
};

} // namespace

TEST_F(MatchCommandTest, AsksOnlyAfterHandMadeBouts)
{
    EXPECT_TRUE(run());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(unchanged());
    EXPECT_TRUE(restoreFileMatchesTheMeet());

    meet = startingMeet();
    meet.directory = dir.path();
    dir.write(restoreFileName, "earlier");
    meet.handMatchesMade = true;
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Hand matches will be deleted.  Proceed anyway?"});
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(dir.read(restoreFileName), "earlier") << "No leaves the restore file alone";

    dialogs.queueAnswers({true});
    EXPECT_TRUE(run());
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_TRUE(meet.handMatchesMade) << "every later run asks again";
    EXPECT_TRUE(restoreFileMatchesTheMeet());
}

TEST_F(MatchCommandTest, RefusalsChangeNothing)
{
    MatchSettings settings;
    settings.limit(LimitBox::MaxDiffAge) = "one";
    EXPECT_FALSE(run(settings));
    EXPECT_EQ(dialogs.shown.back(), "Bad value for maximum age difference.");

    meet.roster.setCell(2, RosterColumn::Wgt, "0");
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.shown.back(), "Can't match: the weight of Bo is not above 0.");
    meet.roster.setCell(2, RosterColumn::Wgt, "60");

    for (int r = 1; r <= 3; ++r)
        meet.roster.setCell(r, RosterColumn::Here, " ");
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.shown.back(), "Can't match: no wrestler is marked present.");
    for (int r = 1; r <= 3; ++r)
        meet.roster.setCell(r, RosterColumn::Here, "Yes");

    EXPECT_EQ(dialogs.shown.size(), 3u);
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(unchanged());
    EXPECT_FALSE(dir.exists(restoreFileName));
}

TEST_F(MatchCommandTest, AFailedMatchingStillWritesTheRestoreFile)
{
    MatchSettings settings;
    settings.limit(LimitBox::IdealDiffAge) = "-1";
    settings.limit(LimitBox::MaxDiffAge) = "-1";
    EXPECT_FALSE(run(settings));
    EXPECT_EQ(dialogs.warnings, std::vector<std::string>{"Matching algorithm failed -- Relax limits and try again."});
    EXPECT_TRUE(unchanged());
    EXPECT_TRUE(restoreFileMatchesTheMeet());
}

TEST_F(MatchCommandTest, AnOutOfOrderPairIsReportedButStillMatches)
{
    MatchSettings settings;
    settings.limit(LimitBox::IdealDiffSkill) = "3";
    settings.limit(LimitBox::MaxDiffSkill) = "2";
    EXPECT_FALSE(leaveLimitBox(settings, LimitBox::MaxDiffSkill, dialogs));
    EXPECT_TRUE(run(settings));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Bad value for maximum skill difference."});
    EXPECT_TRUE(restoreFileMatchesTheMeet());
}
