#include "meetcheck/ShortList.h"

#include "CheckMeets.h"
#include "handmatch/HandMatchList.h"
#include "matching/MatchCommand.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(ShortListTest, AMatchedMeetListsThePresentWrestlersBelowMinBoutsWithTheHandMatchProposal)
{
    TempDir dir;
    Meet meet = spreadMeet();
    meet.directory = dir.path();
    FakeDialogs dialogs;
    const MatchSettings settings = tightSettings();
    ASSERT_TRUE(runMatch(meet, settings, dialogs, [](int) {}));

    const ShortList list = shortOfBouts(meet, settings);
    EXPECT_EQ(list.minBouts, 2);
    EXPECT_EQ(list.problem, "");
    std::vector<std::string> expected;
    for (int row = 1; row < meet.roster.rowCount(); ++row) {
        const std::string& bouts = meet.roster.cell(row, RosterColumn::Bouts);
        const bool twoOrMore = bouts.find(',') != std::string::npos;
        if (meet.roster.cell(row, RosterColumn::Here) == "Yes" && !twoOrMore)
            expected.push_back(meet.roster.cell(row, RosterColumn::Name));
    }
    std::vector<std::string> listed;
    for (const ShortWrestler& w : list.wrestlers)
        listed.push_back(w.name);
    EXPECT_EQ(listed, expected);
    ASSERT_GE(listed.size(), 3u) << "the limits leave some short";
    ASSERT_LT(listed.size(), 30u) << "and match the others";

    // The proposal is what "Find Best Hand Match" puts into the hand-match list.
    ProposalSettings proposal { true,
        { settings.ageOn, settings.weightOn, settings.skillOn, settings.compositeOn, settings.sameTeamAllowed },
        settings.limit(LimitBox::MaxBouts) };
    int proposals = 0;
    for (const ShortWrestler& w : list.wrestlers) {
        HandMatchList handList;
        const auto& r = meet.roster;
        const int row = w.rosterRow;
        const EditorWrestler editor { r.cell(row, 0), r.cell(row, 1), r.cell(row, 2), r.cell(row, 3), r.cell(row, 4),
            true };
        EXPECT_EQ(handList.pickWrestler(meet, editor, proposal, dialogs).proposedRow, w.proposedRow) << w.name;
        EXPECT_EQ(w.proposedName, handList.grid().cell(2, 0)) << w.name;
        proposals += w.proposedRow > 0;
    }
    EXPECT_GT(proposals, 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(ShortListTest, AProposalOutsideTheMaxLimitsIsMarkedAndABadBoxIsNamed)
{
    // Ann's only opponent is Bo, half again as heavy; Cy is absent.
    const Meet meet = meetWith(
        { "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Bo\t9.0\t90\t1.0\tLIO\t63\tYes\t1", "Cy\t9.0\t60\t1.0\tLIO\t60\t\t" });
    const struct {
        const char* maxWeight;
        const char* maxBouts;
        bool weightOn;
        int proposedRow;
        bool outside;
        const char* problem;
    } cases[] = {
        { "10", "3", true, 2, true, "" },
        { "60", "3", true, 2, false, "" },
        { "10", "3", false, 2, false, "" },
        { "x", "3", true, 2, false, "Bad value for maximum weight difference." },
        { "10", "1", true, 0, false, "Bad value for maximum bouts." },
        { "10", "many", true, 0, false, "Bad value for maximum bouts." },
    };
    for (const auto& c : cases) {
        MatchSettings settings;
        settings.limit(LimitBox::MinBouts) = "2";
        settings.limit(LimitBox::MaxDiffWeight) = c.maxWeight;
        settings.limit(LimitBox::MaxBouts) = c.maxBouts;
        settings.weightOn = c.weightOn;
        const ShortList list = shortOfBouts(meet, settings);
        ASSERT_EQ(list.wrestlers.size(), 2u) << "Ann and Bo, below one bout and below two";
        const ShortWrestler& ann = list.wrestlers[0];
        EXPECT_EQ(ann.proposedRow, c.proposedRow) << c.maxWeight << " " << c.maxBouts;
        EXPECT_EQ(ann.outsideLimits, c.outside) << c.maxWeight << " " << c.maxBouts;
        EXPECT_EQ(list.problem, c.problem) << c.maxWeight << " " << c.maxBouts;
    }
    MatchSettings badMin;
    badMin.limit(LimitBox::MinBouts) = "";
    EXPECT_EQ(shortOfBouts(meet, badMin).problem, "Bad value for minimum bouts.");
    EXPECT_TRUE(shortOfBouts(meet, badMin).wrestlers.empty());
}
