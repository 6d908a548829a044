#include "handmatch/OpponentSearch.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvanda;

namespace {

struct Wrestler {
    const char *name, *age, *weight, *skill, *team, *here, *bouts;
};

Meet meetOf(std::initializer_list<Wrestler> wrestlers)
{
    Meet meet;
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG");
    meet.teamList.appendRow("Lions\tLIO");
    meet.roster.setRowCount(1);
    for (const auto& w : wrestlers)
        meet.roster.appendRow(std::string(w.name) + "\t" + w.age + "\t" + w.weight + "\t" + w.skill + "\t" + w.team
            + "\t" + compositeValue(w.age, w.weight, w.skill) + "\t" + w.here + "\t" + w.bouts);
    return meet;
}

} // namespace

TEST(OpponentSearchTest, CandidatesAreThePresentMeasurableWrestlers)
{
    Meet meet = meetOf({
        { "Ann", "9.0", "60", "1.0", "TIG", "Yes", "" },
        { "Absent", "9.0", "60", "1.0", "TIG", "", "" },
        { "Blank", "9.0", "60", "1.0", "TIG", "  ", "" },
        { "NoAge", "", "60", "1.0", "TIG", "Yes", "" },
        { "NoSkill", "9.0", "60", "x", "TIG", "Yes", "" },
        { "Zero", "9.0", "0", "1.0", "TIG", "Yes", "" },
        { "Bo", "10.0", "70", "2.0", "LIO ", "Yes", "" },
        { "Cy", "11.0", "80", "3.0", "BEA", "Yes", "" },
    });
    meet.roster.setCell(1, RosterColumn::Cmp, "?");
    const auto candidates = handMatchCandidates(meet);
    ASSERT_EQ(candidates.size(), 2u) << "Ann's composite is no number";
    EXPECT_EQ(candidates[0].rosterRow, 7);
    EXPECT_EQ(candidates[0].teamIndex, 0) << "the team must match exactly";
    EXPECT_FLOAT_EQ(candidates[0].logWeight, std::log(70.0f));
    EXPECT_EQ(candidates[1].rosterRow, 8);
    EXPECT_FLOAT_EQ(candidates[1].composite, 69.0f);
}

TEST(OpponentSearchTest, ScoreAddsTheSwitchedOnDifferences)
{
    Meet meet = meetOf({
        { "Ann", "9.0", "60", "1.0", "TIG", "Yes", "" },
        { "Bo", "10.0", "66", "3.0", "LIO", "Yes", "" },
        { "Cy", "9.0", "60", "1.0", "TIG", "Yes", "" },
        { "Dee", "9.0", "60", "1.0", "BEA", "Yes", "" },
        { "Eve", "9.0", "60", "1.0", "WOL", "Yes", "" },
    });
    const auto candidates = handMatchCandidates(meet);
    const float logGap = std::log(60.0f) - std::log(66.0f);
    struct Case {
        CriteriaChecks checks;
        float expected;
    };
    const Case cases[] = {
        { {}, 0.0f },
        { { true, false, false, false, false }, 2.0f },
        { { false, true, false, false, false }, 10.0f * (logGap * logGap) },
        { { false, false, true, false, false }, 4.0f },
        // Composites 60 and 65.
        { { false, false, false, true, false }, 25.0f },
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(handMatchScore(0, 1, candidates, handMatchCriteria(c.checks)), c.expected);

    const auto strict = handMatchCriteria({});
    EXPECT_EQ(handMatchScore(1, 1, candidates, strict), forbiddenCost);
    EXPECT_EQ(handMatchScore(0, 2, candidates, strict), forbiddenCost) << "same team";
    EXPECT_EQ(handMatchScore(3, 4, candidates, strict), forbiddenCost) << "both teams unlisted count as one";
    EXPECT_EQ(handMatchScore(0, 2, candidates, handMatchCriteria({ false, false, false, false, true })), 0.0f);

    meet.roster.setCell(1, RosterColumn::Age, "1e19");
    meet.roster.setCell(2, RosterColumn::Age, "-1e19");
    EXPECT_EQ(handMatchScore(0, 1, handMatchCandidates(meet), handMatchCriteria({ true, true, true, true, true })),
        forbiddenCost)
        << "an overflowing score stops at the forbidden cost";
}

TEST(OpponentSearchTest, BestOpponent)
{
    Meet meet = meetOf({
        { "Ann", "9.0", "60", "1.0", "TIG", "Yes", "" },
        { "Absent", "9.0", "60", "1.0", "LIO", "", "" },
        { "Teammate", "9.0", "60", "1.0", "TIG", "Yes", "" },
        { "Far", "12.0", "90", "4.0", "LIO", "Yes", "" },
        { "Busy", "9.0", "61", "1.0", "LIO", "Yes", "3,7" },
        { "Near", "9.5", "62", "1.0", "LIO", "Yes", "4" },
        { "Twin", "9.5", "62", "1.0", "LIO", "Yes", "" },
    });
    const auto sameTeamOff = handMatchCriteria({ true, true, true, true, false });
    EXPECT_EQ(findBestOpponent(meet, 1, sameTeamOff, 3), 5) << "Busy is the closest";
    EXPECT_EQ(findBestOpponent(meet, 1, sameTeamOff, 2), 6) << "3,7 counts as two bouts; Near wins the tie";
    EXPECT_EQ(findBestOpponent(meet, 1, sameTeamOff, 1), 7);
    EXPECT_EQ(findBestOpponent(meet, 1, sameTeamOff, 0), 0);
    EXPECT_EQ(findBestOpponent(meet, 1, handMatchCriteria({ true, true, true, true, true }), 3), 3)
        << "same team allowed";
    EXPECT_EQ(findBestOpponent(meet, 1, handMatchCriteria({ false, false, false, false, true }), 3), 3)
        << "with every criterion off the earliest present wrestler is proposed";
    EXPECT_EQ(findBestOpponent(meet, 1, handMatchCriteria({}), 3), 4);
    EXPECT_EQ(findBestOpponent(meet, 2, sameTeamOff, 3), 0) << "an absent wrestler gets no proposal";
    EXPECT_EQ(findBestOpponent(meet, 0, sameTeamOff, 3), 0);
}
