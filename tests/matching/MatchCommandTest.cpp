#include "matching/MatchCommand.h"

#include "MatchTestMeets.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

const char* const question = "Hand matches will be deleted.  Proceed anyway?";

Meet startingMeet()
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA");
    addWrestler(meet, "Bo", 10, 60, 1, "BB");
    addWrestler(meet, "Cy", 10, 61, 1, "BB");
    // A hand-made bout from earlier in the meet.
    meet.boutGrid.setCell(1, BoutColumn::Bout, "1");
    meet.boutGrid.setCell(1, BoutColumn::Name1, "Cy");
    meet.boutGrid.setCell(1, BoutColumn::Name2, "Al");
    meet.roster.setCell(1, RosterColumn::Bouts, "1");
    meet.roster.setCell(3, RosterColumn::Bouts, "1");
    return meet;
}

struct MatchCommandTest : ::testing::Test {
    MatchCommandTest() { meet.directory = dir.path(); }

    bool run(const MatchSettings& settings = {})
    {
        progress.clear();
        return runMatch(meet, settings, dialogs, [this](int value) { progress.push_back(value); });
    }

    bool unchangedSinceSetUp() const
    {
        const Meet fresh = startingMeet();
        return meet.boutGrid == fresh.boutGrid && meet.roster == fresh.roster;
    }

    TempDir dir;
    Meet meet = startingMeet();
    FakeDialogs dialogs;
    std::vector<int> progress;
};

} // namespace

TEST_F(MatchCommandTest, MatchesAndWritesTheRestoreFile)
{
    EXPECT_TRUE(run());
    EXPECT_TRUE(dialogs.shown.empty()) << "no question without hand-made bouts";
    EXPECT_EQ(progress.back(), 0);
    EXPECT_GT(meet.boutGrid.rowCount(), 1);
    ASSERT_TRUE(dir.exists(restoreFileName));
    EXPECT_EQ(dir.read(restoreFileName), restoreFileText(meet));
}

TEST_F(MatchCommandTest, AsksBeforeHandMadeBoutsAreLost)
{
    meet.handMatchesMade = true;
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{question});
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(unchangedSinceSetUp());
    EXPECT_FALSE(dir.exists(restoreFileName)) << "No leaves the restore file alone";

    dialogs.queueAnswers({true});
    EXPECT_TRUE(run());
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_TRUE(meet.handMatchesMade) << "later runs still ask";
    EXPECT_TRUE(dir.exists(restoreFileName));
}

TEST_F(MatchCommandTest, RefusedSettingsChangeNothing)
{
    MatchSettings settings;
    settings.limit(LimitBox::MaxDiffAge) = "one";
    EXPECT_FALSE(run(settings));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Bad value for maximum age difference."});

    settings = MatchSettings{};
    settings.limit(LimitBox::MinBouts) = "4";
    EXPECT_FALSE(run(settings));
    EXPECT_EQ(dialogs.shown.back(), "Bad value for maximum bouts.");

    meet.roster.setCell(2, RosterColumn::Wgt, "0");
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.shown.back(), "Can't match: the weight of Bo is not above 0.");

    for (int r = 1; r <= 3; ++r)
        meet.roster.setCell(r, RosterColumn::Here, " ");
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.shown.back(), "Can't match: no wrestler is marked present.");

    EXPECT_TRUE(progress.empty());
    meet.roster.setCell(2, RosterColumn::Wgt, "60");
    for (int r = 1; r <= 3; ++r)
        meet.roster.setCell(r, RosterColumn::Here, "Yes");
    EXPECT_TRUE(unchangedSinceSetUp());
    EXPECT_FALSE(dir.exists(restoreFileName));
}

TEST_F(MatchCommandTest, AFailedMatchingStillWritesTheRestoreFile)
{
    MatchSettings settings;
    settings.limit(LimitBox::IdealDiffAge) = "-1";
    settings.limit(LimitBox::MaxDiffAge) = "-1";
    EXPECT_FALSE(run(settings));
    EXPECT_EQ(dialogs.warnings, std::vector<std::string>{"Matching algorithm failed -- Relax limits and try again."});
    EXPECT_TRUE(unchangedSinceSetUp());
    ASSERT_TRUE(dir.exists(restoreFileName));
    EXPECT_EQ(dir.read(restoreFileName), restoreFileText(meet));
}

TEST_F(MatchCommandTest, AnOutOfOrderPairStillMatches)
{
    MatchSettings settings;
    settings.limit(LimitBox::IdealDiffSkill) = "3";
    settings.limit(LimitBox::MaxDiffSkill) = "2";
    EXPECT_FALSE(leaveLimitBox(settings, LimitBox::MaxDiffSkill, dialogs));
    EXPECT_TRUE(run(settings));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Bad value for maximum skill difference."});
    EXPECT_TRUE(dir.exists(restoreFileName));
}
