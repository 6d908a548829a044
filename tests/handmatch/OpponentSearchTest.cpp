#include "handmatch/OpponentSearch.h"

#include "HandMatchMeets.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(OpponentSearchTest, CandidatesAndTheirScores)
{
    // Five candidates; then one absent and four whose numbers cannot be read.
    const Meet meet = meetWith({ "Ann\t9.0\t60\t1.0\tTIG\t60\tYes", "Bo\t10.0\t66\t3.0\tLIO \t65\tYes",
        "Cy\t9.0\t60\t1.0\tTIG\t60\tYes", "Dee\t9.0\t60\t1.0\tBEA\t60\tYes", "Eve\t9.0\t60\t1.0\tWOL\t60\tYes",
        "Absent\t9.0\t60\t1.0\tTIG\t60\t  ", "NoAge\t\t60\t1.0\tTIG\t60\tYes", "NoSkill\t9.0\t60\tx\tTIG\t60\tYes",
        "Zero\t9.0\t0\t1.0\tTIG\t60\tYes", "NoComp\t9.0\t60\t1.0\tTIG\t?\tYes" });
    const auto candidates = handMatchCandidates(meet);
    ASSERT_EQ(candidates.size(), 5u);
    EXPECT_EQ(candidates[1].teamIndex, 0) << "the team must match exactly";

    // Ann against Bo, worked by hand: age 2 x 1^2, weight 10 x (ln 66/60)^2 = 10 x 0.0953102^2,
    // skill 1 x 2^2, composite 1 x 5^2.
    const auto allFour = handMatchCriteria({ true, true, true, true, true });
    EXPECT_FLOAT_EQ(handMatchScore(0, 1, candidates, allFour), 31.09084f);
    EXPECT_FLOAT_EQ(handMatchScore(0, 1, candidates, handMatchCriteria({ false, false, true })), 4.0f);
    const auto strict = handMatchCriteria({});
    EXPECT_EQ(handMatchScore(1, 1, candidates, strict), forbiddenCost);
    EXPECT_EQ(handMatchScore(0, 2, candidates, strict), forbiddenCost) << "same team";
    EXPECT_EQ(handMatchScore(3, 4, candidates, strict), forbiddenCost) << "both teams unlisted count as one";
    EXPECT_EQ(handMatchScore(0, 2, candidates, handMatchCriteria({ false, false, false, false, true })), 0.0f);
}

TEST(OpponentSearchTest, BestOpponent)
{
    const Meet meet = meetWith({ "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Absent\t9.0\t60\t1.0\tLIO\t60\t\t",
        "Teammate\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Far\t12.0\t90\t4.0\tLIO\t73\tYes\t",
        "Busy\t9.0\t61\t1.0\tLIO\t60\tYes\t3,7", "Near\t9.5\t62\t1.0\tLIO\t61\tYes\t4",
        "Twin\t9.5\t62\t1.0\tLIO\t61\tYes\t" });
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
}
